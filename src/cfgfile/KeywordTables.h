#pragma once
// The keyword tables of the five kinds of block, in output order. The index into a table is
// what TransferKeyword and IsKeywordUsed take. The scope letter decides when a keyword is
// written: 0 always, otherwise by the rules of the owning class's IsKeywordUsed.

#include <cstdint>

namespace netloom {

struct KeywordEntry {
    const char* name;  // null in the end entry
    int32_t scope;     // a character code ('L', 'l', 'C', 'M', 'm', 'B') or 0
};

extern const KeywordEntry kAdapterKeywords[];
extern const KeywordEntry kTrafficProfileKeywords[];
extern const KeywordEntry kElanKeywords[];
extern const KeywordEntry kPvcKeywords[];
extern const KeywordEntry kTpMappingKeywords[];

constexpr int32_t kAdapterKeywordCount = 11;
constexpr int32_t kTrafficProfileKeywordCount = 5;
constexpr int32_t kElanKeywordCount = 27;
constexpr int32_t kPvcKeywordCount = 8;
constexpr int32_t kTpMappingKeywordCount = 4;

}  // namespace netloom

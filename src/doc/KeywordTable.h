#pragma once
// A configuration object's keyword table: for each keyword of its block, in the order the block
// is written, the keyword, its scope letter, the form of its value and the member that holds it.
// The position in the table is the keyword's index everywhere: TransferKeyword, IsKeywordUsed,
// the line kept for each keyword, and the checks that name keywords by index.

#include <cstdint>
#include <string>
#include <type_traits>

#include "cfgfile/BlockText.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "doc/DocObject.h"

namespace netloom {

struct WordList;

// How a keyword's value is written and read.
enum class ValueForm : uint8_t { Boolean, Integer, HexMask, Enumeration, Rate, Text };

struct KeywordEntry {
    const char* name;
    size_t nameLength;  // so that writing a line need not measure the name
    // A character code ('L', 'l', 'C', 'M', 'm', 'B') or 0: the owning class's IsScopeUsed
    // decides by it whether the keyword is written.
    int32_t scope;
    ValueForm form;
    // The member that holds the value: number for the boolean, integer, hex mask and
    // enumeration forms, rate and text for theirs; only the one of the form is set.
    int32_t CDocObject::*number;
    Rate CDocObject::*rate;
    std::string CDocObject::*text;
    const WordList* words;  // the enumeration's words
    // A number the writer fills in as a count: while it is 0 the keyword is left out.
    bool onlyIfNotZero;
    // The name again, zeros after it, for the writer to copy in one fixed width; all zeros
    // for a name too long for it.
    char paddedName[kPaddedNameWidth];
};

// The entries of class C's table. They take members of C only, so a table cannot name a member
// of another class; the member pointers are kept as members of the base so that the base can
// go through any table, and they are only ever applied to the object whose table it is.
template <class C>
struct KeywordsOf {
    static_assert(std::is_base_of_v<CDocObject, C>);

    static constexpr KeywordEntry Boolean(const char* name, int32_t scope, int32_t C::*member) {
        return Number(name, scope, ValueForm::Boolean, member, nullptr, false);
    }
    static constexpr KeywordEntry Integer(const char* name, int32_t scope, int32_t C::*member) {
        return Number(name, scope, ValueForm::Integer, member, nullptr, false);
    }
    static constexpr KeywordEntry IntegerIfNotZero(const char* name, int32_t scope,
                                                   int32_t C::*member) {
        return Number(name, scope, ValueForm::Integer, member, nullptr, true);
    }
    static constexpr KeywordEntry HexMask(const char* name, int32_t scope, int32_t C::*member) {
        return Number(name, scope, ValueForm::HexMask, member, nullptr, false);
    }
    static constexpr KeywordEntry Enumeration(const char* name, int32_t scope, int32_t C::*member,
                                              const WordList& words) {
        return Number(name, scope, ValueForm::Enumeration, member, &words, false);
    }
    static constexpr KeywordEntry RateValue(const char* name, int32_t scope, Rate C::*member) {
        KeywordEntry entry = Blank(name, scope, ValueForm::Rate);
        entry.rate = static_cast<Rate CDocObject::*>(member);
        return entry;
    }
    static constexpr KeywordEntry Text(const char* name, int32_t scope, std::string C::*member) {
        KeywordEntry entry = Blank(name, scope, ValueForm::Text);
        entry.text = static_cast<std::string CDocObject::*>(member);
        return entry;
    }

  private:
    static constexpr KeywordEntry Blank(const char* name, int32_t scope, ValueForm form) {
        KeywordEntry entry{name,    std::char_traits<char>::length(name),
                           scope,   form,
                           nullptr, nullptr,
                           nullptr, nullptr,
                           false,   {}};
        if (entry.nameLength < kPaddedNameWidth)
            for (size_t i = 0; i < entry.nameLength; ++i)
                entry.paddedName[i] = name[i];
        return entry;
    }
    static constexpr KeywordEntry Number(const char* name, int32_t scope, ValueForm form,
                                         int32_t C::*member, const WordList* words,
                                         bool onlyIfNotZero) {
        KeywordEntry entry = Blank(name, scope, form);
        entry.number = static_cast<int32_t CDocObject::*>(member);
        entry.words = words;
        entry.onlyIfNotZero = onlyIfNotZero;
        return entry;
    }
};

// Here rather than with IsKeywordUsed, so that the writer, which asks it for every keyword of
// every object, has it without a call for the keywords that are always written.
inline bool CDocObject::IsEntryUsed(const KeywordEntry& keyword) {
    if (keyword.onlyIfNotZero && keyword.number != nullptr && this->*keyword.number == 0)
        return false;
    return keyword.scope == 0 || IsScopeUsed(keyword.scope);
}

inline std::string_view CDocObject::KeywordValue(const KeywordEntry& keyword,
                                                 CValueText& room) const {
    // Texts and words are read where they are; only numbers are written out, into room.
    switch (keyword.form) {
        case ValueForm::Text:
            if (keyword.text == nullptr) break;
            return this->*keyword.text;
        case ValueForm::Boolean:
            if (keyword.number == nullptr) break;
            return BooleanWord(this->*keyword.number);
        case ValueForm::Enumeration:
            if (keyword.number == nullptr || keyword.words == nullptr) break;
            return keyword.words->At(this->*keyword.number);
        case ValueForm::Integer:
            if (keyword.number == nullptr) break;
            return DecimalText(this->*keyword.number, room);
        case ValueForm::HexMask:
            if (keyword.number == nullptr) break;
            return Hex4Text(this->*keyword.number, room);
        case ValueForm::Rate: {
            if (keyword.rate == nullptr) break;
            const Rate& rate = this->*keyword.rate;
            return RateText(rate.Value, rate.Unit, room);
        }
    }
    return {};
}

}  // namespace netloom

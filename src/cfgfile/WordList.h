#pragma once
// Fixed, ordered word lists of the configuration file (enumeration values, rate units,
// virtual adapter types). Every lookup is bounds-checked.

#include <cstdint>
#include <string_view>

namespace netloom {

struct WordList {
    const std::string_view* words;
    int count;

    // The word at index, or the empty text for an index without a word.
    std::string_view At(int32_t index) const {
        return (index >= 0 && index < count) ? words[index] : std::string_view();
    }
    // The first word equal to text without regard to ASCII case, or -1.
    int Find(std::string_view text) const;
};

bool EqualsNoCase(std::string_view a, std::string_view b);

extern const WordList kEmptyCellsWords;
extern const WordList kFramingModeWords;
extern const WordList kUniVersionWords;
extern const WordList kDescrTypeWords;
extern const WordList kQosClassWords;
extern const WordList kEncapsulationWords;
extern const WordList kLanTypeWords;
extern const WordList kPvcTypeWords;
extern const WordList kVcTypeWords;
extern const WordList kRateUnitWords;      // "Cells", "Kbps", "Mbps"
extern const WordList kElanTypeWords;      // the three words that are written
extern const WordList kElanTypeReadWords;  // the five words that are read

// Rate units (index into kRateUnitWords).
enum RateUnit : int32_t { RATE_CELLS = 0, RATE_KBPS = 1, RATE_MBPS = 2 };

// The cell rate of a 155.52 Mbit/s line; the file word "maxrate" stands for it.
constexpr int32_t kMaxLineCellRate = 353208;

}  // namespace netloom

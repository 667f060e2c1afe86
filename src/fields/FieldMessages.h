#pragma once
// The texts a page shows when a field's value is refused.

#include <cstdint>
#include <string>
#include <string_view>

namespace netloom {

std::string InvalidAtmAddressMessage();  // string 129
std::string InvalidMacAddressMessage();  // string 130
std::string PositiveIntegerMessage();    // unsigned field that does not parse
std::string IntegerMessage();            // signed field that does not parse
std::string RangeMessage(int32_t min, int32_t max);
std::string MaxCharsMessage(size_t maxChars);
// A character the configuration file cannot hold as one byte; character is its UTF-8 form.
std::string UnstorableCharacterMessage(std::string_view character);

}  // namespace netloom

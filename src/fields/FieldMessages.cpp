#include "fields/FieldMessages.h"

#include "res/Strings.h"

namespace netloom {

std::string InvalidAtmAddressMessage() {
    return std::string(LoadString(IDS_ADDRESS_INVALID_ATM));
}

std::string InvalidMacAddressMessage() {
    return std::string(LoadString(IDS_ADDRESS_INVALID_MAC));
}

std::string PositiveIntegerMessage() {
    return "Please enter a positive integer.";
}

std::string IntegerMessage() {
    return "Please enter an integer.";
}

std::string RangeMessage(int32_t min, int32_t max) {
    return FormatMessageText("Please enter an integer between %1 and %2.",
                             {std::to_string(min), std::to_string(max)});
}

std::string MaxCharsMessage(size_t maxChars) {
    return FormatMessageText("Please enter no more than %1 characters.",
                             {std::to_string(maxChars)});
}

std::string UnstorableCharacterMessage(std::string_view character) {
    return FormatMessageText(
        "The character \"%1\" cannot be stored in the configuration file, which holds one byte "
        "per character. Please use only Latin-1 characters.",
        {character});
}

}  // namespace netloom

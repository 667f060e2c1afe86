#pragma once
// The ATM and MAC address fields of the property pages: what a typed address may look like and
// the one form in which it is stored.

#include <string>
#include <string_view>

namespace netloom {

// An ATM address: 40 hexadecimal digits, stored as 20 blank-separated pairs (59 characters).
constexpr int kAtmAddressDigits = 40;
constexpr int kAtmAddressLength = 59;
// A MAC address: 12 digits as 6 pairs (17 characters).
constexpr int kMacAddressDigits = 12;
constexpr int kMacAddressLength = 17;
// Only this many characters of a field are examined; anything beyond is ignored.
constexpr size_t kAddressScanLimit = 62;

// Parses the text of an address field that must hold `digits` hexadecimal digits. Blanks, "-"
// and ":" are skipped wherever they stand; any other non-digit makes the text invalid. On
// success out receives the digits as pairs separated by single blanks, letters in the case they
// were typed, or the empty text when the field holds no digit at all.
bool ParseHexAddress(std::string_view text, int digits, std::string& out);

inline bool ParseAtmAddress(std::string_view text, std::string& out) {
    return ParseHexAddress(text, kAtmAddressDigits, out);
}
inline bool ParseMacAddress(std::string_view text, std::string& out) {
    return ParseHexAddress(text, kMacAddressDigits, out);
}

}  // namespace netloom

#include "fields/AddressField.h"

namespace netloom {

namespace {

enum CharClass : unsigned char { kOther, kSeparator, kHexDigit };

// One look per character: an address is checked for every object of a configuration.
struct CCharClasses {
    CharClass of[256] = {};
    constexpr CCharClasses() {
        for (char c : {' ', '-', ':'})
            of[static_cast<unsigned char>(c)] = kSeparator;
        for (int c = '0'; c <= '9'; ++c)
            of[c] = kHexDigit;
        for (int c = 'a'; c <= 'f'; ++c) {
            of[c] = kHexDigit;
            of[c - 'a' + 'A'] = kHexDigit;
        }
    }
};
constexpr CCharClasses kCharClasses;

}  // namespace

bool ParseHexAddress(std::string_view text, int digits, std::string& out) {
    if (digits <= 0) return false;
    // The digits go straight into their canonical places: the scan is bounded, so the result
    // always fits on the stack, and an address checked for every object of a large file costs
    // no allocation beyond what out already holds.
    const std::string_view examined = text.substr(0, kAddressScanLimit);
    char canonical[kAddressScanLimit + kAddressScanLimit / 2];
    size_t found = 0;
    size_t length = 0;
    for (const char c : examined) {
        const CharClass kind = kCharClasses.of[static_cast<unsigned char>(c)];
        if (kind == kSeparator) continue;
        if (kind != kHexDigit) return false;
        if (found > 0 && found % 2 == 0) canonical[length++] = ' ';
        canonical[length++] = c;
        ++found;
    }
    if (found != 0 && found != static_cast<size_t>(digits)) return false;
    out.assign(canonical, length);
    return true;
}

}  // namespace netloom

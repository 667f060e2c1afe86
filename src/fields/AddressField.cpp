#include "fields/AddressField.h"

namespace netloom {

namespace {
constexpr bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
constexpr bool IsSeparator(char c) {
    return c == ' ' || c == '-' || c == ':';
}
}  // namespace

bool ParseHexAddress(std::string_view text, int digits, std::string& out) {
    if (digits <= 0) return false;
    const std::string_view examined = text.substr(0, kAddressScanLimit);
    std::string collected;
    collected.reserve(examined.size());
    for (const char c : examined) {
        if (IsSeparator(c)) continue;
        if (!IsHexDigit(c)) return false;
        collected += c;
    }
    if (collected.empty()) {
        out.clear();
        return true;
    }
    if (collected.size() != static_cast<size_t>(digits)) return false;

    std::string canonical;
    canonical.reserve(collected.size() + collected.size() / 2);
    for (size_t i = 0; i < collected.size(); ++i) {
        if (i > 0 && i % 2 == 0) canonical += ' ';
        canonical += collected[i];
    }
    out = std::move(canonical);
    return true;
}

}  // namespace netloom

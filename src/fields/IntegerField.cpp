#include "fields/IntegerField.h"

#include <limits>

namespace netloom {

namespace {

constexpr bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool ParseIntegerField(std::string_view text, bool isUnsigned, int32_t& out) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    // Whatever comes first decides: a number that reads as 0 must have been written with a "0"
    // (this is what rejects empty text, a lone sign and words).
    const char first = i < n ? text[i] : '\0';
    if (isUnsigned && first == '-') return false;

    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in 64 bits and stop growing once past every 32-bit value, so long digit runs
    // neither overflow nor pass.
    constexpr int64_t kCap = int64_t{1} << 33;
    int64_t magnitude = 0;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        if (magnitude < kCap) magnitude = magnitude * 10 + (text[i] - '0');
        ++i;
    }
    if (magnitude == 0 && first != '0') return false;
    while (i < n && IsBlank(text[i]))
        ++i;
    if (i != n) return false;

    const int64_t value = negative ? -magnitude : magnitude;
    const int64_t lowest = isUnsigned ? 0 : std::numeric_limits<int32_t>::min();
    if (value < lowest || value > std::numeric_limits<int32_t>::max()) return false;
    out = static_cast<int32_t>(value);
    return true;
}

}  // namespace

bool ParseUnsignedField(std::string_view text, int32_t& out) {
    return ParseIntegerField(text, true, out);
}

bool ParseSignedField(std::string_view text, int32_t& out) {
    return ParseIntegerField(text, false, out);
}

}  // namespace netloom

#include "cfgfile/ValueForms.h"

#include <cstdint>
#include <cstring>

#include "cfgfile/DecimalDigits.h"
#include "cfgfile/WordList.h"

namespace netloom {

namespace {

size_t SkipSpace(std::string_view text, size_t pos) {
    while (pos < text.size() && IsCSpace(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

int HexDigitValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Accumulates digits into an unsigned 64-bit magnitude, saturating instead of overflowing.
// Returns the position after the last digit; *any is set when at least one digit was read.
size_t AccumulateDigits(std::string_view text, size_t pos, unsigned base, uint64_t& magnitude,
                        bool& saturated, bool& any) {
    magnitude = 0;
    saturated = false;
    any = false;
    while (pos < text.size()) {
        const int d = HexDigitValue(static_cast<unsigned char>(text[pos]));
        if (d < 0 || static_cast<unsigned>(d) >= base) break;
        any = true;
        if (!saturated) {
            if (magnitude > (UINT64_MAX - static_cast<uint64_t>(d)) / base) {
                saturated = true;
            } else {
                magnitude = magnitude * base + static_cast<uint64_t>(d);
            }
        }
        ++pos;
    }
    return pos;
}

int32_t TruncateTo32(uint64_t bits) {
    // Two's complement reduction modulo 2^32, well defined in C++17 through uint32_t.
    const uint32_t low = static_cast<uint32_t>(bits & 0xFFFFFFFFu);
    return static_cast<int32_t>(low);
}

using CDigits = char[sizeof CValueText::digits];

std::string_view DecimalInto(CDigits& digits, int32_t value) {
    static_assert(sizeof digits >= kDecimalRoom);
    return {digits, static_cast<size_t>(PutDecimal(digits, value) - digits)};
}

std::string_view Hex4Into(CDigits& digits, int32_t value) {
    static const char kDigits[] = "0123456789ABCDEF";
    static_assert(sizeof digits >= 8, "32 bits are eight hexadecimal digits");
    uint32_t v = static_cast<uint32_t>(value);
    char* const end = digits + 8;
    char* at = end;
    do {
        *--at = kDigits[v & 0xFu];
        v >>= 4;
    } while (v != 0);
    while (end - at < 4)
        *--at = '0';
    return {at, static_cast<size_t>(end - at)};
}

}  // namespace

bool ReadBoolean(std::string_view value) {
    return EqualsNoCase(value, "yes") || EqualsNoCase(value, "true") || value == "1";
}

std::string WriteBoolean(int32_t value) {
    return std::string(BooleanWord(value));
}

bool ScanDecimal(std::string_view text, int32_t& out, size_t* consumed) {
    size_t pos = SkipSpace(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    uint64_t magnitude = 0;
    bool saturated = false;
    bool any = false;
    pos = AccumulateDigits(text, pos, 10, magnitude, saturated, any);
    if (!any) return false;
    // The C library converts through a signed 64-bit long, saturating at its limits.
    int64_t wide;
    if (negative) {
        wide = (saturated || magnitude > static_cast<uint64_t>(INT64_MAX) + 1u)
                   ? INT64_MIN
                   : static_cast<int64_t>(0u - magnitude);
    } else {
        wide = (saturated || magnitude > static_cast<uint64_t>(INT64_MAX))
                   ? INT64_MAX
                   : static_cast<int64_t>(magnitude);
    }
    out = TruncateTo32(static_cast<uint64_t>(wide));
    if (consumed) *consumed = pos;
    return true;
}

std::string WriteDecimal(int32_t value) {
    CDigits digits;
    return std::string(DecimalInto(digits, value));
}

void AppendDecimal(std::string& out, int32_t value) {
    CDigits digits;
    out.append(DecimalInto(digits, value));
}

bool ScanHex(std::string_view text, int32_t& out) {
    size_t pos = SkipSpace(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // "0x" is a prefix only when a hexadecimal digit follows it; otherwise the "0" alone is
    // the number.
    if (pos + 2 < text.size() && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
        HexDigitValue(static_cast<unsigned char>(text[pos + 2])) >= 0) {
        pos += 2;
    }
    uint64_t magnitude = 0;
    bool saturated = false;
    bool any = false;
    AccumulateDigits(text, pos, 16, magnitude, saturated, any);
    if (!any) return false;
    // strtoul semantics: saturate at the unsigned long maximum, then negate for a sign.
    uint64_t bits = saturated ? UINT64_MAX : magnitude;
    if (negative && !saturated) bits = 0u - bits;
    out = TruncateTo32(bits);
    return true;
}

std::string WriteHex4(int32_t value) {
    CDigits digits;
    return std::string(Hex4Into(digits, value));
}

std::string_view Hex4Text(int32_t value, CValueText& room) {
    return Hex4Into(room.digits, value);
}

RateRead ReadRate(std::string_view text, int32_t& value, int32_t& unit, std::string& badUnit) {
    if (EqualsNoCase(text, "maxrate")) {
        value = kMaxLineCellRate;
        unit = RATE_CELLS;
        return RateRead::WithUnit;
    }
    int32_t number = 0;
    size_t pos = 0;
    if (!ScanDecimal(text, number, &pos)) return RateRead::NoNumber;
    value = number;
    // "%10s": after optional white space, up to 10 bytes that are not white space.
    pos = SkipSpace(text, pos);
    size_t end = pos;
    while (end < text.size() && end - pos < 10 && !IsCSpace(static_cast<unsigned char>(text[end])))
        ++end;
    if (end == pos) return RateRead::NumberOnly;
    const std::string_view word = text.substr(pos, end - pos);
    const int found = kRateUnitWords.Find(word);
    if (found < 0) {
        badUnit.assign(word);
        unit = RATE_CELLS;
        return RateRead::UnknownUnit;
    }
    unit = found;
    return RateRead::WithUnit;
}

std::string WriteRate(int32_t value, int32_t unit) {
    std::string out;
    AppendRate(out, value, unit);
    return out;
}

std::string_view RateText(int32_t value, int32_t unit, CValueText& room) {
    char* const end = room.digits + sizeof room.digits;
    char* at = PutDecimal(room.digits, value);
    const std::string_view word = RateUnitText(unit);
    if (!word.empty()) {
        if (word.size() >= static_cast<size_t>(end - at)) {
            room.text.assign(room.digits, at);
            room.text += ' ';
            room.text.append(word);
            return room.text;
        }
        *at++ = ' ';
        std::memcpy(at, word.data(), word.size());
        at += word.size();
    }
    return {room.digits, static_cast<size_t>(at - room.digits)};
}

void AppendRate(std::string& out, int32_t value, int32_t unit) {
    AppendDecimal(out, value);
    const std::string_view word = RateUnitText(unit);
    if (!word.empty()) {
        out += ' ';
        out.append(word);
    }
}

}  // namespace netloom

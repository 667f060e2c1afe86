#pragma once
// Text forms of the value kinds in the configuration file: how each kind is read from a
// keyword's value and written back. Reading follows what the C scanf conversions "%d", "%x"
// and "%d %10s" accept, without their undefined behaviour on out-of-range numbers.

#include <cstdint>
#include <string>
#include <string_view>

#include "cfgfile/DecimalDigits.h"
#include "cfgfile/WordList.h"

namespace netloom {

// C isspace in the "C" locale, on an unsigned byte (bytes 0x80-0xFF are never white space).
constexpr bool IsCSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// "yes", "true" or "1" in any case, compared with the whole value.
bool ReadBoolean(std::string_view value);
std::string WriteBoolean(int32_t value);
inline std::string_view BooleanWord(int32_t value) {
    return value ? "Yes" : "No";
}

// Reads a decimal number as "%d" does: optional white space, optional sign followed at once
// by a digit, digits. Returns false when there is no number. *consumed receives the number of
// bytes read. Numbers beyond 32 bits are reduced as the C library on this platform does
// (saturated to 64 bits, then truncated to 32), never undefined behaviour.
bool ScanDecimal(std::string_view text, int32_t& out, size_t* consumed = nullptr);
std::string WriteDecimal(int32_t value);
// The decimal form appended to out, without a string of its own.
void AppendDecimal(std::string& out, int32_t value);

// Reads a hexadecimal number as "%x" does (optional sign and "0x" prefix).
bool ScanHex(std::string_view text, int32_t& out);
// "%04X": upper case, at least four digits.
std::string WriteHex4(int32_t value);

// Result of reading a rate value.
enum class RateRead {
    NoNumber,     // nothing changes
    NumberOnly,   // value set, unit unchanged
    WithUnit,     // value and unit set
    UnknownUnit,  // value set, unit set to cells; badUnit holds the word as read
};
RateRead ReadRate(std::string_view text, int32_t& value, int32_t& unit, std::string& badUnit);
// Room for one value written out without making a string: a 32-bit number in decimal or
// hexadecimal, or a rate's number and unit word, fits digits; text takes what would not.
// The writer makes most of its lines' values here, so the decimal one is inline.
struct CValueText {
    char digits[24];  // "-2147483648 Mbps"
    std::string text;
};
inline std::string_view DecimalText(int32_t value, CValueText& room) {
    static_assert(sizeof room.digits >= kDecimalRoom);
    return {room.digits, static_cast<size_t>(PutDecimal(room.digits, value) - room.digits)};
}
std::string_view Hex4Text(int32_t value, CValueText& room);
// As WriteRate writes it.
std::string_view RateText(int32_t value, int32_t unit, CValueText& room);

// The word written after a rate's number: empty for cells and for a unit without a word.
inline std::string_view RateUnitText(int32_t unit) {
    return unit != RATE_CELLS ? kRateUnitWords.At(unit) : std::string_view();
}
// Cells: the number alone; other units: number, blank, unit word. A unit index without a word
// (a damaged clipboard block) is written as the number alone.
std::string WriteRate(int32_t value, int32_t unit);
// The same form appended to out.
void AppendRate(std::string& out, int32_t value, int32_t unit);

}  // namespace netloom

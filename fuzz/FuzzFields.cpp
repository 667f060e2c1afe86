// Fuzz target for the field parsers of the property pages: addresses, integers and traffic
// profile lists, and the checks and messages they feed. The first two bytes choose the
// parameters (the digits an address must have, how many profiles the adapter has), the rest is
// the text typed into the field. Besides no crash and no undefined behaviour, each parser must
// agree with what it stored: a stored form parses again to itself.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fields/AddressField.h"
#include "fields/FieldChecks.h"
#include "fields/FieldMessages.h"
#include "fields/IntegerField.h"
#include "fields/ProfileList.h"

namespace {

using namespace netloom;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "fuzz_fields: %s\n", what);
    std::abort();
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string HexDigitsOf(std::string_view text) {
    std::string digits;
    for (char c : text)
        if (IsHex(c)) digits += c;
    return digits;
}

void CheckAddress(std::string_view text, int digits) {
    std::string out = "unchanged";
    if (!ParseHexAddress(text, digits, out)) return;
    if (out.empty()) {
        if (!HexDigitsOf(text.substr(0, kAddressScanLimit)).empty()) Fail("digits parsed as empty");
        return;
    }
    if (digits <= 0) Fail("an address without digits accepted");
    // digits in pairs separated by single blanks, the digits of the text in their order
    const size_t n = static_cast<size_t>(digits);
    if (out.size() != n + (n - 1) / 2) Fail("stored address has the wrong length");
    if (HexDigitsOf(out) != HexDigitsOf(text.substr(0, kAddressScanLimit)))
        Fail("stored address does not hold the typed digits");
    // Only the first characters of a field are examined, so this holds for the sizes a page
    // stores (ATM and MAC addresses), not for every digit count.
    std::string again;
    if (out.size() <= kAddressScanLimit && (!ParseHexAddress(out, digits, again) || again != out))
        Fail("stored address does not parse to itself");
}

void CheckInteger(std::string_view text) {
    int32_t u = 0;
    int32_t s = 0;
    const bool isUnsigned = ParseUnsignedField(text, u);
    const bool isSigned = ParseSignedField(text, s);
    if (isUnsigned) {
        if (u < 0) Fail("unsigned field gave a negative value");
        if (!isSigned || s != u) Fail("signed and unsigned fields disagree");
    }
    if (isSigned) {
        int32_t again = 0;
        if (!ParseSignedField(std::to_string(s), again) || again != s)
            Fail("a value does not parse back");
        if (!ParseSignedField(" \t" + std::string(text) + "\t ", again) || again != s)
            Fail("surrounding blanks changed the value");
    }
    // A plain run of digits that fits is always taken.
    if (!text.empty() && text.size() <= 9 &&
        text.find_first_not_of("0123456789") == std::string_view::npos) {
        if (!isUnsigned || !isSigned) Fail("a plain number was refused");
        if (u != std::atoi(std::string(text).c_str())) Fail("a plain number read wrongly");
    }
}

void CheckProfileList(std::string_view text, int32_t profiles) {
    const std::vector<int32_t> numbers = ReadTrafficProfileNumbers(text);
    if (ReadTrafficProfileNumbers(WriteTrafficProfileList(numbers)) != numbers)
        Fail("a written profile list reads differently");
    const ProfileLists lists = BuildProfileLists(text, [profiles](int32_t n, std::string& name) {
        if (n < 0 || n >= profiles) return false;
        name = "Tp" + std::to_string(n);
        return true;
    });
    std::vector<bool> seen(static_cast<size_t>(profiles > 0 ? profiles : 0), false);
    for (const auto& e : lists.prioritized) {
        if (e.number < 0 || e.number >= profiles) Fail("a prioritized number names no profile");
        if (seen[static_cast<size_t>(e.number)]) Fail("a profile prioritized twice");
        seen[static_cast<size_t>(e.number)] = true;
    }
    int32_t expected = 0;
    for (const auto& e : lists.available) {
        while (expected < profiles && seen[static_cast<size_t>(expected)])
            ++expected;
        if (e.number != expected) Fail("available profiles out of order or prioritized");
        ++expected;
    }
}

void CheckRules(int32_t a, int32_t b) {
    const VpiVciLimits limits = PvcLimits(a);
    if (limits.vpiMax < 0 || limits.vciMax < 0 || (limits.vpiMax + 1) * (limits.vciMax + 1) != 1024)
        Fail("VPI and VCI limits do not share 10 bits");
    if (MaxRateForUnit(a) <= 0) Fail("a unit without a positive maximum");
    const int32_t stored = ListIndexToStore(a, b, 8);
    if (stored < 0) Fail("a negative list index stored");
    if (RangeMessage(a, b).empty() || MaxCharsMessage(static_cast<size_t>(b)).empty())
        Fail("empty message");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const int digits = static_cast<int8_t>(data[0]);
    const int32_t profiles = data[1] % 48;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    CheckAddress(text, kAtmAddressDigits);
    CheckAddress(text, kMacAddressDigits);
    CheckAddress(text, digits);
    CheckInteger(text);
    CheckProfileList(text, profiles);
    int32_t a = 0;
    if (ParseSignedField(text, a)) CheckRules(a, profiles - 24);
    CheckRules(digits, static_cast<int32_t>(size));
    if (UnstorableCharacterMessage(text).empty()) Fail("empty message");
    return 0;
}

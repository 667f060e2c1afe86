#include <gtest/gtest.h>

#include <string>

#include "fields/AddressField.h"

namespace netloom {
namespace {

constexpr const char* kCanonical = "39 00 00 00 00 00 00 00 00 00 00 00 00 88 88 88 88 88 88 00";

std::string Parsed(std::string_view text, int digits = kAtmAddressDigits) {
    std::string out = "unchanged";
    return ParseHexAddress(text, digits, out) ? out : std::string("<invalid>");
}

TEST(AddressField, FortyDigitsInAnySeparationBecomeTwentyPairs) {
    EXPECT_EQ(Parsed("3900000000000000000000000088888888888800"), kCanonical);
    EXPECT_EQ(Parsed("39-00-00-00-00-00-00-00-00-00-00-00-00-88-88-88-88-88-88-00"), kCanonical);
    EXPECT_EQ(Parsed("39:00:00:00:00:00:00:00:00:00:00:00:00:88:88:88:88:88:88:00"), kCanonical);
    EXPECT_EQ(Parsed(" 3 90 0 00 00 00 00 00 00 00 00 00 00 00 88 88 88 88 88 8800 "), kCanonical);
    EXPECT_EQ(Parsed(kCanonical), kCanonical);
    EXPECT_EQ(std::string(kCanonical).size(), static_cast<size_t>(kAtmAddressLength));
}

TEST(AddressField, LettersKeepTheirCase) {
    EXPECT_EQ(Parsed("aBcDeF", 6), "aB cD eF");
    EXPECT_EQ(Parsed("00:A0:c9:14:Fe:0b", kMacAddressDigits), "00 A0 c9 14 Fe 0b");
}

TEST(AddressField, WrongDigitCountsAndForeignCharactersAreRefused) {
    const std::string forty(40, '1');
    EXPECT_EQ(Parsed(forty.substr(0, 39)), "<invalid>");
    EXPECT_EQ(Parsed(forty + "1"), "<invalid>");
    EXPECT_EQ(Parsed(forty.substr(0, 39) + "g"), "<invalid>");
    EXPECT_EQ(Parsed("39.00" + forty.substr(0, 36)), "<invalid>");
    EXPECT_EQ(Parsed(forty.substr(0, 20) + "\t" + forty.substr(0, 20)), "<invalid>");
    // A refused text leaves the output alone.
    std::string out = "kept";
    EXPECT_FALSE(ParseAtmAddress("zz", out));
    EXPECT_EQ(out, "kept");
}

TEST(AddressField, NoDigitsAtAllMeansNoAddress) {
    EXPECT_EQ(Parsed(""), "");
    EXPECT_EQ(Parsed("     "), "");
    EXPECT_EQ(Parsed(" - : "), "");
}

TEST(AddressField, OnlyTheFirst62CharactersAreJudged) {
    // 40 digits with 39 dashes between them: 79 characters, of which 62 hold 31 digits.
    std::string dashed;
    for (int i = 0; i < 40; ++i) {
        if (i > 0) dashed += '-';
        dashed += 'a';
    }
    ASSERT_EQ(dashed.size(), 79u);
    EXPECT_EQ(Parsed(dashed), "<invalid>");
    // Whatever stands past the limit is not looked at, even a character no address may hold.
    const std::string padded = std::string(kCanonical) + "   " + "xyz";
    EXPECT_EQ(Parsed(padded), kCanonical);
}

TEST(AddressField, MacAddressesHaveTwelveDigits) {
    EXPECT_EQ(Parsed("0000c0ffee00", kMacAddressDigits), "00 00 c0 ff ee 00");
    EXPECT_EQ(Parsed("0000c0ffee0", kMacAddressDigits), "<invalid>");
    EXPECT_EQ(Parsed(kCanonical, kMacAddressDigits), "<invalid>");
}

}  // namespace
}  // namespace netloom

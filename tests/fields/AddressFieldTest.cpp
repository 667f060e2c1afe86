#include <gtest/gtest.h>

#include <cctype>
#include <random>
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

// Random texts of digits, separators and a few foreign characters, against the rule as the
// pages state it: the digits of the first 62 characters, in pairs, or refused.
TEST(AddressField, RandomTextsFollowTheRule) {
    const std::string alphabet = "0123456789abcdefABCDEF -:g.\t";
    std::mt19937 random(12);
    for (int round = 0; round < 20000; ++round) {
        const int digits = round % 2 ? kAtmAddressDigits : kMacAddressDigits;
        std::string text;
        const size_t length = random() % 80;
        for (size_t i = 0; i < length; ++i) {
            // Mostly digits, so that many texts hold the right count.
            const size_t pick = random() % 8 ? random() % 22 : random() % alphabet.size();
            text += alphabet[pick];
        }
        std::string expected;
        bool valid = true;
        for (const char c : text.substr(0, kAddressScanLimit)) {
            if (c == ' ' || c == '-' || c == ':') continue;
            if (!std::isxdigit(static_cast<unsigned char>(c))) valid = false;
            if (!expected.empty() && expected.size() % 3 == 2) expected += ' ';
            expected += c;
        }
        const size_t found = expected.size() - expected.size() / 3;
        if (found != 0 && found != static_cast<size_t>(digits)) valid = false;
        EXPECT_EQ(Parsed(text, digits), valid ? expected : "<invalid>") << text;
    }
}

}  // namespace
}  // namespace netloom

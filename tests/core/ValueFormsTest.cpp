// The text forms of the value kinds: what reads, what is ignored, what is written.

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <vector>

#include "cfgfile/TextBuilder.h"
#include "cfgfile/ValueForms.h"
#include "cfgfile/WordList.h"
#include "res/Strings.h"

namespace netloom {
namespace {

TEST(ValueForms, BooleanIsTrueOnlyForYesTrueOrOne) {
    EXPECT_TRUE(ReadBoolean("yes"));
    EXPECT_TRUE(ReadBoolean("TRUE"));
    EXPECT_TRUE(ReadBoolean("Yes"));
    EXPECT_TRUE(ReadBoolean("1"));
    EXPECT_FALSE(ReadBoolean("yes "));  // trailing blank is part of the value
    EXPECT_FALSE(ReadBoolean(""));
    EXPECT_FALSE(ReadBoolean("on"));
    EXPECT_FALSE(ReadBoolean("2"));
    EXPECT_EQ(WriteBoolean(1), "Yes");
    EXPECT_EQ(WriteBoolean(0), "No");
}

TEST(ValueForms, DecimalReadsLikeScanfPercentD) {
    int32_t v = 7;
    EXPECT_TRUE(ScanDecimal("42", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(ScanDecimal("  -17xyz", v));
    EXPECT_EQ(v, -17);
    EXPECT_TRUE(ScanDecimal("+5", v));
    EXPECT_EQ(v, 5);
    EXPECT_TRUE(ScanDecimal("\t\v12 34", v));
    EXPECT_EQ(v, 12);
    v = 7;
    EXPECT_FALSE(ScanDecimal("", v));
    EXPECT_FALSE(ScanDecimal("abc", v));
    EXPECT_FALSE(ScanDecimal("- 5", v));  // a sign must be followed at once by a digit
    EXPECT_FALSE(ScanDecimal("+", v));
    EXPECT_EQ(v, 7);
}

TEST(ValueForms, DecimalOutOfRangeIsDefinedAndMatchesTheCLibrary) {
    int32_t v = 0;
    EXPECT_TRUE(ScanDecimal("2147483647", v));
    EXPECT_EQ(v, INT32_MAX);
    EXPECT_TRUE(ScanDecimal("-2147483648", v));
    EXPECT_EQ(v, INT32_MIN);
    // Through a 64-bit long, then truncated.
    EXPECT_TRUE(ScanDecimal("4294967295", v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ScanDecimal("4294967296", v));
    EXPECT_EQ(v, 0);
    // Saturated at the 64-bit limits, then truncated: LONG_MAX's low word is -1.
    EXPECT_TRUE(ScanDecimal("99999999999999999999999999", v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ScanDecimal("-99999999999999999999999999", v));
    EXPECT_EQ(v, 0);
    size_t consumed = 0;
    EXPECT_TRUE(ScanDecimal("  123abc", v, &consumed));
    EXPECT_EQ(consumed, 5u);
}

TEST(ValueForms, HexMaskReadsLikeScanfPercentXAndWritesFourDigits) {
    int32_t v = 0;
    EXPECT_TRUE(ScanHex("ff", v));
    EXPECT_EQ(v, 255);
    EXPECT_EQ(WriteHex4(v), "00FF");
    EXPECT_TRUE(ScanHex("0x1A2b", v));
    EXPECT_EQ(v, 0x1A2B);
    EXPECT_TRUE(ScanHex("0xg", v));  // the 0 alone is the number
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(ScanHex("-1", v));
    EXPECT_EQ(WriteHex4(v), "FFFFFFFF");
    v = 9;
    EXPECT_FALSE(ScanHex("zz", v));
    EXPECT_FALSE(ScanHex("", v));
    EXPECT_EQ(v, 9);
    EXPECT_EQ(WriteHex4(0), "0000");
    EXPECT_EQ(WriteHex4(0x12345), "12345");
}

TEST(ValueForms, RateForms) {
    int32_t value = 1;
    int32_t unit = RATE_KBPS;
    std::string bad;
    EXPECT_EQ(ReadRate("100 Mbps", value, unit, bad), RateRead::WithUnit);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(unit, RATE_MBPS);

    EXPECT_EQ(ReadRate("100mbps", value, unit, bad), RateRead::WithUnit);  // unit right after
    EXPECT_EQ(unit, RATE_MBPS);

    EXPECT_EQ(ReadRate("250", value, unit, bad), RateRead::NumberOnly);
    EXPECT_EQ(value, 250);
    EXPECT_EQ(unit, RATE_MBPS);  // unit left as it was

    EXPECT_EQ(ReadRate("100 Gbps", value, unit, bad), RateRead::UnknownUnit);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(unit, RATE_CELLS);
    EXPECT_EQ(bad, "Gbps");

    EXPECT_EQ(ReadRate("7 Kilobitspersecond", value, unit, bad), RateRead::UnknownUnit);
    EXPECT_EQ(bad, "Kilobitspe");  // at most 10 bytes

    unit = RATE_KBPS;
    EXPECT_EQ(ReadRate("MaxRate", value, unit, bad), RateRead::WithUnit);
    EXPECT_EQ(value, kMaxLineCellRate);
    EXPECT_EQ(unit, RATE_CELLS);

    value = 3;
    EXPECT_EQ(ReadRate("fast", value, unit, bad), RateRead::NoNumber);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(ReadRate("maxrate 1", value, unit, bad), RateRead::NoNumber);

    EXPECT_EQ(WriteRate(353208, RATE_CELLS), "353208");
    EXPECT_EQ(WriteRate(10, RATE_KBPS), "10 Kbps");
    EXPECT_EQ(WriteRate(10, RATE_MBPS), "10 Mbps");
    EXPECT_EQ(WriteRate(10, 9), "10");  // a unit without a word never produces a bad line
}

// Every way a number is written (a value on its own, in a rate, in a label) gives what "%d"
// gives, at each width and at both ends of the range.
TEST(ValueForms, NumbersAreWrittenAsPercentD) {
    std::vector<int32_t> values{INT32_MIN, INT32_MIN + 1, INT32_MAX, 0};
    for (int64_t power = 1; power <= INT32_MAX; power *= 10)
        for (int64_t near : {power - 1, power, power + 1})
            for (int64_t v : {near, -near})
                if (v >= INT32_MIN && v <= INT32_MAX) values.push_back(static_cast<int32_t>(v));
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i)
        values.push_back(static_cast<int32_t>(random()) >> (random() % 32));
    CValueText room;
    for (const int32_t v : values) {
        const std::string expected = std::to_string(v);
        ASSERT_EQ(WriteDecimal(v), expected);
        ASSERT_EQ(DecimalText(v, room), expected);
        for (const int32_t unit : {-1, 0, 1, 2, 3})
            ASSERT_EQ(RateText(v, unit, room), WriteRate(v, unit)) << v << " " << unit;
        std::string built;
        CTextBuilder(built).Decimal(v).Flush();
        ASSERT_EQ(built, expected);
    }
    EXPECT_EQ(RateText(-2147483647, RATE_KBPS, room), "-2147483647 Kbps");
}

TEST(WordLists, LookupIsCaseInsensitiveAndBoundsChecked) {
    EXPECT_EQ(kUniVersionWords.Find("uni3.1"), 1);
    EXPECT_EQ(kUniVersionWords.Find("Uni3.1 "), -1);
    EXPECT_EQ(kVcTypeWords.At(8), "");
    EXPECT_EQ(kVcTypeWords.At(-1), "");
    EXPECT_EQ(kLanTypeWords.At(1), "Token-Ring");
    EXPECT_FALSE(EqualsNoCase("\xC4", "\xE4"));  // only ASCII letters fold
}

TEST(Messages, FormatterFillsInsertsWithoutPrintf) {
    EXPECT_EQ(FormatString(133, {"Uni9", "UniVersion"}),
              "Illegal Value \"Uni9\" for keyword \"UniVersion\" ignored.");
    EXPECT_EQ(FormatString(137, {"-1"}),
              "Pvc Userinstance -1 refers to undefined Virtual Adapter. Pvc definition ignored.");
    EXPECT_EQ(FormatString(135, {"", "Atm"}),
              "Illegal Virtual Adapter type \"Atm\" ignored, LAN Emulation assumed.");
    // Inserts are copied as they are, even when they look like format directives.
    EXPECT_EQ(FormatMessageText("a %1 b %2", {"%s%n", "%2"}), "a %s%n b %2");
    EXPECT_EQ(FormatMessageText("%3 and 100%%", {"x"}), " and 100%");
    EXPECT_EQ(LoadString(99999), "");
}

}  // namespace
}  // namespace netloom

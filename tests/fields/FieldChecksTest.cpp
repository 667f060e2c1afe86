#include <gtest/gtest.h>

#include "fields/FieldChecks.h"
#include "fields/FieldMessages.h"

namespace netloom {
namespace {

TEST(FieldChecks, RateMaximaFollowTheUnit) {
    EXPECT_EQ(MaxRateForUnit(0), 353208);
    EXPECT_EQ(MaxRateForUnit(1), 155000);
    EXPECT_EQ(MaxRateForUnit(2), 155);
    EXPECT_TRUE(InRange(155, 1, MaxRateForUnit(2)));
    EXPECT_FALSE(InRange(156, 1, MaxRateForUnit(2)));
    EXPECT_FALSE(InRange(0, 1, MaxRateForUnit(0)));
}

TEST(FieldChecks, AnEmptySelectionNeverBecomesMinusOne) {
    EXPECT_EQ(ListIndexToStore(1, 0, 3), 1);
    // Nothing selected: a value the field knows is kept (Uni4.0 is not offered but valid) ...
    EXPECT_EQ(ListIndexToStore(-1, 2, 3), 2);
    // ... anything else becomes the first entry.
    EXPECT_EQ(ListIndexToStore(-1, 3, 3), 0);
    EXPECT_EQ(ListIndexToStore(-1, -1, 3), 0);
    EXPECT_EQ(ListIndexToStore(-1, -7, 3), 0);
}

TEST(FieldChecks, PvcLimitsSplitTenBits) {
    const VpiVciLimits none = PvcLimits(0);
    EXPECT_TRUE(none.vpiFixed);
    EXPECT_EQ(none.vciMax, 1023);
    const VpiVciLimits two = PvcLimits(2);
    EXPECT_FALSE(two.vpiFixed);
    EXPECT_EQ(two.vpiMax, 3);
    EXPECT_EQ(two.vciMax, 255);
    const VpiVciLimits five = PvcLimits(5);
    EXPECT_EQ(five.vpiMax, 31);
    EXPECT_EQ(five.vciMax, 31);
    // Defective bit counts from a file are bounded instead of shifting out of range.
    EXPECT_EQ(PvcLimits(-4).vciMax, 1023);
    EXPECT_EQ(PvcLimits(40).vpiMax, 1023);
    EXPECT_EQ(PvcLimits(40).vciMax, 0);
}

TEST(FieldChecks, FrameSizesDependOnTheType) {
    EXPECT_EQ(FrameSizeChoices(0), (std::vector<std::string_view>{"1516", "4544", "9234"}));
    EXPECT_EQ(FrameSizeChoices(1),
              (std::vector<std::string_view>{"1500", "8192", "32768", "65504"}));
    EXPECT_EQ(FrameSizeChoices(2), FrameSizeChoices(1));
    EXPECT_EQ(MinFrameSize(0), 1516);
    EXPECT_EQ(MaxFrameSize(0), 9234);
    EXPECT_EQ(MinFrameSize(2), 40);
    EXPECT_EQ(MaxFrameSize(1), 65504);
}

TEST(FieldMessages, TextsAndInserts) {
    EXPECT_EQ(InvalidAtmAddressMessage(),
              "Invalid ATM Address. Enter as 40 Hexadecimal digits (0-9, a-f), every two possibly "
              "separated by blanks.");
    EXPECT_EQ(InvalidMacAddressMessage(),
              "Invalid MAC Address. Enter as 12 hexadecimal digits (0-9, a-f), every two possibly "
              "separated by blanks.");
    EXPECT_EQ(PositiveIntegerMessage(), "Please enter a positive integer.");
    EXPECT_EQ(IntegerMessage(), "Please enter an integer.");
    EXPECT_EQ(RangeMessage(10, 300), "Please enter an integer between 10 and 300.");
    EXPECT_EQ(RangeMessage(-5, 0), "Please enter an integer between -5 and 0.");
    EXPECT_EQ(MaxCharsMessage(15), "Please enter no more than 15 characters.");
    EXPECT_NE(UnstorableCharacterMessage("\xE2\x82\xAC").find("\"\xE2\x82\xAC\""),
              std::string::npos);
}

}  // namespace
}  // namespace netloom

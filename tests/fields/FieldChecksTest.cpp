#include <gtest/gtest.h>

#include "fields/FieldChecks.h"

namespace netloom {
namespace {

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

}  // namespace
}  // namespace netloom

#include <gtest/gtest.h>

#include <string>

#include "fields/ProfileList.h"

namespace netloom {
namespace {

// An adapter with count profiles named "P<n>".
ProfileNameFn Profiles(int32_t count) {
    return [count](int32_t n, std::string& name) {
        if (n < 0 || n >= count) return false;
        name = "P" + std::to_string(n);
        return true;
    };
}

std::vector<int32_t> Numbers(const std::vector<ProfileEntry>& entries) {
    std::vector<int32_t> numbers;
    for (const ProfileEntry& e : entries)
        numbers.push_back(e.number);
    return numbers;
}

TEST(ProfileList, ReadingStopsAtAWordOrMinusOne) {
    EXPECT_EQ(ReadTrafficProfileNumbers("3 1 3 40 "), (std::vector<int32_t>{3, 1, 3, 40}));
    EXPECT_EQ(ReadTrafficProfileNumbers("  2\t5  "), (std::vector<int32_t>{2, 5}));
    EXPECT_EQ(ReadTrafficProfileNumbers("x1 2"), std::vector<int32_t>{});
    EXPECT_EQ(ReadTrafficProfileNumbers("2 -1 3"), std::vector<int32_t>{2});
    EXPECT_EQ(ReadTrafficProfileNumbers("4abc 5"), (std::vector<int32_t>{4, 5}));
    EXPECT_EQ(ReadTrafficProfileNumbers(""), std::vector<int32_t>{});
}

TEST(ProfileList, RepeatedAndUnknownNumbersAreDropped) {
    const ProfileLists lists = BuildProfileLists("3 1 3 40 ", Profiles(4));
    EXPECT_EQ(Numbers(lists.prioritized), (std::vector<int32_t>{3, 1}));
    EXPECT_EQ(lists.prioritized[0].name, "P3");
    EXPECT_EQ(Numbers(lists.available), (std::vector<int32_t>{0, 2}));
    EXPECT_EQ(WriteTrafficProfileList(Numbers(lists.prioritized)), "3 1 ");
}

TEST(ProfileList, AListStartingWithAWordOffersEverything) {
    const ProfileLists lists = BuildProfileLists("x1 2", Profiles(3));
    EXPECT_TRUE(lists.prioritized.empty());
    EXPECT_EQ(Numbers(lists.available), (std::vector<int32_t>{0, 1, 2}));
}

TEST(ProfileList, NumbersThatNameNoProfileTakeNothing) {
    // Negative numbers and numbers that a 32-bit value cannot hold (which "%d" would have cut
    // down to 0 or 3) name no profile.
    const ProfileLists lists = BuildProfileLists("-5 4294967296 4294967299 1", Profiles(4));
    EXPECT_EQ(Numbers(lists.prioritized), std::vector<int32_t>{1});
    EXPECT_EQ(Numbers(lists.available), (std::vector<int32_t>{0, 2, 3}));
}

TEST(ProfileList, AtMost32ProfilesAreOfferedButLaterOnesStayPrioritized) {
    const ProfileLists lists = BuildProfileLists("40 33 0", Profiles(41));
    EXPECT_EQ(Numbers(lists.prioritized), (std::vector<int32_t>{40, 33, 0}));
    ASSERT_EQ(lists.available.size(), 31u);
    EXPECT_EQ(lists.available.front().number, 1);
    EXPECT_EQ(lists.available.back().number, 31);
}

}  // namespace
}  // namespace netloom

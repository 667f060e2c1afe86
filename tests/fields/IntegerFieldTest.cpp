#include <gtest/gtest.h>

#include "fields/IntegerField.h"

namespace netloom {
namespace {

struct Case {
    const char* text;
    bool valid;
    int32_t value;
};

void Expect(bool (*parse)(std::string_view, int32_t&), std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        int32_t value = -12345;
        const bool valid = parse(c.text, value);
        EXPECT_EQ(valid, c.valid) << '"' << c.text << '"';
        EXPECT_EQ(value, c.valid ? c.value : -12345) << '"' << c.text << '"';
    }
}

TEST(IntegerField, UnsignedAcceptsOneNumberBetweenBlanks) {
    Expect(ParseUnsignedField, {{"12", true, 12},
                                {" 12", true, 12},
                                {"12 ", true, 12},
                                {"\t 12\t ", true, 12},
                                {"0", true, 0},
                                {"007", true, 7},
                                {"+5", true, 5},
                                {"2147483647", true, 2147483647}});
}

TEST(IntegerField, UnsignedRefusesEverythingElse) {
    Expect(ParseUnsignedField, {{"", false, 0},
                                {"   ", false, 0},
                                {"-", false, 0},
                                {"-3", false, 0},
                                {"-0", false, 0},
                                {"12a", false, 0},
                                {"1 2", false, 0},
                                {"a12", false, 0},
                                {"0x10", false, 0},
                                {"12\n", false, 0}});
}

TEST(IntegerField, SignedTakesASign) {
    Expect(ParseSignedField, {{"-3", true, -3},
                              {" -3 ", true, -3},
                              {"-2147483648", true, INT32_MIN},
                              {"2147483647", true, INT32_MAX},
                              {"-", false, 0},
                              {"- 3", false, 0},
                              {"", false, 0},
                              {"abc", false, 0}});
}

TEST(IntegerField, NumbersBeyondTheStoredRangeAreRefusedNotWrapped) {
    Expect(ParseUnsignedField, {{"2147483648", false, 0},
                                {"4294967295", false, 0},
                                {"4294967296", false, 0},
                                {"99999999999999999999999", false, 0}});
    Expect(ParseSignedField, {{"2147483648", false, 0},
                              {"-2147483649", false, 0},
                              {"-99999999999999999999999", false, 0}});
}

}  // namespace
}  // namespace netloom

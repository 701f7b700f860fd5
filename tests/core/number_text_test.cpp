#include <gtest/gtest.h>

#include "core/length.h"

namespace {

struct NUMBER_CASE {
    double value;
    int decimals;
    const char* text;
};

class NumberToTextCases : public testing::TestWithParam<NUMBER_CASE> {};

TEST_P(NumberToTextCases, TruncatesNeverRounds)
{
    EXPECT_EQ(NumberToText(GetParam().value, GetParam().decimals), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, NumberToTextCases,
                         testing::Values(NUMBER_CASE{1.999, 2, "1.99"}, NUMBER_CASE{5.21, 2, "5.21"},
                                         NUMBER_CASE{1500, 0, "1500"}, NUMBER_CASE{6000, 4, "6000.0000"},
                                         NUMBER_CASE{0, 0, "0"}, NUMBER_CASE{0.5, 1, "0.5"},
                                         NUMBER_CASE{123.456789, 4, "123.4567"},
                                         NUMBER_CASE{-1.25, 2, "-1.25"}, NUMBER_CASE{-1500, 0, "-1500"},
                                         NUMBER_CASE{1e12, 0, "2147483647"}));

TEST(TextToNumber, ReadsUnsignedDecimalTextOnly)
{
    EXPECT_DOUBLE_EQ(TextToNumber("6000.0000"), 6000);
    EXPECT_DOUBLE_EQ(TextToNumber("12."), 12);
    EXPECT_DOUBLE_EQ(TextToNumber(".25"), 0.25);
    EXPECT_DOUBLE_EQ(TextToNumber(""), 0);
    for (const char* unreadable : {"1.2.3", "-1", "+1", "1e3", "1,5", " 1", "1 ", "abc"}) {
        EXPECT_EQ(TextToNumber(unreadable), 0) << unreadable;
    }
}

}  // namespace

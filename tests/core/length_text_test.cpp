#include <gtest/gtest.h>

#include <string>

#include "core/length.h"

namespace {

constexpr double kInch = 25.4;

struct WRITE_CASE {
    int unit;
    int precision;
    double millimetres;
    const char* plain;
    const char* report;
};

class LengthToTextCases : public testing::TestWithParam<WRITE_CASE> {};

TEST_P(LengthToTextCases, WritesPlainAndReportForms)
{
    const WRITE_CASE& c = GetParam();
    EXPECT_EQ(LengthToText(c.millimetres, c.unit, c.precision, false), c.plain);
    EXPECT_EQ(LengthToText(c.millimetres, c.unit, c.precision, true), c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LengthToTextCases,
    testing::Values(
        WRITE_CASE{5, 2, 13848.334, "45' 5.21\"", "45&#39; 5.21&quot;"},
        WRITE_CASE{6, 3, 1847.85, "72 3/4\"", "72 3&#47;4&quot;"},
        WRITE_CASE{6, 0, 72.6 * kInch, "72 1/2\"", "72 1&#47;2&quot;"},
        WRITE_CASE{8, 0, 72.5 * kInch, "72 1/2\"", "72 1&#47;2&quot;"},
        WRITE_CASE{14, 0, 5276.85, "17' 3 3/4\"", "17&#39; 3 3&#47;4&quot;"},
        WRITE_CASE{2, 2, 1500, "1.50", "1.50 m"},
        WRITE_CASE{0, 0, 0, "0", "0 mm"},
        WRITE_CASE{6, 2, 0, "0\"", "0&quot;"},
        WRITE_CASE{14, 2, 0, "0' 0\"", "0&#39; 0&quot;"},
        WRITE_CASE{0, 4, 6000, "6000.0000", "6000.0000 mm"},
        WRITE_CASE{1, 1, 1999.99, "199.9", "199.9 cm"},
        WRITE_CASE{3, 2, 25.4, "1.00", "1.00 in"},
        WRITE_CASE{4, 0, 3048, "10", "10 ft"},
        // Less than two ten-thousandths of a millimetre below a step: written as the step.
        WRITE_CASE{6, 0, 1847.85 - 0.0001, "72 3/4\"", "72 3&#47;4&quot;"},
        // ... but never as the step that completes the next whole inch.
        WRITE_CASE{6, 0, 73 * kInch - 0.0001, "72 3/4\"", "72 3&#47;4&quot;"},
        WRITE_CASE{13, 0, (72 + 511.0 / 512) * kInch, "72 511/512\"", "72 511&#47;512&quot;"},
        WRITE_CASE{21, 0, (17 * 12 + 3 + 511.0 / 512) * kInch, "17' 3 511/512\"",
                   "17&#39; 3 511&#47;512&quot;"},
        // Just below a whole foot the remaining inches are 0, never negative.
        WRITE_CASE{5, 2, 304.8 - 1e-9, "1' 0.00\"", "1&#39; 0.00&quot;"}));

struct READ_CASE {
    int unit;
    const char* text;
    double millimetres;
};

class TextToLengthCases : public testing::TestWithParam<READ_CASE> {};

TEST_P(TextToLengthCases, Reads)
{
    const READ_CASE& c = GetParam();
    EXPECT_NEAR(TextToLength(c.text, c.unit), c.millimetres, 1e-9) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, TextToLengthCases,
    testing::Values(READ_CASE{5, "45' 5.21\"", 13848.334}, READ_CASE{5, "45 5.21", 13848.334},
                    READ_CASE{5, "45'5.21", 13848.334}, READ_CASE{5, "45", 13716},
                    READ_CASE{5, "5.21\"", 132.334}, READ_CASE{5, "'45", 0}, READ_CASE{5, "45' x", 13716},
                    READ_CASE{6, "3/4", 19.05}, READ_CASE{6, "72 0/4", 1828.8}, READ_CASE{6, "72 3/0", 0},
                    READ_CASE{6, "3/", 0}, READ_CASE{6, "72 3/4\"", 1847.85}, READ_CASE{6, "72\"", 1828.8},
                    READ_CASE{14, "3 3/4", 933.45}, READ_CASE{14, "3\" 5", 0},
                    READ_CASE{14, "17' 3 3/4\"", 5276.85}, READ_CASE{14, "3/4\"", 19.05},
                    READ_CASE{14, "5\"", 127}, READ_CASE{2, "1.5", 1500}, READ_CASE{2, "1,5", 0},
                    READ_CASE{2, "-1.5", 0}, READ_CASE{2, "1.5 m", 0}, READ_CASE{2, "  1.5  ", 1500},
                    READ_CASE{0, "", 0}, READ_CASE{0, "   ", 0}, READ_CASE{1, ".5", 5},
                    READ_CASE{0, "12.", 12}, READ_CASE{0, "1.2.3", 0}));

// Whatever a length writes as, reading that text and writing it again gives the same text,
// in every unit and precision.
TEST(LengthText, PlainTextRoundTripsInEveryUnitAndPrecision)
{
    for (int unit = 0; unit < kLengthUnitCount; ++unit) {
        for (int precision = 0; precision <= 4; ++precision) {
            for (double mm = 0; mm < 20000; mm += 37.77) {
                const std::string text = LengthToText(mm, unit, precision, false);
                const double back = TextToLength(text, unit);
                ASSERT_EQ(LengthToText(back, unit, precision, false), text)
                    << "unit " << unit << " precision " << precision << " mm " << mm;
                // Writing truncates; only the fraction tolerance may move a length up, by less than
                // two ten-thousandths of a millimetre.
                ASSERT_LT(back, mm + 2e-4);
            }
        }
    }
}

// Lengths that a unit can write exactly come back as the same number of millimetres.
TEST(LengthText, ExactValuesComeBackExactly)
{
    for (int unit = 6; unit < kLengthUnitCount; ++unit) {
        const int denominator = unit <= 13 ? 1 << (unit - 4) : 1 << (unit - 12);
        for (int steps = 0; steps < 3000; steps += 7) {
            const double mm = steps * kInch / denominator;
            EXPECT_NEAR(TextToLength(LengthToText(mm, unit, 0, false), unit), mm, 1e-9) << unit;
        }
    }
    EXPECT_NEAR(TextToLength(LengthToText(1234.5678, 0, 4, false), 0), 1234.5678, 1e-9);
}

TEST(SplitInches, ReducesFractionsAndNeverCarriesIntoWholeInches)
{
    const SPLIT_INCHES half = SplitInches(72.5, 8);
    EXPECT_EQ(half.whole, 72);
    EXPECT_EQ(half.numerator, 1);
    EXPECT_EQ(half.denominator, 2);
    const SPLIT_INCHES nothing = SplitInches(72.0, 13);
    EXPECT_EQ(nothing.numerator, 0);
    const SPLIT_INCHES almost = SplitInches(72.99999, 6);
    EXPECT_EQ(almost.whole, 72);
    EXPECT_EQ(almost.numerator, 3);
    EXPECT_EQ(almost.denominator, 4);
}

TEST(Gcd, FollowsEuclidAndGivesOneForZero)
{
    EXPECT_EQ(Gcd(2, 4), 2);
    EXPECT_EQ(Gcd(4, 2), 2);
    EXPECT_EQ(Gcd(12, 512), 4);
    EXPECT_EQ(Gcd(3, 512), 1);
    EXPECT_EQ(Gcd(5, 0), 1);
}

TEST(Trim, RemovesOnlySpaces)
{
    EXPECT_EQ(TrimLeft("  a b "), "a b ");
    EXPECT_EQ(TrimRight("  a b  "), "  a b");
    EXPECT_EQ(TrimLeft("\ta"), "\ta");
    EXPECT_EQ(TrimRight(""), "");
}

TEST(UnitTable, HasTheLabelsAndNamesOfTheSettingsList)
{
    EXPECT_STREQ(kLengthUnits[0].name, "millimeter (mm)");
    EXPECT_STREQ(kLengthUnits[5].label, "ft,in");
    EXPECT_STREQ(kLengthUnits[13].name, "fractional inches 1/512\" (e.g. 72 511/512\")");
    EXPECT_STREQ(kLengthUnits[21].label, "ft/in");
    EXPECT_STREQ(UnitLabel(99), "mm");
}

}  // namespace

#pragma once

#include <string>
#include <string_view>

// Every length is a number of millimetres.
using Length = double;

inline constexpr int kLengthUnitCount = 22;

struct LENGTH_UNIT {
    const char* name;   // text of the unit list in the settings dialog
    char label[6];      // short label beside fields, in column titles and reports
    double factor;      // millimetres per unit, used by the decimal modes 0 to 4
};

// The 22 display units; the position is the unit's mode number.
extern const LENGTH_UNIT kLengthUnits[kLengthUnitCount];

// Texts of the precision list, 0 to 4 decimals.
inline constexpr const char* kPrecisionTexts[5] = {"0.", "0.1", "0.01", "0.001", "0.0001"};

// The label of a unit; an out-of-range unit reads as millimetres.
const char* UnitLabel(int unit);

// Reads unsigned decimal text; anything unreadable gives 0.
double TextToNumber(std::string_view text);

// Writes a number with a fixed number of decimals, truncating, never rounding.
std::string NumberToText(double value, int decimals);

struct SPLIT_INCHES {
    int whole;
    int numerator;
    int denominator;
};

// Splits inches into whole inches and a reduced fraction of the unit's denominator.
SPLIT_INCHES SplitInches(double inches, int unit);

// Greatest common divisor used to reduce fractions; 1 when b is 0.
int Gcd(int a, int b);

// A length in a unit: the plain form for fields and comparisons, the report form for HTML.
std::string LengthToText(Length length, int unit, int precision, bool reportForm);

// Reads length text typed in a unit; 0 when unreadable.
Length TextToLength(std::string_view text, int unit);

// Remove leading / trailing spaces (the character 32 only).
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

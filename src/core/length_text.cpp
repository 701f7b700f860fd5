#include "core/length.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr char kInchMark = '"';
constexpr double kMmPerInch = 25.4;
constexpr double kMmPerFoot = 304.8;

bool IsDecimalMode(int unit) { return unit >= 0 && unit <= 4; }
bool IsFractionalInchMode(int unit) { return unit >= 6 && unit <= 13; }
bool IsFeetFractionMode(int unit) { return unit >= 14 && unit <= 21; }

int Denominator(int unit)
{
    if (IsFractionalInchMode(unit)) {
        return 1 << (unit - 4);
    }
    if (IsFeetFractionMode(unit)) {
        return 1 << (unit - 12);
    }
    return 1;
}

int TruncateSmall(double v)
{
    // Lengths in inches or fraction steps stay far inside the int range; guard anyway.
    if (!(v == v) || v < -2147483648.0 || v >= 2147483647.0) {
        return 0;
    }
    return static_cast<int>(v);
}

std::string Whole(double v) { return NumberToText(v, 0); }

// Position of the first character of `text` that is one of `stops`, or its length.
std::size_t FindFirst(std::string_view text, std::string_view stops)
{
    const std::size_t p = text.find_first_of(stops);
    return p == std::string_view::npos ? text.size() : p;
}

std::string_view After(std::string_view text, std::size_t p)
{
    return p + 1 <= text.size() ? text.substr(p + 1) : std::string_view{};
}

std::string DropTrailingInchMark(std::string text)
{
    if (!text.empty() && text.back() == kInchMark) {
        text.pop_back();
    }
    return text;
}

struct FEET_AND_REST {
    double feet;
    double rest;
};

FEET_AND_REST SplitFeet(Length length)
{
    const double inches = length * (1 / kMmPerInch);
    const double feet = std::trunc(inches * (1.0 / 12) + 1e-7);
    // Just below a whole foot the tolerance makes feet one more than the inches hold;
    // the remaining inches are then 0, never a negative number.
    const double rest = std::max(0.0, inches - feet * 12);
    return {feet, rest};
}

std::string FractionText(const SPLIT_INCHES& split, bool reportForm)
{
    std::string text = Whole(split.whole);
    if (split.numerator != 0) {
        text += ' ';
        text += Whole(split.numerator);
        text += reportForm ? "&#47;" : "/";
        text += Whole(split.denominator);
    }
    text += reportForm ? "&quot;" : "\"";
    return text;
}

Length FractionalInchesFromText(std::string_view text)
{
    const std::size_t p = FindFirst(text, " \"/");
    if (p == 0) {
        return 0;
    }
    std::string whole, numerator, denominator;
    if (p < text.size() && text[p] == '/') {
        numerator = text.substr(0, p);
        denominator = After(text, p);
    } else {
        whole = text.substr(0, p);
    }
    if (p < text.size()) {
        const std::string rest = TrimLeft(After(text, p));
        const std::size_t q = rest.find('/');
        if (!rest.empty() && numerator.empty() && q != std::string::npos) {
            numerator = rest.substr(0, q);
            denominator = rest.substr(q + 1);
        }
    }
    denominator = DropTrailingInchMark(denominator);
    const double w = TextToNumber(whole) * kMmPerInch;
    const double n = TextToNumber(numerator) * kMmPerInch;
    const double d = TextToNumber(denominator);
    if (n == 0) {
        return w;
    }
    if (d == 0) {
        return 0;
    }
    return n / d + w;
}

Length FeetAndDecimalInchesFromText(std::string_view text)
{
    const std::size_t p = FindFirst(text, " '\"");
    if (p == 0) {
        return 0;
    }
    std::string feet, inches;
    if (p < text.size() && text[p] == kInchMark) {
        inches = text.substr(0, p);
    } else {
        feet = text.substr(0, p);
    }
    if (inches.empty() && p < text.size()) {
        inches = DropTrailingInchMark(TrimLeft(After(text, p)));
    }
    return TextToNumber(feet) * kMmPerFoot + TextToNumber(inches) * kMmPerInch;
}

Length FeetAndFractionalInchesFromText(std::string_view text)
{
    const std::size_t p = FindFirst(text, " '\"/");
    if (p == 0) {
        return 0;
    }
    std::string feet, inches, numerator, denominator;
    const char stop = p < text.size() ? text[p] : '\0';
    if (stop == kInchMark) {
        inches = text.substr(0, p);
    } else if (stop == '/') {
        numerator = text.substr(0, p);
        denominator = After(text, p);
    } else {
        feet = text.substr(0, p);
    }
    if (p < text.size()) {
        const std::string rest = TrimLeft(After(text, p));
        if (!rest.empty()) {
            const std::size_t q = FindFirst(rest, " \"/");
            if (q < rest.size() && rest[q] == '/') {
                numerator = rest.substr(0, q);
                denominator = rest.substr(q + 1);
            } else {
                if (!inches.empty()) {
                    return 0;
                }
                if (numerator.empty()) {
                    inches = rest.substr(0, q);
                }
            }
            if (q < rest.size()) {
                const std::string rest2 = TrimLeft(After(rest, q));
                const std::size_t k = rest2.find('/');
                if (!rest2.empty() && k != std::string::npos) {
                    numerator = rest2.substr(0, k);
                    denominator = rest2.substr(k + 1);
                }
            }
        }
    }
    denominator = DropTrailingInchMark(denominator);
    const double f = TextToNumber(feet) * kMmPerFoot;
    const double i = TextToNumber(inches) * kMmPerInch;
    const double n = TextToNumber(numerator) * kMmPerInch;
    const double d = TextToNumber(denominator);
    if (n == 0) {
        return f + i;
    }
    if (d == 0) {
        return 0;
    }
    return n / d + f + i;
}

}  // namespace

int Gcd(int a, int b)
{
    if (b == 0) {
        return 1;
    }
    int larger = std::max(a, b);
    int smaller = std::min(a, b);
    if (smaller <= 0) {
        return 1;
    }
    for (;;) {
        const int remainder = larger % smaller;
        if (remainder == 0) {
            return smaller;
        }
        if (remainder == 1) {
            return 1;
        }
        larger = smaller;
        smaller = remainder;
    }
}

SPLIT_INCHES SplitInches(double inches, int unit)
{
    int d = Denominator(unit);
    const int whole = TruncateSmall(inches + 1e-7);
    int n = TruncateSmall((inches - whole) * d + 1e-7);
    if (n < d - 1) {
        double next = ((n + 1) / static_cast<double>(d) + whole) * kMmPerInch;
        double cur = inches * kMmPerInch;
        for (int i = 0; i < 4; ++i) {
            next *= 10;
            cur *= 10;
        }
        if (next - cur < 2.0) {
            ++n;
        }
    }
    n = std::clamp(n, 0, d - 1);
    if (n != 0) {
        const int g = Gcd(n, d);
        n /= g;
        d /= g;
    }
    return {whole, n, d};
}

std::string LengthToText(Length length, int unit, int precision, bool reportForm)
{
    if (unit < 0 || unit >= kLengthUnitCount) {
        unit = 0;
    }
    if (IsDecimalMode(unit)) {
        std::string text = NumberToText(length / kLengthUnits[unit].factor, precision);
        if (reportForm) {
            text += ' ';
            text += kLengthUnits[unit].label;
        }
        return text;
    }
    if (unit == 5) {
        const FEET_AND_REST parts = SplitFeet(length);
        return Whole(parts.feet) + (reportForm ? "&#39; " : "' ") + NumberToText(parts.rest, precision) +
               (reportForm ? "&quot;" : "\"");
    }
    if (IsFractionalInchMode(unit)) {
        return FractionText(SplitInches(length * (1 / kMmPerInch), unit), reportForm);
    }
    const FEET_AND_REST parts = SplitFeet(length);
    return Whole(parts.feet) + (reportForm ? "&#39; " : "' ") + FractionText(SplitInches(parts.rest, unit), reportForm);
}

Length TextToLength(std::string_view typed, int unit)
{
    if (typed.empty()) {
        return 0;
    }
    const std::string text = TrimRight(TrimLeft(typed));
    if (IsDecimalMode(unit)) {
        return TextToNumber(text) * kLengthUnits[unit].factor;
    }
    if (unit == 5) {
        return FeetAndDecimalInchesFromText(text);
    }
    if (IsFractionalInchMode(unit)) {
        return FractionalInchesFromText(text);
    }
    if (IsFeetFractionMode(unit)) {
        return FeetAndFractionalInchesFromText(text);
    }
    return 0;
}

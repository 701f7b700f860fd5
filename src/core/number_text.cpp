#include "core/length.h"

#include <cmath>
#include <cstdint>
#include <limits>

double TextToNumber(std::string_view text)
{
    double result = 0.0;
    double scale = 1.0;
    bool inFraction = false;
    for (const char c : text) {
        if (c == '.') {
            if (inFraction) {
                return 0.0;
            }
            inFraction = true;
        } else if (c >= '0' && c <= '9') {
            const int digit = c - '0';
            if (inFraction) {
                scale *= 0.1;
                result += digit * scale;
            } else {
                result = result * 10 + digit;
            }
        } else {
            return 0.0;
        }
    }
    return result;
}

namespace {

// Truncation toward zero into a signed 32-bit integer; values beyond its range (which no
// length in millimetres reaches) saturate instead of being undefined.
std::int32_t TruncateToInt32(double v)
{
    if (!(v == v)) {
        return 0;
    }
    if (v >= 2147483647.0) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (v <= -2147483648.0) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(v);
}

}  // namespace

std::string NumberToText(double value, int decimals)
{
    std::string text;
    if (value < 0) {
        // A negative value writes a minus sign and the digits of its magnitude.
        text.push_back('-');
        value = -value;
    }
    // The nudge lifts a value that reads back a few units in the last place below a digit
    // boundary (16392.1 read from text is 16392.09999...) to that boundary, so that what
    // was typed is written again; it grows with the magnitude, as those units do.
    const double v = value + 1e-12 + value * 1e-14;
    const std::int32_t whole = TruncateToInt32(v);
    text += std::to_string(whole);
    if (decimals <= 0) {
        return text;
    }
    text += '.';
    double fraction = v - whole;
    for (int i = 0; i < decimals; ++i) {
        fraction *= 10;
        const std::int32_t digit = TruncateToInt32(fraction) % 10;
        text += static_cast<char>('0' + (digit < 0 ? 0 : digit));
    }
    return text;
}

std::string TrimLeft(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') {
        ++first;
    }
    return std::string(text.substr(first));
}

std::string TrimRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    return std::string(text.substr(0, end));
}

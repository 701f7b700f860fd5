#pragma once

#include <string>

#include "core/length.h"

// One type of bar: a profile code, a material and a color (its identity), the name of its
// stock file, its price and the three lengths that govern cutting.
struct TYPE_OF_BAR {
    std::string profileCode;
    std::string material;
    std::string color;
    std::string stockFile;       // 8 decimal digits, no extension, in the program folder
    double price = 0;            // in the currency of the settings, for priceLength of bar
    Length priceLength = 0;
    Length minReusedLength = 0;  // the shortest left-over that goes back into stock
    Length maxWasteLength = 0;
    Length defaultLength = 0;    // the length of a new bar
};

// Negative, zero or positive like strcmp, ignoring letter case (C-locale upper-casing of
// unsigned bytes; a string that ends first is the smaller).
int CompareIgnoringCase(const std::string& a, const std::string& b);

// The order of the list of types of bars: profile code, then material, then color, each
// compared ignoring letter case (C-locale upper-casing, unsigned bytes; a string that ends
// first is the smaller). Two records are the same type when neither is less.
bool TypeOfBarLess(const TYPE_OF_BAR& a, const TYPE_OF_BAR& b);

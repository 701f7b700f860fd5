#pragma once

#include <cstdint>
#include <string>

#include "core/length.h"

// The identifier of pieces the user gave no mark.
inline constexpr const char* kNoIdentifier = "-|";

// One order line of a job: pieces of one length cut from one type of bar.
struct ORDER {
    std::string profileCode;
    std::string material;
    std::string color;
    Length length = 0;
    std::string identifier;      // kNoIdentifier when the user gave none
    std::int32_t quantity = 0;
    std::int32_t typeIndex = -1; // cached when the order was accepted; look it up anew by the texts
};

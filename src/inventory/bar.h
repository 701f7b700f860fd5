#pragma once

#include <cstdint>

#include "core/length.h"

// One stock entry: bars of one length and how many of them are in stock.
struct BAR {
    Length length = 0;
    std::int32_t quantity = 0;
};

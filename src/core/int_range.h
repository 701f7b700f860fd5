#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// A 64-bit count held to the 32-bit range of the data records.
constexpr std::int32_t ClampToInt32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "job/order.h"

// A job file: a 64-byte name block and a 512-byte description block, each NUL-terminated
// text and zero filler, then six lines per order (profile code, material, color,
// identifier, length in millimetres with 4 decimals, quantity).
inline constexpr std::size_t kJobNameBlock = 64;
inline constexpr std::size_t kJobDescriptionBlock = 512;

struct JOB_FILE {
    std::string name;
    std::string description;
    std::vector<ORDER> orders; // typeIndex is not stored; it stays -1
};

std::string WriteJobFile(const JOB_FILE& job);
// Reads any bytes: a block without a NUL gives its first 63 / 511 bytes, a file shorter
// than the header gives what it holds, an incomplete last record is ignored.
JOB_FILE ReadJobFile(std::string_view content);

// The longest prefix of `text` of at most `maxBytes` bytes that does not end inside a
// UTF-8 character.
std::string CutText(std::string_view text, std::size_t maxBytes);

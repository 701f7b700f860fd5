#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Replaces the file at `path` with `content` so that a crash or a full disk never leaves a
// half-written data file: the content goes to a temporary file in the same folder, is
// flushed to the disk, and only then renamed over the old file. False when anything
// failed; the old file is then untouched and no temporary file is left behind.
bool ReplaceFileAtomically(const std::string& path, std::string_view content);

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// For tests: make the next writes fail after this many bytes (a full disk), or never.
void SetWriteFailureForTesting(std::optional<std::size_t> failAfterBytes);

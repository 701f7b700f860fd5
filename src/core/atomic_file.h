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

// The two halves of ReplaceFileAtomically, for a change of several files that must happen
// whole or not at all: first every content goes to its temporary file beside its target
// (nothing when that failed; no temporary file is left then), and only when all are written
// is each renamed over its target. DiscardTemporaryFile removes one not wanted any more.
std::optional<std::string> WriteTemporaryFile(const std::string& path, std::string_view content);
bool CommitTemporaryFile(const std::string& temporaryPath, const std::string& path);
void DiscardTemporaryFile(const std::string& temporaryPath);

// The whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// For tests: make the next writes fail after this many bytes (a full disk), or never.
void SetWriteFailureForTesting(std::optional<std::size_t> failAfterBytes);

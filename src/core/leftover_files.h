#pragma once

#include <string>

// A save that never finished (the program killed, the machine stopped) can leave the
// temporary file of WriteTemporaryFile beside its target. Such leftovers are only ever
// removed: the file they were meant to replace stays as it is.

// True when `fileName` has the form of the temporary files WriteTemporaryFile makes: the
// target's name, ".tmp-" and six letters or digits (on Windows: the target's name and ".tmp").
bool IsTemporaryFileName(const std::string& fileName);

// Removes the leftovers from `folder` (not from its sub-folders): regular files of that form
// last written more than a minute ago, so that a save another program is making at this very
// moment keeps its file; on Windows only those whose target is beside them. The number removed.
int RemoveLeftoverTemporaryFiles(const std::string& folder);

// The same for the program folder and its orders, backup and report folders.
void RemoveLeftoverTemporaryFiles();

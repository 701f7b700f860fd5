#pragma once

#include <string>
#include <string_view>

// The program folder every fuzz target works in: made once per process on a memory file
// system when there is one (the atomic writes flush to the disk, which would slow every
// run down), with the settings of a fresh installation. Removed when the process ends.
const std::string& FuzzProgramFolder();

// Writes a data file of the program folder as it is, bypassing the atomic write.
void WriteFuzzFile(const std::string& name, std::string_view content);

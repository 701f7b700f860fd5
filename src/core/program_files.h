#pragma once

#include <cstdint>
#include <string>

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder that holds every data file of the program; main sets it from the executable's
// location, tests to a temporary folder.
void SetProgramFolder(const std::string& folder);
const std::string& ProgramFolder();

// The program folder with its trailing separator, then the sub-folder and a separator when
// one is given, then the file name.
std::string ProgramFilePath(const std::string& subFolder, const std::string& fileName);

// 8 pseudo-random decimal digits, then "." and the extension when one is given, drawn again
// until no file of that name exists in the program folder (or its sub-folder).
std::string UniqueFileName(const std::string& subFolder, const std::string& extension);

// Size of a file in bytes; raises "The file cannot be opened!" when it cannot be opened.
std::uint64_t FileSize(const std::string& path);

// Turns every white-space character into "_" (the data files are read token by token) and
// tells whether the text is not empty.
bool MakeItemText(std::string& text);

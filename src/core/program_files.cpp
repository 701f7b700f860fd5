#include "core/program_files.h"

#include <ctime>
#include <fstream>
#include <random>

#include "core/exception.h"
#include "core/texts.h"

namespace {

std::string g_programFolder;

std::string WithSeparator(std::string folder)
{
    if (!folder.empty() && folder.back() != kPathSeparator && folder.back() != '/') {
        folder += kPathSeparator;
    }
    return folder;
}

bool FileExists(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return file.is_open();
}

}  // namespace

void SetProgramFolder(const std::string& folder) { g_programFolder = WithSeparator(folder); }

const std::string& ProgramFolder() { return g_programFolder; }

std::string ProgramFilePath(const std::string& subFolder, const std::string& fileName)
{
    std::string path = g_programFolder;
    if (!subFolder.empty()) {
        path += subFolder;
        path += kPathSeparator;
    }
    path += fileName;
    return path;
}

std::string UniqueFileName(const std::string& subFolder, const std::string& extension)
{
    // One generator for the run, seeded once: names drawn within the same second differ.
    static std::minstd_rand generator(static_cast<std::minstd_rand::result_type>(std::time(nullptr)));
    for (;;) {
        std::string name;
        for (int i = 0; i < 8; ++i) {
            name += static_cast<char>('0' + generator() % 10);
        }
        if (!extension.empty()) {
            name += '.';
            name += extension;
        }
        if (!FileExists(ProgramFilePath(subFolder, name))) {
            return name;
        }
    }
}

std::uint64_t FileSize(const std::string& path)
{
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file.is_open()) {
        KX_RAISE(LangText(T_FILE_CANNOT_BE_OPENED));
    }
    const std::streamoff size = file.tellg();
    return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

bool MakeItemText(std::string& text)
{
    for (char& c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') {
            c = '_';
        }
    }
    return !text.empty();
}

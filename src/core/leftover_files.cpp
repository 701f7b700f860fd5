#include "core/leftover_files.h"

#include <cctype>
#include <chrono>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/program_files.h"

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
constexpr std::string_view kMarker = ".tmp";
constexpr std::size_t kRandomLength = 0;
#else
constexpr std::string_view kMarker = ".tmp-";
constexpr std::size_t kRandomLength = 6;
#endif

bool IsLeftover(const fs::directory_entry& entry, fs::file_time_type before)
{
    std::error_code error;
    const std::string name = entry.path().filename().string();
    if (!IsTemporaryFileName(name) || entry.is_symlink(error) || !entry.is_regular_file(error)) {
        return false;
    }
    const fs::file_time_type written = entry.last_write_time(error);
    if (error || written > before) {
        return false;
    }
#ifdef _WIN32
    const fs::path target = entry.path().parent_path() / name.substr(0, name.size() - kMarker.size());
    return fs::is_regular_file(target, error);
#else
    return true;
#endif
}

} // namespace

bool IsTemporaryFileName(const std::string& fileName)
{
    const std::size_t suffix = kMarker.size() + kRandomLength;
    if (fileName.size() <= suffix) {
        return false;
    }
    const std::size_t marker = fileName.size() - suffix;
    if (fileName.compare(marker, kMarker.size(), kMarker) != 0) {
        return false;
    }
    for (std::size_t i = marker + kMarker.size(); i < fileName.size(); ++i) {
        if (std::isalnum(static_cast<unsigned char>(fileName[i])) == 0) {
            return false;
        }
    }
    return true;
}

int RemoveLeftoverTemporaryFiles(const std::string& folder)
{
    const fs::file_time_type before = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    int removed = 0;
    std::error_code error;
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (IsLeftover(*it, before) && fs::remove(it->path(), ignored)) {
            ++removed;
        }
    }
    return removed;
}

void RemoveLeftoverTemporaryFiles()
{
    RemoveLeftoverTemporaryFiles(ProgramFolder());
    for (const char* sub : {"orders", "backup", "report"}) {
        RemoveLeftoverTemporaryFiles(ProgramFilePath(sub, ""));
    }
}

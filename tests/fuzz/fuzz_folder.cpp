#include "fuzz_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/language.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "core/settings_store.h"

namespace fs = std::filesystem;

namespace {

// Answers every question with its default and opens nothing.
class CQuietPlatform : public IPlatform {
public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageIcon, MessageButtons buttons) override
    {
        return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
    }
    std::optional<std::string> AskOpenFileName(const FILE_DIALOG&) override { return std::nullopt; }
    std::optional<std::string> AskSaveFileName(const FILE_DIALOG&) override { return std::nullopt; }
    void SetMainWindowTitle(const std::string&) override {}
    bool OpenWithShell(const std::string&) override { return true; }
    std::tm LocalTime() override { return std::tm{}; }
};

class CFuzzFolder {
public:
    CFuzzFolder()
    {
        std::error_code error;
        const fs::path base = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "kalomax-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        path = pattern;
        for (const char* sub : {"orders", "report", "backup", "help"}) {
            fs::create_directory(fs::path(path) / sub);
        }
        SetProgramFolder(path);
        SetSettingsStore(&settings);
        SetPlatform(&platform);
        Language = 0;
    }
    ~CFuzzFolder()
    {
        SetSettingsStore(nullptr);
        SetPlatform(nullptr);
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    CFuzzFolder(const CFuzzFolder&) = delete;
    CFuzzFolder& operator=(const CFuzzFolder&) = delete;

    std::string path;
    CMemorySettingsStore settings;
    CQuietPlatform platform;
};

}  // namespace

const std::string& FuzzProgramFolder()
{
    static CFuzzFolder folder;
    return folder.path;
}

void WriteFuzzFile(const std::string& name, std::string_view content)
{
    FuzzProgramFolder();
    std::ofstream file(ProgramFilePath("", name), std::ios::binary | std::ios::trunc);
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
}

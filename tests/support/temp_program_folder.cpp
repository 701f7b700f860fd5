#include "support/temp_program_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "core/language.h"
#include "core/program_files.h"
#include "core/settings.h"

namespace fs = std::filesystem;

CTempProgramFolder::CTempProgramFolder()
{
    std::string pattern = (fs::temp_directory_path() / "kalomax-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary program folder");
    }
    m_path = pattern;
    for (const char* sub : {"orders", "report", "backup", "help"}) {
        fs::create_directory(fs::path(m_path) / sub);
    }
    SetProgramFolder(m_path);
    SetSettingsStore(&settings);
    Language = 0;
    LengthUnit = 0;
    Precision = 0;
    SawThickness = 0;
    Currency.clear();
}

CTempProgramFolder::~CTempProgramFolder()
{
    SetSettingsStore(nullptr);
    SetProgramFolder("");
    std::error_code ignored;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(m_path, ignored);
}

std::string CTempProgramFolder::File(const std::string& name, const std::string& subFolder) const
{
    return ProgramFilePath(subFolder, name);
}

void CTempProgramFolder::Write(const std::string& name, const std::string& content) const
{
    std::ofstream file(File(name), std::ios::binary | std::ios::trunc);
    file << content;
}

std::string CTempProgramFolder::Read(const std::string& name) const
{
    std::ifstream file(File(name), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool CTempProgramFolder::Exists(const std::string& name) const { return fs::exists(File(name)); }

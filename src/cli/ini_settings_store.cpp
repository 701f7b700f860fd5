#include "cli/ini_settings_store.h"

#include <cstdlib>
#include <sstream>

#include "core/atomic_file.h"

namespace {

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// Values that hold special characters are written quoted, with backslash escapes.
std::string Unquoted(const std::string& value)
{
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') {
        return value;
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size()) {
            ++i;
        }
        text += value[i];
    }
    return text;
}

}  // namespace

CIniSettingsStore::CIniSettingsStore(const std::string& path)
{
    const std::optional<std::string> content = ReadWholeFile(path);
    if (!content) {
        return;
    }
    std::istringstream lines(*content);
    std::string line;
    std::string group;
    while (std::getline(lines, line)) {
        line = Trimmed(line);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            group = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos && Trimmed(line.substr(0, equals)) == "val" && !group.empty()) {
            m_values[group] = Unquoted(Trimmed(line.substr(equals + 1)));
        }
    }
}

std::optional<std::string> CIniSettingsStore::ReadValue(const std::string& name)
{
    const auto it = m_values.find(name);
    if (it == m_values.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool CIniSettingsStore::WriteValue(const std::string&, const std::string&) { return false; }

std::string CIniSettingsStore::DefaultPath()
{
    if (const char* file = std::getenv("KALOMAX_SETTINGS_FILE"); file != nullptr && *file != '\0') {
        return file;
    }
    std::string folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0') {
        folder = config;
    } else if (const char* home = std::getenv("HOME"); home != nullptr) {
        folder = std::string(home) + "/.config";
    }
    return folder + "/Velmora/Kalo.conf";
}

#pragma once

#include <map>
#include <string>

#include "core/settings_store.h"

// The desktop program's stored settings as the command line reads them: the INI file the
// program keeps on Linux, one group per setting with the value "val". Read only: the
// command line never changes the stored settings.
class CIniSettingsStore : public ISettingsStore {
public:
    explicit CIniSettingsStore(const std::string& path);

    std::optional<std::string> ReadValue(const std::string& name) override;
    bool WriteValue(const std::string& name, const std::string& text) override;

    // KALOMAX_SETTINGS_FILE when set, else Velmora/Kalo.conf in the user's configuration folder.
    static std::string DefaultPath();

private:
    std::map<std::string, std::string> m_values;
};

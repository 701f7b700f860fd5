#pragma once

#include <memory>

#include <QSettings>

#include "core/settings_store.h"

// The settings of the desktop program in QSettings' native format, organisation "Velmora",
// application "Kalo", one group per setting holding the value "val" (on Windows the
// registry keys Software\Velmora\Kalo\<name>). KALOMAX_SETTINGS_FILE, when set, names an
// INI file of the same shape instead, the one the command line reads too.
class CQtSettingsStore : public ISettingsStore {
public:
    CQtSettingsStore();
    explicit CQtSettingsStore(const QString& iniPath);

    std::optional<std::string> ReadValue(const std::string& name) override;
    bool WriteValue(const std::string& name, const std::string& text) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

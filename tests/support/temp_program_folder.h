#pragma once

#include <string>

#include "core/settings_store.h"

// A fresh program folder (with the orders, report, backup and help sub-folders) and an
// in-memory settings store, both installed for one test; removed afterwards. The language
// and the process-wide settings are reset to their defaults.
class CTempProgramFolder {
public:
    CTempProgramFolder();
    ~CTempProgramFolder();
    CTempProgramFolder(const CTempProgramFolder&) = delete;
    CTempProgramFolder& operator=(const CTempProgramFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Path of a file in the folder (sub-folder optional).
    std::string File(const std::string& name, const std::string& subFolder = "") const;
    void Write(const std::string& name, const std::string& content) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

    CMemorySettingsStore settings;

private:
    std::string m_path;
};

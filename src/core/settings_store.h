#pragma once

#include <map>
#include <optional>
#include <string>

// Where settings live: one text value per setting name. The program uses a QSettings
// store; tests use the in-memory one below.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // The stored text, or nothing when the setting is absent or unreadable.
    virtual std::optional<std::string> ReadValue(const std::string& name) = 0;
    // False when the value could not be stored; the old value then stays.
    virtual bool WriteValue(const std::string& name, const std::string& text) = 0;
};

class CMemorySettingsStore : public ISettingsStore {
public:
    std::optional<std::string> ReadValue(const std::string& name) override;
    bool WriteValue(const std::string& name, const std::string& text) override;

    std::map<std::string, std::string> values;
    bool failWrites = false;
};

// The store the settings operations use; the program and the tests install theirs.
// Without one, every setting reads as absent and writes are dropped.
void SetSettingsStore(ISettingsStore* store);
ISettingsStore* CurrentSettingsStore();

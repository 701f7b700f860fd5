#include "core/settings_store.h"

namespace {
ISettingsStore* g_store = nullptr;
}

std::optional<std::string> CMemorySettingsStore::ReadValue(const std::string& name)
{
    const auto it = values.find(name);
    if (it == values.end()) {
        return std::nullopt;
    }
    return it->second;
}

bool CMemorySettingsStore::WriteValue(const std::string& name, const std::string& text)
{
    if (failWrites) {
        return false;
    }
    values[name] = text;
    return true;
}

void SetSettingsStore(ISettingsStore* store) { g_store = store; }

ISettingsStore* CurrentSettingsStore() { return g_store; }

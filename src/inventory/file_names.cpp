#include "inventory/file_names.h"

bool IsBareFileName(std::string_view name)
{
    if (name.empty() || name.size() > 255 || name == "." || name == "..") {
        return false;
    }
    for (const char c : name) {
        if (c == '\0' || c == '/' || c == '\\' || c == ':') {
            return false;
        }
    }
    return true;
}

#include "core/main_title.h"

#include "core/platform.h"

void SetMainTitle(const std::string& label, const std::string& path)
{
    std::string title = "Kalomax - " + label;
    if (!path.empty()) {
        title += " - " + path;
    }
    Platform().SetMainWindowTitle(title);
}

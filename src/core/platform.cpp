#include "core/platform.h"

#include <cstdlib>

namespace {
IPlatform* g_platform = nullptr;
}

IPlatform& Platform()
{
    if (g_platform == nullptr) {
        std::abort();
    }
    return *g_platform;
}

void SetPlatform(IPlatform* platform) { g_platform = platform; }

std::tm SystemLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return local;
}

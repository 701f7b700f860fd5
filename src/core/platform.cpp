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

#include "job/optimizer_library.h"

#include "core/exception.h"
#include "core/texts.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

void* LoadModule(const std::string& path)
{
#ifdef _WIN32
    return reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
#else
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void* FindExport(void* module, const char* name)
{
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
#else
    return dlsym(module, name);
#endif
}

void UnloadModule(void* module)
{
#ifdef _WIN32
    FreeLibrary(static_cast<HMODULE>(module));
#else
    dlclose(module);
#endif
}

template <typename Function>
Function ExportOf(void* module, const char* name)
{
    return reinterpret_cast<Function>(FindExport(module, name));
}

} // namespace

COptimizerLibrary::COptimizerLibrary(const std::string& path) : m_module(LoadModule(path))
{
    if (m_module == nullptr) {
        KX_RAISE(LangText(T_CANNOT_OPTIMIZE));
    }
    setDelegate = ExportOf<SetDelegateProgressStepItDLLFunc>(m_module, "SetDelegateProgressStepItDLL");
    launch = ExportOf<LaunchOptimizerDLLFunc>(m_module, "LaunchOptimizerDLL");
    stop = ExportOf<StopOptimizerDLLFunc>(m_module, "StopOptimizerDLL");
    lowerBound = ExportOf<LowerBoundDLLFunc>(m_module, "LowerBoundDLL");
    if (setDelegate == nullptr || launch == nullptr || stop == nullptr) {
        UnloadModule(m_module);
        KX_RAISE(LangText(T_CANNOT_OPTIMIZE));
    }
}

COptimizerLibrary::~COptimizerLibrary() { UnloadModule(m_module); }

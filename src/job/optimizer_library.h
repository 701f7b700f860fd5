#pragma once

#include <string>

#include "job/optimizer_abi.h"

// The optimizer library, loaded by its full path for one run and unloaded again when the
// object goes. Raises "Cannot optimize!" when the file cannot be loaded or one of the three
// exports is missing.
class COptimizerLibrary {
public:
    explicit COptimizerLibrary(const std::string& path);
    ~COptimizerLibrary();
    COptimizerLibrary(const COptimizerLibrary&) = delete;
    COptimizerLibrary& operator=(const COptimizerLibrary&) = delete;

    SetDelegateProgressStepItDLLFunc setDelegate = nullptr;
    LaunchOptimizerDLLFunc launch = nullptr;
    StopOptimizerDLLFunc stop = nullptr;
    LowerBoundDLLFunc lowerBound = nullptr; // optional

private:
    void* m_module = nullptr;
};

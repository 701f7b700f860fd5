#pragma once

#include <string>

#include "job/global_data.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"

// A temporary program folder filled with the sample inventory and job of the program
// folder template and the optimizer library, a scripted Platform and a global data object.
struct CUiFixture {
    CUiFixture();

    // The sample job in the orders folder.
    std::string SampleJobPath() const;
    // Opens the sample job through the fake file dialog.
    void OpenSampleJob();

    CTempProgramFolder folder;
    CScopedFakePlatform platform;
    CGlobalData data;
};

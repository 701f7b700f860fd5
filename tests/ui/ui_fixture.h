#pragma once

#include <deque>
#include <string>

#include <QString>

#include "job/global_data.h"
#include "support/fake_platform.h"
#include "support/temp_program_folder.h"

// Answers the printer dialog in place of a user while it lives: each answer is the file a
// PDF printer writes to, an empty answer cancels, and no answer left cancels too.
struct CScopedFakePrinterDialog {
    CScopedFakePrinterDialog();
    ~CScopedFakePrinterDialog();
    CScopedFakePrinterDialog(const CScopedFakePrinterDialog&) = delete;
    CScopedFakePrinterDialog& operator=(const CScopedFakePrinterDialog&) = delete;

    std::deque<std::string> answers;
    int shown = 0;
    // The page size and orientation the dialog started from, the last time it was shown.
    QString startPageSize;
    bool startLandscape = false;
};

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
    CScopedFakePrinterDialog printerDialog;
    CGlobalData data;
};

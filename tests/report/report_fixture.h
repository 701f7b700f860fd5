#pragma once

#include <string>

#include <gtest/gtest.h>

#include "core/exception.h"
#include "job/cutting_plan.h"
#include "job/global_data.h"
#include "support/fake_platform.h"
#include "support/raised_message.h"
#include "support/temp_program_folder.h"

// An expected page from tests/report/golden. The files hold one fragment per line for
// reading; the line ends are not part of the page. "@LOGO@" stands for the logo path in
// the temporary program folder.
std::string GoldenPage(const std::string& name);

// A small inventory, job and plan, with the clock fixed at 4 July 2026, 08:05:09.
//
// Types of bars (index: profile code, material, color, price / price length, minimum
// reused, maximum waste, default length; stock file):
//   0: "P&40" Alu White, 12.50 / 1000 mm, 500, 100, 6000; "10000001"
//   1: "T60" Steel Black, 30.00 / 6000 mm, 300, 50, 6000;  "10000002"
// The job "Frame <A>" orders 1500 mm of type 0 as W1 x 2 and without identifier x 4,
// 2000 mm as W2 x 3, and 1900 mm of type 1 without identifier x 5 and as B7 x 3. The plan:
//   type 0: 6000 x 2 (2 x 1500, 1 x 2000, used 5015), 2500 x 1 (1 x 2000, used 2000, a stub
//           exactly at the minimum reused length), 6000 x 1 (2 x 1500, used 3010);
//   type 1: 6000 x 1 (3 x 1900, used 5715, a stub below the minimum), 6000 x 2 (2 x 1900,
//           used 3810), one piece left uncut.
class ReportTest : public ::testing::Test {
protected:
    ReportTest();

    // The two types of bars with these stock file contents.
    void AddTypes(const std::string& stock0, const std::string& stock1);
    void AddJob();
    void AddPlan();
    // Where the tests write their reports.
    std::string ReportPath() const;

    CTempProgramFolder folder;
    CScopedFakePlatform platform;
    CGlobalData data;
    CuttingPlan plan;
};

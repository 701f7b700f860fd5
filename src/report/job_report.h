#pragma once

#include <string>

#include "job/cutting_plan.h"
#include "report/cutting_diagram.h"

class CGlobalData;

// The sections of the job report the user chose, in the order of the report.
struct JOB_REPORT_FLAGS {
    bool jobInfo = false;
    bool settings = false;
    bool statistics = false;
    bool cutLayouts = false;
    bool totalCosts = false;
    bool barsBought = false;
    bool cutDiagrams = false; // drawings of the bars after each type's layouts
};

// The choices stored in the settings (the _JR flags).
JOB_REPORT_FLAGS ReadJobReportFlags();

// The page of the job report: the job, the settings, and the plan with its statistics,
// layouts, costs and bars to buy, as far as the flags ask for them. Raises "Stock is
// invalid!" for a type of the plan whose price length is below 0.00001. The cutting diagrams
// go into the page as `writeDiagram` puts them.
std::string BuildJobReport(const CGlobalData& data, const JOB_REPORT_FLAGS& flags, const CuttingPlan& plan,
                           const DiagramWriter& writeDiagram = CuttingDiagramSvg);

// Builds the page, writes it to `path` and opens it with the desktop shell. Raises
// "Stock is invalid!" or "Cannot create report!"; nothing is written or opened then.
void WriteJobReport(const CGlobalData& data, const std::string& path, const JOB_REPORT_FLAGS& flags,
                    const CuttingPlan& plan);

// "report/<year>-<month>-<day>-<hour>-<minute>-<second>.html" in the program folder, from
// the local time, without leading zeros.
std::string DefaultJobReportPath();

#pragma once

#include <optional>
#include <string>

#include "report/inventory_report.h"
#include "report/job_report.h"

// --sections: a comma list of section names, "all" or "none"; without the option, the
// flags stored in the settings.
// Job report: job-info,settings,statistics,layouts,costs,bars-to-buy,diagrams.
JOB_REPORT_FLAGS JobReportSections(const std::optional<std::string>& list);
// Inventory report: stock-info,stock-details,total-cost,bars-to-buy.
INVENTORY_REPORT_FLAGS InventoryReportSections(const std::optional<std::string>& list);

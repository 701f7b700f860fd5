#include "cli/report_sections.h"

#include <utility>
#include <vector>

#include "cli/cli_arguments.h"

namespace {

using SECTIONS = std::vector<std::pair<const char*, bool*>>;

void ApplySections(const std::string& list, const SECTIONS& sections)
{
    const bool all = list == "all";
    if (all || list == "none") {
        for (const auto& [name, flag] : sections) {
            *flag = all;
        }
        return;
    }
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        bool known = false;
        for (const auto& [sectionName, flag] : sections) {
            if (name == sectionName) {
                *flag = true;
                known = true;
            }
        }
        if (!known) {
            throw CUsageError("unknown report section '" + name + "'");
        }
        start = comma + 1;
    }
}

} // namespace

JOB_REPORT_FLAGS JobReportSections(const std::optional<std::string>& list)
{
    if (!list) {
        return ReadJobReportFlags();
    }
    JOB_REPORT_FLAGS flags;
    ApplySections(*list, {{"job-info", &flags.jobInfo},
                          {"settings", &flags.settings},
                          {"statistics", &flags.statistics},
                          {"layouts", &flags.cutLayouts},
                          {"costs", &flags.totalCosts},
                          {"bars-to-buy", &flags.barsBought},
                          {"diagrams", &flags.cutDiagrams}});
    return flags;
}

INVENTORY_REPORT_FLAGS InventoryReportSections(const std::optional<std::string>& list)
{
    if (!list) {
        return ReadInventoryReportFlags();
    }
    INVENTORY_REPORT_FLAGS flags;
    ApplySections(*list, {{"stock-info", &flags.stockInfo},
                          {"stock-details", &flags.stockDetails},
                          {"total-cost", &flags.totalCost},
                          {"bars-to-buy", &flags.barsBought}});
    return flags;
}

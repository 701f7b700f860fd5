#include "cli/optimize_command.h"

#include <chrono>
#include <cstdlib>
#include <map>
#include <optional>

#include "cli/cli_arguments.h"
#include "cli/cli_platform.h"
#include "cli/plan_json.h"
#include "cli/report_sections.h"
#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/length.h"
#include "core/settings.h"
#include "job/bars_to_buy.h"
#include "job/global_data.h"
#include "job/inventory_update.h"
#include "job/optimization_run.h"
#include "job/plan_statistics.h"

namespace {

struct OPTIMIZE_OPTIONS {
    std::string jobPath;
    std::optional<std::string> reportPath;
    std::optional<std::string> sections;
    std::optional<std::string> planJsonPath;
    std::optional<std::string> timeLimit;
    bool reuseStubs = false;
    bool updateInventory = false;
};

OPTIMIZE_OPTIONS ParseOptimizeOptions(const std::vector<std::string>& arguments)
{
    OPTIMIZE_OPTIONS options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= arguments.size()) {
                throw CUsageError(argument + " needs a value");
            }
            return arguments[++i];
        };
        if (argument == "--reuse-stubs") {
            options.reuseStubs = true;
        } else if (argument == "--update-inventory") {
            options.updateInventory = true;
        } else if (argument == "--report") {
            options.reportPath = value();
        } else if (argument == "--sections") {
            options.sections = value();
        } else if (argument == "--plan-json") {
            options.planJsonPath = value();
        } else if (argument == "--time-limit") {
            options.timeLimit = value();
            char* end = nullptr;
            const double seconds = std::strtod(options.timeLimit->c_str(), &end);
            if (options.timeLimit->empty() || *end != '\0' || !(seconds > 0)) {
                throw CUsageError("--time-limit takes a positive number of seconds, not '" + *options.timeLimit + "'");
            }
        } else if (argument.rfind("--", 0) == 0) {
            throw CUsageError("unknown option " + argument);
        } else if (options.jobPath.empty()) {
            options.jobPath = argument;
        } else {
            throw CUsageError("optimize takes one job file");
        }
    }
    if (options.jobPath.empty()) {
        throw CUsageError("optimize needs a job file");
    }
    JobReportSections(options.sections); // a wrong list is refused before anything runs
    return options;
}

std::string LengthWithUnit(Length length)
{
    return LengthToText(length, LengthUnit, Precision, false) + " " + UnitLabel(LengthUnit);
}

void PrintSummary(const CGlobalData& data, const COptimizationRun& run, std::ostream& out)
{
    const CuttingPlan& plan = run.Plan();
    const std::vector<NEEDED_BAR> toBuy = BarsToBuy(data, plan);
    for (const TOB_RESULT& result : plan.Sequence()) {
        const TYPE_OF_BAR type = data.GetTypeOfBar(result.typeIndex);
        out << type.profileCode << " " << type.material << " " << type.color << "\n  bars:";
        std::map<Length, long long> bars;
        for (const OPTIMIZED_RESULT& layout : result.layouts) {
            bars[layout.barLength] += layout.barCount;
        }
        const char* separator = " ";
        long long barsUsed = 0;
        for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
            out << separator << LengthWithUnit(bar->first) << " x " << bar->second;
            separator = ", ";
            barsUsed += bar->second;
        }
        if (const std::optional<int> bound = run.LowerBound(result.typeIndex)) {
            out << "\n  lower bound: " << *bound << " bars" << (barsUsed == *bound ? " (proven optimal)" : "");
        }
        const LayoutStatistics statistics = ComputeLayoutStatistics(type, result.items, result.layouts);
        out << "\n  waste: " << NumberToText(ComputeTypeCosts(type, statistics).wastePercent, 2) << " %";
        if (statistics.unusedItems != 0) {
            out << "\n  pieces not cut: " << statistics.unusedItems;
        }
        out << "\n  to buy:";
        separator = " ";
        for (const NEEDED_BAR& needed : toBuy) {
            if (needed.typeIndex != result.typeIndex) {
                continue;
            }
            for (const BAR& bar : needed.bars) {
                out << separator << LengthWithUnit(bar.length) << " x " << bar.quantity;
                separator = ", ";
            }
        }
        if (*separator == ' ') {
            out << " nothing";
        }
        out << "\n";
    }
}

void WriteTextFile(const std::string& path, const std::string& content)
{
    if (!ReplaceFileAtomically(path, content)) {
        throw CUsageError("cannot write " + path);
    }
}

} // namespace

int RunOptimizeCommand(const std::vector<std::string>& arguments, CCliPlatform& platform, std::ostream& out)
{
    const OPTIMIZE_OPTIONS options = ParseOptimizeOptions(arguments);
    CGlobalData data;
    data.LoadTypesOfBars();
    platform.nextPath = options.jobPath;
    data.OpenJob();
    if (options.timeLimit) {
#ifdef _WIN32
        _putenv_s("KALOMAX_OPTIMIZER_TIME_LIMIT", options.timeLimit->c_str());
#else
        setenv("KALOMAX_OPTIMIZER_TIME_LIMIT", options.timeLimit->c_str(), 1);
#endif
    }
    const auto start = std::chrono::steady_clock::now();
    COptimizationRun run(data, options.reuseStubs);
    run.Start(SawThickness, nullptr, nullptr);
    run.Wait();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const CuttingPlan& plan = run.Plan();
    PrintSummary(data, run, out);
    if (options.reportPath) {
        WriteJobReport(data, *options.reportPath, JobReportSections(options.sections), plan);
    }
    if (options.planJsonPath) {
        WriteTextFile(*options.planJsonPath, PlanToJson(data, plan, seconds));
    }
    if (options.updateInventory) {
        UpdateInventory(data, plan);
        out << "Inventory was updated.\n";
    }
    return 0;
}

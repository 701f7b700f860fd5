// bench/general: runs the optimizer library on generated workshop-like jobs
// (several stock lengths in limited quantities plus unlimited new bars, saw
// thickness, reuse stubs on and off) and compares the bar length each plan
// consumes with a lower bound from linear programming and with first-fit
// decreasing.
//
// The jobs come from a seed (general_jobs.h); the library is loaded and
// driven through its exports like the program does, and each plan is
// checked here before it counts.
#include "general_bound.h"
#include "general_jobs.h"
#include "general_plan.h"
#include "library_driver.h"
#include "optimizer_abi.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

using namespace kalomax::bench;
using Clock = std::chrono::steady_clock;

// How long the bound's column generation may take per job; it ends much
// sooner on every job of the benchmark.
constexpr double kBoundSeconds = 60;

struct Options {
    uint64_t seed = 1;
    int jobs = 30;
    double timeLimit = 10;
    std::string library = KALOMAX_DEMO_LIBRARY;
    bool list = false;
};

void Usage()
{
    std::cout << "usage: general [--seed N] [--jobs N] [--time-limit SECONDS] [--library PATH] [--list]\n"
                 "  --seed        seed of the generated jobs (default 1)\n"
                 "  --jobs        jobs, spread evenly over the size classes (default 30)\n"
                 "  --time-limit  seconds per launch of the library (default 10)\n"
                 "  --library     the optimizer library (default: the one built with this program)\n"
                 "  --list        one line per job and reuse setting on the standard error\n";
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int a = 1; a < argc; ++a) {
        const std::string arg = argv[a];
        if (arg == "--help" || arg == "-h") {
            Usage();
            std::exit(0);
        }
        if (arg == "--list") {
            options.list = true;
            continue;
        }
        if (arg != "--seed" && arg != "--jobs" && arg != "--time-limit" && arg != "--library") {
            std::cerr << "general: unknown option " << arg << "\n";
            Usage();
            return false;
        }
        if (a + 1 >= argc) {
            std::cerr << "general: " << arg << " needs a value\n";
            return false;
        }
        const char* text = argv[++a];
        if (arg == "--library") {
            options.library = text;
            continue;
        }
        char* end = nullptr;
        const double number = std::strtod(text, &end);
        const bool whole = number == std::floor(number);
        if (!end || *end != '\0' || !std::isfinite(number) || number <= 0 || (arg != "--time-limit" && !whole) ||
            number > 1e15) {
            std::cerr << "general: bad value for " << arg << ": " << text << "\n";
            return false;
        }
        if (arg == "--seed")
            options.seed = static_cast<uint64_t>(number);
        else if (arg == "--jobs")
            options.jobs = static_cast<int>(std::min(number, 1e6));
        else
            options.timeLimit = number;
    }
    return true;
}

// One generated job served to the library, which records the plan.
class GeneralBenchJob final : public RecordingJob {
public:
    GeneralBenchJob(const GeneralJob& job, bool reuseStubs) : job_(job), reuseStubs_(reuseStubs) {}

    int32_t KX_OPTIMIZER_CALL OrderCount() override { return static_cast<int32_t>(job_.orders.size()); }
    void KX_OPTIMIZER_CALL ReadOrder(int32_t orderIndex, IOrderTarget* target) override
    {
        if (orderIndex < 0 || static_cast<size_t>(orderIndex) >= job_.orders.size() || !target) {
            misuse = true;
            return;
        }
        const GeneralOrder& order = job_.orders[static_cast<size_t>(orderIndex)];
        target->SetProfileCode("WORKSHOP");
        target->SetMaterial("AL");
        target->SetColor("");
        target->SetIdentifier(order.identifier.c_str());
        target->SetLength(order.length);
        target->SetQuantity(order.quantity);
        target->SetTypeIndex(0);
    }
    void KX_OPTIMIZER_CALL ReadStockBar(int32_t typeIndex, int32_t stockIndex, double* length,
                                        int32_t* quantity) override
    {
        const bool known = typeIndex == 0 && stockIndex >= 0 && static_cast<size_t>(stockIndex) < job_.stock.size();
        misuse = misuse || !known || !length || !quantity;
        if (length)
            *length = known ? job_.stock[static_cast<size_t>(stockIndex)].first : 0;
        if (quantity)
            *quantity = known ? job_.stock[static_cast<size_t>(stockIndex)].second : 0;
    }
    double KX_OPTIMIZER_CALL DefaultLength(int32_t typeIndex) override { return Of(typeIndex, job_.defaultLength); }
    int32_t KX_OPTIMIZER_CALL StockBarCount(int32_t typeIndex) override
    {
        return static_cast<int32_t>(Of(typeIndex, static_cast<double>(job_.stock.size())));
    }
    uint8_t KX_OPTIMIZER_CALL ReuseStubs() override { return reuseStubs_ ? 1 : 0; }
    double KX_OPTIMIZER_CALL MinReusedLength(int32_t typeIndex) override { return Of(typeIndex, job_.minReusedLength); }
    double KX_OPTIMIZER_CALL MaxWasteLength(int32_t typeIndex) override { return Of(typeIndex, job_.maxWasteLength); }

private:
    double Of(int32_t typeIndex, double value)
    {
        if (typeIndex != 0) {
            misuse = true;
            return 0;
        }
        return value;
    }

    const GeneralJob& job_;
    bool reuseStubs_;
};

struct Outcome {
    bool valid = false;
    double consumed = 0, bound = 0;
    bool boundConverged = false;
    int64_t bars = 0, ffdBars = 0;
    double ffdConsumed = 0;
    bool libraryProven = false; // the library's own bar bound is met
    bool aboveReuseOff = false; // with reuse stubs: more bar length than the plan without
    double seconds = 0;
};

constexpr double kLengthSlack = 1e-6;

int PieceCount(const GeneralJob& job)
{
    int pieces = 0;
    for (const auto& item : job.items)
        pieces += item.second;
    return pieces;
}

void PrintHeader()
{
    std::printf("%-8s %-5s %4s | %8s %8s %6s %7s | %8s %5s | %5s %5s %5s | %8s %7s\n", "lengths", "reuse", "jobs",
                "mean gap", "max gap", "=bound", "lp open", "bars/FFD", ">FFD", "bad", "lib=", ">off", "median s", "max s");
}

void PrintRow(const std::string& lengths, bool reuseOn, const std::vector<Outcome>& outcomes)
{
    size_t valid = 0, meets = 0, open = 0, worse = 0, bad = 0, proven = 0, aboveOff = 0;
    double gapSum = 0, gapMax = 0, barRatio = 0;
    std::vector<double> times;
    for (const Outcome& o : outcomes) {
        times.push_back(o.seconds);
        if (!o.valid) {
            ++bad;
            continue;
        }
        ++valid;
        const double gap = o.bound > 0 ? 100.0 * (o.consumed - o.bound) / o.bound : 0;
        gapSum += gap;
        gapMax = std::max(gapMax, gap);
        meets += o.consumed <= o.bound + kLengthSlack;
        open += !o.boundConverged;
        worse += o.consumed > o.ffdConsumed + kLengthSlack;
        barRatio += 100.0 * static_cast<double>(o.bars) / static_cast<double>(std::max<int64_t>(1, o.ffdBars));
        proven += o.libraryProven;
        aboveOff += o.aboveReuseOff;
    }
    const double n = static_cast<double>(std::max<size_t>(1, valid));
    const std::string above = reuseOn ? std::to_string(aboveOff) : "-";
    std::printf("%-8s %-5s %4zu | %7.2f%% %7.2f%% %5.0f%% %7zu | %7.1f%% %5zu | %5zu %4.0f%% %5s | %8.3f %7.2f\n",
                lengths.c_str(), reuseOn ? "on" : "off", outcomes.size(), gapSum / n, gapMax,
                100.0 * static_cast<double>(meets) / n, open, barRatio / n, worse, bad,
                100.0 * static_cast<double>(proven) / n, above.c_str(), Median(times),
                times.empty() ? 0.0 : *std::max_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
        return 2;
    OptimizerLibrary library;
    std::string loadError;
    if (!library.Open(options.library, loadError)) {
        std::cerr << "general: " << loadError << "\n";
        return 1;
    }
    SetLibraryTimeLimit(options.timeLimit);

    std::printf("Seed %llu, %d jobs, time limit %.3g s per launch.\n", static_cast<unsigned long long>(options.seed),
                options.jobs, options.timeLimit);
    PrintHeader();
    std::fflush(stdout);

    // [size class][reuse stubs]
    std::vector<Outcome> outcomes[kSizeClassCount][2];
    int status = 0;
    for (int number = 0; number < options.jobs; ++number) {
        const GeneralJob job = GenerateJob(options.seed, number);
        for (const bool reuse : {true, false}) {
            const std::string name = "seed " + std::to_string(options.seed) + " job " + std::to_string(number) +
                                     (reuse ? " reuse on" : " reuse off");
            GeneralBenchJob served(job, reuse);
            library.setDelegate(nullptr);
            const Clock::time_point start = Clock::now();
            const int32_t result = library.launch(&served, job.sawThickness);
            Outcome outcome;
            outcome.seconds = std::chrono::duration<double>(Clock::now() - start).count();

            PlanFigures plan;
            std::string error = "the launch returned " + std::to_string(result);
            outcome.valid = result == KX_OPTIMIZER_DONE && CheckPlan(job, reuse, served, plan, error);
            const PlanFigures ffd = FirstFitDecreasing(job, reuse);
            outcome.ffdBars = ffd.bars;
            outcome.ffdConsumed = ffd.consumed;
            if (!outcome.valid) {
                std::cerr << "general: " << name << ": invalid plan: " << error << "\n";
                status = 1;
                outcomes[job.sizeClass][reuse ? 0 : 1].push_back(outcome);
                continue;
            }
            outcome.bars = plan.bars;
            outcome.consumed = plan.consumed;
            const int32_t libraryBars = library.lowerBound ? library.lowerBound(0) : -1;
            outcome.libraryProven = libraryBars >= 0 && plan.bars <= libraryBars;

            const std::vector<BarSupply> bars = UsableBars(job, reuse);
            const ConsumedLengthBound bound =
                BoundConsumedLength(job.items, bars, job.sawThickness, plan.columns, kBoundSeconds);
            if (!bound.known) {
                std::cerr << "general: " << name << ": no bound (lengths off the grid or the LP failed)\n";
                status = 1;
            }
            outcome.bound = bound.bound;
            outcome.boundConverged = bound.converged;
            // One length of bar: the library's bar bound is a length bound too.
            if (libraryBars >= 0 && bars.size() == 1)
                outcome.bound = std::max(outcome.bound, libraryBars * job.defaultLength);
            if (outcome.bound > plan.consumed + kLengthSlack) {
                std::fprintf(stderr, "general: %s: bound %.1f above the plan's %.1f\n", name.c_str(), outcome.bound,
                             plan.consumed);
                status = 1;
            }
            if (options.list)
                std::fprintf(stderr,
                             "%s: %zu lengths, %d pieces, bar %g, saw %g, %zu usable lengths: consumed %.1f, bound %.1f "
                             "(LP %.1f, %d rounds%s), FFD %.1f; bars %lld, FFD %lld; %.3f s\n",
                             name.c_str(), job.items.size(), PieceCount(job), job.defaultLength, job.sawThickness,
                             bars.size(), plan.consumed, outcome.bound, bound.lpBound, bound.rounds,
                             bound.converged ? "" : ", open", ffd.consumed, static_cast<long long>(plan.bars),
                             static_cast<long long>(ffd.bars), outcome.seconds);
            if (plan.consumed > ffd.consumed + kLengthSlack)
                std::fprintf(stderr, "general: %s: consumes %.1f, first-fit decreasing %.1f\n", name.c_str(),
                             plan.consumed, ffd.consumed);
            outcomes[job.sizeClass][reuse ? 0 : 1].push_back(outcome);
        }
        // The plan without stubs is also a plan with them: it should never consume less.
        Outcome& on = outcomes[job.sizeClass][0].back();
        const Outcome& off = outcomes[job.sizeClass][1].back();
        if (on.valid && off.valid && on.consumed > off.consumed + kLengthSlack) {
            on.aboveReuseOff = true;
            std::fprintf(stderr, "general: seed %llu job %d: reuse on consumes %.1f, reuse off %.1f\n",
                         static_cast<unsigned long long>(options.seed), number, on.consumed, off.consumed);
        }
    }
    std::vector<Outcome> all[2];
    for (int c = 0; c < kSizeClassCount; ++c)
        for (int r = 0; r < 2; ++r) {
            const std::string lengths = std::to_string(kSizeClasses[c].minLengths) + "-" +
                                        std::to_string(kSizeClasses[c].maxLengths);
            PrintRow(lengths, r == 0, outcomes[c][r]);
            all[r].insert(all[r].end(), outcomes[c][r].begin(), outcomes[c][r].end());
        }
    PrintRow("all", true, all[0]);
    PrintRow("all", false, all[1]);
    std::printf("lengths: distinct piece lengths per job; gap: bar length consumed above our LP bound, in %% of the\n"
                "bound; =bound: plans that meet it; lp open: jobs whose bound's column generation did not finish;\n"
                "bars/FFD: bars used in %% of first-fit decreasing's; >FFD: plans consuming more bar length than it;\n"
                "bad: invalid plans; lib=: plans meeting the library's own bar bound; >off: plans with reuse stubs\n"
                "consuming more bar length than the plan of the same job without; times: one launch.\n");
    return status;
}

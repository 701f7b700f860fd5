// bench/optimality: runs the optimizer library on one-dimensional
// cutting-stock instances and compares its plans with the best known
// solutions and with first-fit decreasing.
//
// Every instance becomes one type of bar: new bars of the capacity as
// default length, no stock, no saw cut, every leftover waste. The library is
// loaded and driven through its three exports like the program does; each
// plan is checked here before it counts.
#include "column_generation.h"
#include "cutting_problem.h"
#include "layout_search.h"
#include "library_driver.h"
#include "optimizer_abi.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using kalomax::bench::Median;

struct Instance {
    std::string set, name;
    int64_t capacity = 0;
    std::vector<std::pair<int64_t, int64_t>> items; // length, demand; longest first
    int64_t bestBars = 0;
};

struct Options {
    fs::path instances = "../shared/bench/instances";
    std::vector<std::string> sets; // empty: every set in the folder
    double timeLimit = 10;
    size_t sample = 0; // 0: every instance
    std::vector<std::string> names; // empty: every instance of the sets
    std::string library = KALOMAX_DEMO_LIBRARY;
    bool listMisses = false;
};

void Usage()
{
    std::cout << "usage: optimality [--instances DIR] [--sets a,b,...] [--time-limit SECONDS]\n"
                 "                  [--sample N] [--names a,b,...] [--library PATH] [--misses]\n"
                 "  --instances   folder with one sub-folder per set (default ../shared/bench/instances)\n"
                 "  --sets        sets to run, comma separated (default: all)\n"
                 "  --time-limit  seconds per instance (default 10)\n"
                 "  --sample      N instances per set, evenly spread over the names (default: all)\n"
                 "  --names       only the instances of these names (default: all)\n"
                 "  --library     the optimizer library (default: the one built with this program)\n"
                 "  --misses      list every instance whose plan is above the best known\n";
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int a = 1; a < argc; ++a) {
        const std::string arg = argv[a];
        auto value = [&]() -> const char* { return a + 1 < argc ? argv[++a] : nullptr; };
        if (arg == "--help" || arg == "-h") {
            Usage();
            std::exit(0);
        } else if (arg == "--misses") {
            options.listMisses = true;
        } else if (arg == "--instances" || arg == "--sets" || arg == "--time-limit" || arg == "--sample" ||
                   arg == "--names" || arg == "--library") {
            const char* text = value();
            if (!text) {
                std::cerr << "optimality: " << arg << " needs a value\n";
                return false;
            }
            if (arg == "--instances") {
                options.instances = text;
            } else if (arg == "--library") {
                options.library = text;
            } else if (arg == "--sets" || arg == "--names") {
                std::vector<std::string>& list = arg == "--sets" ? options.sets : options.names;
                std::stringstream text_list(text);
                for (std::string entry; std::getline(text_list, entry, ',');)
                    if (!entry.empty())
                        list.push_back(entry);
            } else {
                char* end = nullptr;
                const double number = std::strtod(text, &end);
                if (!end || *end != '\0' || !std::isfinite(number) || number < 0 ||
                    (arg == "--time-limit" && number <= 0)) {
                    std::cerr << "optimality: bad value for " << arg << ": " << text << "\n";
                    return false;
                }
                if (arg == "--time-limit")
                    options.timeLimit = number;
                else
                    options.sample = static_cast<size_t>(number);
            }
        } else {
            std::cerr << "optimality: unknown option " << arg << "\n";
            Usage();
            return false;
        }
    }
    return true;
}

// Reads `<capacity>` then `<length> <demand>` pairs; false on anything else.
bool ReadInstance(const fs::path& file, Instance& instance, std::string& error)
{
    std::ifstream in(file);
    if (!in) {
        error = "cannot open";
        return false;
    }
    if (!(in >> instance.capacity) || instance.capacity <= 0) {
        error = "bad capacity";
        return false;
    }
    int64_t length = 0, demand = 0;
    while (in >> length) {
        if (!(in >> demand) || length <= 0 || length > instance.capacity || demand <= 0 || demand > 1000000000) {
            error = "bad item line";
            return false;
        }
        instance.items.push_back({length, demand});
    }
    if (!in.eof() || instance.items.empty()) {
        error = instance.items.empty() ? "no items" : "stray text";
        return false;
    }
    std::sort(instance.items.begin(), instance.items.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    for (size_t i = 1; i < instance.items.size(); ++i)
        if (instance.items[i].first == instance.items[i - 1].first) {
            error = "repeated length";
            return false;
        }
    return true;
}

// name -> best known bars, from the set's optima.tsv.
std::map<std::string, int64_t> ReadOptima(const fs::path& file)
{
    std::map<std::string, int64_t> optima;
    std::ifstream in(file);
    std::string line;
    std::getline(in, line); // header
    while (std::getline(in, line)) {
        std::vector<std::string> fields;
        std::stringstream row(line);
        for (std::string field; std::getline(row, field, '\t');)
            fields.push_back(field);
        if (fields.size() >= 5)
            optima[fields[0]] = std::strtoll(fields[4].c_str(), nullptr, 10);
    }
    return optima;
}

// The job of one instance, served to the library, and the plan it returns.
class BenchJob final : public kalomax::bench::RecordingJob {
public:
    explicit BenchJob(const Instance& instance) : instance_(instance) {}

    int32_t KX_OPTIMIZER_CALL OrderCount() override { return static_cast<int32_t>(instance_.items.size()); }
    void KX_OPTIMIZER_CALL ReadOrder(int32_t orderIndex, IOrderTarget* target) override
    {
        if (orderIndex < 0 || static_cast<size_t>(orderIndex) >= instance_.items.size() || !target) {
            misuse = true;
            return;
        }
        char identifier[24];
        std::snprintf(identifier, sizeof identifier, "I%d", static_cast<int>(orderIndex));
        target->SetProfileCode("BENCH");
        target->SetMaterial("");
        target->SetColor("");
        target->SetIdentifier(identifier);
        target->SetLength(static_cast<double>(instance_.items[orderIndex].first));
        target->SetQuantity(static_cast<int32_t>(instance_.items[orderIndex].second));
        target->SetTypeIndex(0);
    }
    void KX_OPTIMIZER_CALL ReadStockBar(int32_t, int32_t, double* length, int32_t* quantity) override
    {
        misuse = true; // there is no stock
        if (length)
            *length = 0;
        if (quantity)
            *quantity = 0;
    }
    double KX_OPTIMIZER_CALL DefaultLength(int32_t) override { return static_cast<double>(instance_.capacity); }
    int32_t KX_OPTIMIZER_CALL StockBarCount(int32_t) override { return 0; }
    uint8_t KX_OPTIMIZER_CALL ReuseStubs() override { return 0; }
    double KX_OPTIMIZER_CALL MinReusedLength(int32_t) override { return static_cast<double>(instance_.capacity); }
    double KX_OPTIMIZER_CALL MaxWasteLength(int32_t) override { return 0; }

private:
    const Instance& instance_;
};

// The bars of the plan, or -1 with `error` set when the plan is unsound.
int64_t CheckPlan(const Instance& instance, const BenchJob& job, std::string& error)
{
    if (job.misuse) {
        error = "the library called the job with bad arguments";
        return -1;
    }
    if (job.items.size() != instance.items.size()) {
        error = "delivered " + std::to_string(job.items.size()) + " items";
        return -1;
    }
    for (size_t i = 0; i < job.items.size(); ++i)
        if (job.items[i].first != static_cast<double>(instance.items[i].first) ||
            job.items[i].second != instance.items[i].second) {
            error = "item " + std::to_string(i) + " differs from the order";
            return -1;
        }
    std::vector<int64_t> cut(instance.items.size(), 0);
    int64_t bars = 0;
    for (const BenchJob::Layout& layout : job.layouts) {
        if (layout.barLength != static_cast<double>(instance.capacity) || layout.barCount <= 0 ||
            layout.pieces.size() != instance.items.size()) {
            error = "a layout has a wrong bar length, bar count or item count";
            return -1;
        }
        int64_t used = 0;
        for (size_t i = 0; i < layout.pieces.size(); ++i) {
            if (layout.pieces[i] < 0) {
                error = "negative pieces";
                return -1;
            }
            used += layout.pieces[i] * instance.items[i].first;
            cut[i] += static_cast<int64_t>(layout.pieces[i]) * layout.barCount;
        }
        if (used > instance.capacity || used == 0) {
            error = used == 0 ? "an empty bar" : "an overfull bar";
            return -1;
        }
        bars += layout.barCount;
    }
    for (size_t i = 0; i < cut.size(); ++i)
        if (cut[i] != instance.items[i].second) {
            error = "item " + std::to_string(i) + " cut " + std::to_string(cut[i]) + " times instead of " +
                    std::to_string(instance.items[i].second);
            return -1;
        }
    return bars;
}

// First-fit decreasing, the baseline.
int64_t FirstFitDecreasing(const Instance& instance)
{
    std::vector<int64_t> rooms;
    for (const auto& [length, demand] : instance.items)
        for (int64_t d = 0; d < demand; ++d) {
            auto bar = std::find_if(rooms.begin(), rooms.end(), [&](int64_t room) { return room >= length; });
            if (bar == rooms.end())
                rooms.push_back(instance.capacity - length);
            else
                *bar -= length;
        }
    return static_cast<int64_t>(rooms.size());
}

// Our own bound on the bars, by the engine's column generation, for a
// library that does not report the bound of its run.
int64_t OwnBound(const Instance& instance, double seconds)
{
    using namespace kalomax::optimizer;
    CuttingProblem problem;
    for (const auto& [length, demand] : instance.items) {
        problem.pieceLengths.push_back(static_cast<double>(length));
        problem.demand.push_back(demand);
    }
    problem.kinds.push_back(BarKind{static_cast<double>(instance.capacity), kUnlimited, 0});
    problem.minReusedLength = static_cast<double>(instance.capacity);
    std::atomic<bool> stop{false};
    const SearchControl control(stop, SearchClock::now() + std::chrono::duration_cast<SearchClock::duration>(
                                                               std::chrono::duration<double>(seconds)));
    return ComputeLowerBound(problem, control).bars;
}

struct Outcome {
    std::string name;
    int64_t best = 0, bars = -1, ffd = 0, bound = 0;
    double seconds = 0, ffdSeconds = 0;
};

struct Row {
    std::string set;
    std::vector<Outcome> outcomes;
};

void PrintRow(const std::string& set, const std::vector<Outcome>& outcomes)
{
    size_t n = outcomes.size(), equal = 0, proven = 0, ffdEqual = 0, invalid = 0, worse = 0;
    double gap = 0, ffdGap = 0;
    std::vector<double> times, ffdTimes;
    for (const Outcome& o : outcomes) {
        if (o.bars < 0) {
            ++invalid;
        } else {
            equal += o.bars == o.best;
            proven += o.bars <= o.bound;
            gap += static_cast<double>(o.bars - o.best);
            worse += o.bars > o.ffd;
        }
        ffdEqual += o.ffd == o.best;
        ffdGap += static_cast<double>(o.ffd - o.best);
        times.push_back(o.seconds);
        ffdTimes.push_back(o.ffdSeconds);
    }
    const double valid = static_cast<double>(std::max<size_t>(1, n - invalid));
    auto share = [&](size_t count, double of) { return 100.0 * static_cast<double>(count) / of; };
    std::printf("%-13s %5zu | %6.1f%% %7.3f %6.1f%% %8.3f %7.2f %5zu %5zu | %6.1f%% %7.3f %8.4f %7.4f\n",
                set.c_str(), n, share(equal, valid), gap / valid, share(proven, valid), Median(times),
                times.empty() ? 0.0 : *std::max_element(times.begin(), times.end()), worse, invalid,
                share(ffdEqual, static_cast<double>(std::max<size_t>(1, n))), ffdGap / static_cast<double>(std::max<size_t>(1, n)),
                Median(ffdTimes), ffdTimes.empty() ? 0.0 : *std::max_element(ffdTimes.begin(), ffdTimes.end()));
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options))
        return 2;

    kalomax::bench::OptimizerLibrary library;
    std::string loadError;
    if (!library.Open(options.library, loadError)) {
        std::cerr << "optimality: " << loadError << "\n";
        return 1;
    }
    kalomax::bench::SetLibraryTimeLimit(options.timeLimit);

    std::error_code ec;
    if (options.sets.empty()) {
        for (const fs::directory_entry& entry : fs::directory_iterator(options.instances, ec))
            if (entry.is_directory() && fs::exists(entry.path() / "optima.tsv"))
                options.sets.push_back(entry.path().filename().string());
        std::sort(options.sets.begin(), options.sets.end());
    }
    if (options.sets.empty()) {
        std::cerr << "optimality: no sets in " << options.instances << "\n";
        return 1;
    }

    std::printf("Time limit %.3g s per instance, %s instances per set.\n", options.timeLimit,
                options.sample ? std::to_string(options.sample).c_str() : "all");
    std::printf("%-13s %5s | %-56s | %s\n", "", "", "optimizer library", "first-fit decreasing");
    std::printf("%-13s %5s | %7s %7s %7s %8s %7s %5s %5s | %7s %7s %8s %7s\n", "set", "inst", "=best", "gap",
                "proven", "median s", "max s", ">FFD", "bad", "=best", "gap", "median s", "max s");
    std::fflush(stdout);

    std::vector<Outcome> all;
    std::vector<std::string> misses;
    int status = 0;
    for (const std::string& set : options.sets) {
        const fs::path folder = options.instances / set;
        const std::map<std::string, int64_t> optima = ReadOptima(folder / "optima.tsv");
        std::vector<std::string> names;
        for (const auto& [name, best] : optima)
            if (fs::exists(folder / (name + ".txt")) &&
                (options.names.empty() ||
                 std::find(options.names.begin(), options.names.end(), name) != options.names.end()))
                names.push_back(name);
        if (names.empty() && !options.names.empty())
            continue; // none of the names asked for is in this set
        if (names.empty()) {
            std::cerr << "optimality: no instances in " << folder << "\n";
            status = 1;
            continue;
        }
        if (options.sample > 0 && options.sample < names.size()) {
            std::vector<std::string> picked;
            for (size_t k = 0; k < options.sample; ++k)
                picked.push_back(names[k * names.size() / options.sample]);
            names = std::move(picked);
        }
        std::vector<Outcome> outcomes;
        for (const std::string& name : names) {
            Instance instance;
            instance.set = set;
            instance.name = name;
            instance.bestBars = optima.at(name);
            std::string error;
            if (!ReadInstance(folder / (name + ".txt"), instance, error)) {
                std::cerr << "optimality: " << set << "/" << name << ": " << error << "\n";
                status = 1;
                continue;
            }
            Outcome outcome;
            outcome.name = set + "/" + name;
            outcome.best = instance.bestBars;

            BenchJob job(instance);
            library.setDelegate(nullptr);
            const Clock::time_point start = Clock::now();
            const int32_t result = library.launch(&job, 0.0);
            outcome.seconds = std::chrono::duration<double>(Clock::now() - start).count();
            outcome.bars = result == KX_OPTIMIZER_DONE ? CheckPlan(instance, job, error) : -1;
            if (result != KX_OPTIMIZER_DONE)
                error = "the launch returned " + std::to_string(result);
            if (outcome.bars < 0) {
                std::cerr << "optimality: " << outcome.name << ": invalid plan: " << error << "\n";
                status = 1;
            }

            const Clock::time_point ffdStart = Clock::now();
            outcome.ffd = FirstFitDecreasing(instance);
            outcome.ffdSeconds = std::chrono::duration<double>(Clock::now() - ffdStart).count();
            // The bound the run proved, where the library tells it.
            const int32_t proved = library.lowerBound && result == KX_OPTIMIZER_DONE ? library.lowerBound(0) : -1;
            outcome.bound = proved >= 0 ? proved : OwnBound(instance, options.timeLimit);
            if (outcome.bound > outcome.best) {
                std::cerr << "optimality: " << outcome.name << ": bound " << outcome.bound
                          << " above the best known " << outcome.best << "\n";
                status = 1;
            }
            if (outcome.bars != outcome.best)
                misses.push_back(outcome.name + ": " + std::to_string(outcome.bars) + " bars, best known " +
                                 std::to_string(outcome.best) + ", our bound " + std::to_string(outcome.bound) +
                                 ", FFD " + std::to_string(outcome.ffd) + ", " +
                                 std::to_string(outcome.seconds) + " s");
            outcomes.push_back(outcome);
        }
        PrintRow(set, outcomes);
        std::fflush(stdout);
        all.insert(all.end(), outcomes.begin(), outcomes.end());
    }
    PrintRow("all", all);
    std::printf("=best: bars equal to the best known; gap: mean bars above it; proven: bars equal to our own\n"
                "lower bound; >FFD: instances with more bars than first-fit decreasing; bad: invalid plans.\n");
    if (options.listMisses) {
        std::printf("\n%zu instances above the best known:\n", misses.size());
        for (const std::string& miss : misses)
            std::printf("  %s\n", miss.c_str());
    }
    return status;
}

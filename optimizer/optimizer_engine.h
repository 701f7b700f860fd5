// The optimizer behind the library's exports: reads a job through
// IOptimizer, lays out every type of bar and hands the plan back.
#ifndef KALOMAX_OPTIMIZER_OPTIMIZER_ENGINE_H
#define KALOMAX_OPTIMIZER_OPTIMIZER_ENGINE_H

#include "column_generation.h"
#include "cutting_problem.h"
#include "layout_search.h"
#include "optimizer_abi.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace kalomax::optimizer {

// One order as the program hands it over.
struct JobOrder {
    std::string profileCode, material, color, identifier;
    double length = 0;
    int32_t quantity = 0;
    int32_t typeIndex = 0;
};

// One distinct piece length of a type, with the pieces asked for per identifier.
struct JobItem {
    double length = 0;
    int32_t quantity = 0;
    std::map<std::string, int32_t> identifiers; // only identifiers that ask for pieces
};

// Everything the engine reads about one type of bar.
struct JobType {
    int32_t typeIndex = 0;
    std::vector<JobItem> items; // quantity > 0 only, longest first
    int64_t orderedPieces = 0;  // sum of the order quantities of the type
    double defaultLength = 0;
    std::vector<std::pair<double, int32_t>> stock; // in stock order
    double minReusedLength = 0;
    double maxWasteLength = 0;
};

struct Job {
    std::vector<JobType> types; // ascending type index
    int64_t totalPieces = 0;    // sum of all order quantities
    bool reuseStubs = false;
};

// Reads the whole job. Only calls the operations with indexes below the
// counts the program gave and with type indexes taken from the orders.
Job ReadJob(IOptimizer& optimizer);

// The problem of one type: items that can be cut, the bars that may be used.
CuttingProblem MakeProblem(const JobType& type, bool reuseStubs, double sawThickness);

// How good the delivered plan of one type is.
struct TypeResult {
    int32_t typeIndex = 0;
    LowerBound bound;          // what the search proved (bound.known false: nothing)
    int64_t bars = 0;          // bars of the plan
    double barLength = 0;      // their total length
    int64_t uncutPieces = 0;   // pieces that could be asked for but are not cut
    bool provenOptimal = false; // every piece cut and the bar length meets the bound
};

class COptimizerEngine {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeLimit{10000};

    COptimizerEngine();

    // Time for one whole Run; when it is over the search ends with the best
    // plan found and the types not yet searched get their first plan.
    // A limit of 0 or less gives every type its first plan only.
    void SetTimeLimit(std::chrono::milliseconds limit)
    {
        // Bounded so that now + limit cannot overflow the clock (about 115 days).
        timeLimit_ = std::clamp(limit, std::chrono::milliseconds(0), std::chrono::milliseconds(10'000'000'000));
    }
    std::chrono::milliseconds TimeLimit() const { return timeLimit_; }

    // Progress callback (may be null) on the scale of the job's total pieces.
    void SetProgress(IDelegate<int>* progress) { progress_ = progress; }

    // Replaces the search (column generation with the heuristic search as
    // its fallback by default).
    void SetSearch(std::unique_ptr<ILayoutSearch> search) { search_ = std::move(search); }

    // Safe from any thread: makes a running Run return soon. The request
    // stays until ClearStop.
    void RequestStop() { stop_.store(true); }
    void ClearStop() { stop_.store(false); }
    bool StopRequested() const { return stop_.load(); }

    // Reads the job, lays it out and delivers the plan type by type. Returns
    // KX_OPTIMIZER_DONE, or KX_OPTIMIZER_STOPPED when a stop ended it (the types
    // delivered by then are complete plans, the others are left out).
    int32_t Run(IOptimizer& optimizer, double sawThickness);

    // The types the last Run delivered, in delivery order.
    const std::vector<TypeResult>& LastResults() const { return results_; }

private:
    std::vector<TypeResult> results_;
    std::chrono::milliseconds timeLimit_ = kDefaultTimeLimit;
    IDelegate<int>* progress_ = nullptr;
    std::unique_ptr<ILayoutSearch> search_;
    std::atomic<bool> stop_{false};
};

} // namespace kalomax::optimizer

#endif

// The search that lays the pieces of one type of bar out on its bars.
//
// The engine owns the problem and the best plan; a search only proposes
// plans. Keeping it behind this interface lets another method (for example
// one based on linear programming) take the place of the heuristic one.
#ifndef KALOMAX_OPTIMIZER_LAYOUT_SEARCH_H
#define KALOMAX_OPTIMIZER_LAYOUT_SEARCH_H

#include "cutting_problem.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace kalomax::optimizer {

struct LowerBound;

using SearchClock = std::chrono::steady_clock;

// What a search may ask while it runs: whether to end, and where to report
// how far it has come.
class SearchControl {
public:
    SearchControl(const std::atomic<bool>& stop, SearchClock::time_point deadline,
                  std::function<void(double)> progress = {})
        : stop_(stop), deadline_(deadline), progress_(std::move(progress))
    {
    }

    // A stop was asked for: the run ends as soon as possible.
    bool StopRequested() const { return stop_.load(std::memory_order_relaxed); }
    // A stop was asked for or the time for this search is over.
    bool ShouldEnd() const { return StopRequested() || SearchClock::now() >= deadline_; }
    // `fraction` of the search is done (0..1).
    void ReportProgress(double fraction) const
    {
        if (progress_)
            progress_(fraction);
    }

private:
    const std::atomic<bool>& stop_;
    SearchClock::time_point deadline_;
    std::function<void(double)> progress_;
};

class ILayoutSearch {
public:
    virtual ~ILayoutSearch() = default;

    // A valid plan, built quickly. It ignores the deadline (a plan has to exist)
    // and gives nothing only when a stop is requested.
    virtual std::optional<Plan> BuildInitialPlan(const CuttingProblem& problem,
                                                 const SearchControl& control) = 0;

    // Starting from the valid plan `initial`, looks for better plans until it
    // has nothing left to try or `control` says to end; returns the best plan
    // it found. The engine checks the result and keeps `initial` when the
    // result is invalid or worse.
    virtual Plan Improve(const CuttingProblem& problem, const Plan& initial,
                         const SearchControl& control) = 0;

    // The lower bound the last Improve proved (nothing known by default).
    virtual LowerBound LastLowerBound() const;
};

// Constructive heuristic (repeated best-filling bar layouts), then ruin and
// recreate local search with bounded knapsack refills.
// The work limits bound the improvement: at most `maxIterations` steps, and
// it ends after `patience` steps without a better plan.
std::unique_ptr<ILayoutSearch> MakeHeuristicSearch(int maxIterations = 4000, int patience = 1000);

// Column generation where the bars have one length, else the heuristic search.
std::unique_ptr<ILayoutSearch> MakeColumnGenerationSearch();

} // namespace kalomax::optimizer

#endif

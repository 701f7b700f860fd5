// The plans of bench/general: the check every plan of the library passes
// before it counts, and first-fit decreasing as the baseline.
#ifndef KALOMAX_BENCH_GENERAL_PLAN_H
#define KALOMAX_BENCH_GENERAL_PLAN_H

#include "general_bound.h"
#include "general_jobs.h"
#include "library_driver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kalomax::bench {

struct PlanFigures {
    int64_t bars = 0;
    double consumed = 0;             // total length of the bars cut
    std::vector<BarColumn> columns;  // the plan's layouts, for the bound to start from
};

// False with `error` set unless the delivered items are the job's, every
// piece is cut exactly as ordered, every bar is a usable length within its
// stock and holds its pieces with a saw cut between two of them.
bool CheckPlan(const GeneralJob& job, bool reuseStubs, const RecordingJob& plan, PlanFigures& figures,
               std::string& error);

// Pieces longest first, each on the first open bar it fits on, else on the
// shortest usable bar that holds it (stock first where it is as short).
PlanFigures FirstFitDecreasing(const GeneralJob& job, bool reuseStubs);

} // namespace kalomax::bench

#endif

// The objective the search minimises, compared term by term in this order.
#ifndef KALOMAX_OPTIMIZER_PLAN_SCORE_H
#define KALOMAX_OPTIMIZER_PLAN_SCORE_H

#include "cutting_problem.h"

namespace kalomax::optimizer {

struct PlanScore {
    int64_t uncutPieces = 0;     // 1. pieces that could be asked for but are not cut
    double barLength = 0;        // 2. length of all bars cut, stock and new
    double newBarLength = 0;     // 3. length of the bars that have to be bought
    double wasteLength = 0;      // 4. leftovers shorter than the minimum reused length, plus saw cuts
    int64_t middleLeftovers = 0; // 5. leftovers longer than the maximum waste length and shorter
                                 //    than the minimum reused length
    int64_t layoutCount = 0;     // 6. distinct layouts
};

PlanScore ScorePlan(const CuttingProblem& problem, const Plan& plan);

// < 0 when `a` is the better plan, 0 when they are equal (lengths within a
// rounding tolerance), > 0 when `b` is better.
int ComparePlanScores(const PlanScore& a, const PlanScore& b);

} // namespace kalomax::optimizer

#endif

// A lower bound on the bar length any plan of a bench/general job consumes.
//
// The LP "least total bar length such that every piece is cut, no more bars
// of a stock length than in stock" is solved by column generation: columns
// are bar layouts of every usable length, the pricing problem is a bounded
// knapsack over the dual values with a piece taking its length plus a saw
// cut of a bar of its length plus a saw cut. Lengths lie on a grid, so the
// knapsack is an exact dynamic programme. For any duals the Lagrangian value
// is a proven bound, whatever the LP solver's accuracy; the best one is
// rounded up to the least bar length a plan can consume (a sum of usable
// bar lengths).
#ifndef KALOMAX_BENCH_GENERAL_BOUND_H
#define KALOMAX_BENCH_GENERAL_BOUND_H

#include "general_jobs.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace kalomax::bench {

// One bar layout: `pieces[i]` pieces of item i on a bar of usable length `bar`.
struct BarColumn {
    size_t bar = 0;
    std::vector<int32_t> pieces;
};

struct ConsumedLengthBound {
    bool known = false;     // false: lengths off the grid or the LP solver failed
    double lpBound = 0;     // proven bound on the LP value
    double bound = 0;       // lpBound rounded up to a consumable length
    bool converged = false; // no layout priced out: lpBound is the LP value
    int rounds = 0;         // pricing rounds
};

// `items`: length and demand, `bars`: the usable bars, `start`: layouts of a
// known plan to begin with. Ends after `seconds` with the bound proven so far.
ConsumedLengthBound BoundConsumedLength(const std::vector<std::pair<double, int32_t>>& items,
                                        const std::vector<BarSupply>& bars, double sawThickness,
                                        const std::vector<BarColumn>& start, double seconds);

} // namespace kalomax::bench

#endif

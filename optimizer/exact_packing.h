// Exact search for a layout of pieces on a given number of bars of one
// length, for plans one bar above a tight lower bound.
//
// Every item has a value such that no bar carries more than 1 (duals of the
// master LP, scaled). A bar's loss, 1 less the value of its pieces, is then
// never negative, and the losses of the bars of a layout add up to the bars
// less the value of all pieces: that bounds the loss of every bar. When the
// values are nearly optimal duals and the bars are the LP bound rounded up,
// few bars are that good, and the layout is an exact cover of the pieces by
// them.
#ifndef KALOMAX_OPTIMIZER_EXACT_PACKING_H
#define KALOMAX_OPTIMIZER_EXACT_PACKING_H

#include "cutting_problem.h"
#include "layout_search.h"

#include <cstdint>
#include <vector>

namespace kalomax::optimizer {

struct PackingResult {
    enum class Outcome { Found, Impossible, Undecided };
    Outcome outcome = Outcome::Undecided;
    Plan plan; // the pieces on at most the bars asked for, when found
};

// Lays out the pieces of `rest` on at most `bars` bars of the problem's
// first length, or proves that no layout does, within about `steps` steps:
// every bar within the bound on the loss is listed, then they are chosen
// depth first, covering first the item the fewest bars are left for.
// Undecided when the steps run out or the search is told to end.
PackingResult PackOnBars(const CuttingProblem& problem, const std::vector<int64_t>& rest, int64_t bars,
                         const std::vector<double>& values, int64_t steps, const SearchControl& control);

} // namespace kalomax::optimizer

#endif

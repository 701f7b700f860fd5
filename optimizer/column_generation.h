// Lower bounds and the search based on linear programming.
//
// For a type whose bars all have one length (no stock of other lengths in
// use), the master problem "fewest bars such that every piece is cut" is
// solved as a linear program by column generation: the columns are bar
// layouts, the pricing problem is a bounded knapsack over the dual values.
// Its value rounded up is a lower bound on the bars of every plan; integer
// plans come from rounding the LP solution and laying out the rest.
#ifndef KALOMAX_OPTIMIZER_COLUMN_GENERATION_H
#define KALOMAX_OPTIMIZER_COLUMN_GENERATION_H

#include "cutting_problem.h"
#include "layout_search.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kalomax::optimizer {

// What is known about the least bar length any plan of a problem needs,
// among the plans that cut every piece that can be cut.
struct LowerBound {
    bool known = false;
    double barLength = 0; // bound on the total length of the bars cut
    int64_t bars = -1;    // bound on the number of bars; -1 when the bars have several lengths
    double lpValue = -1;  // the LP value in bars when the column generation finished, else -1
};

// True when the problem's bars have one length that can be bought without
// limit: the case the column generation handles.
bool HasSingleBarLength(const CuttingProblem& problem);

// Bound on the bars of one length from the sizes alone (Martello and Toth's
// L2, with a saw cut per piece); 0 for an empty problem.
int64_t SizeBound(const CuttingProblem& problem);

// The bound the column generation proves within `control`; for several bar
// lengths only the length of the pieces.
LowerBound ComputeLowerBound(const CuttingProblem& problem, const SearchControl& control);

// Whether the LP solver is built in.
bool HasLinearProgramming();

// Column generation with rounding where the bars have one length, the
// heuristic search otherwise and whenever the LP solver fails; the
// heuristic's constructive plan is the first plan in every case.
class ColumnGenerationSearch final : public ILayoutSearch {
public:
    ColumnGenerationSearch();
    ~ColumnGenerationSearch() override;

    std::optional<Plan> BuildInitialPlan(const CuttingProblem& problem,
                                         const SearchControl& control) override;
    Plan Improve(const CuttingProblem& problem, const Plan& initial,
                 const SearchControl& control) override;
    LowerBound LastLowerBound() const override { return bound_; }

private:
    std::unique_ptr<ILayoutSearch> heuristic_;
    LowerBound bound_;
};

} // namespace kalomax::optimizer

#endif

// The data the cutting search works on: one type of bar at a time.
#ifndef KALOMAX_OPTIMIZER_CUTTING_PROBLEM_H
#define KALOMAX_OPTIMIZER_CUTTING_PROBLEM_H

#include <cstdint>
#include <limits>
#include <vector>

namespace kalomax::optimizer {

// Lengths are compared with this slack (millimetres) so that sums of
// floating-point lengths that are equal on paper still fit.
inline constexpr double kFitTolerance = 1e-7;

// Availability of the default length: new bars can always be bought.
inline constexpr int64_t kUnlimited = std::numeric_limits<int64_t>::max() / 4;

// One length of bar that may be cut.
struct BarKind {
    double length = 0;     // bit-identical to the stock length or the default length
    int64_t available = 0; // how many bars of this length may be used (kUnlimited for new bars)
    int64_t inStock = 0;   // of these, how many are already in stock; the rest are bought
};

// One type of bar: the piece lengths with their demand and the bars to cut.
struct CuttingProblem {
    std::vector<double> pieceLengths; // one per item, in delivery order (longest first)
    std::vector<int64_t> demand;      // pieces to lay out per item (0 when it cannot be cut)
    std::vector<BarKind> kinds;       // ascending length, all lengths distinct
    double sawThickness = 0;          // >= 0
    double minReusedLength = 0;
    double maxWasteLength = 0;
};

// `barCount` bars of kind `kind`, each carrying pieces[i] pieces of item i.
struct Layout {
    int32_t kind = 0;
    std::vector<int32_t> pieces;
    int64_t barCount = 0;
};

using Plan = std::vector<Layout>;

// Sum of the piece lengths of one bar.
double PiecesLength(const CuttingProblem& problem, const std::vector<int32_t>& pieces);
// Number of pieces on one bar.
int64_t PieceCount(const std::vector<int32_t>& pieces);
// Length a bar needs for these pieces: pieces plus one saw cut between two pieces.
double RequiredLength(const CuttingProblem& problem, const std::vector<int32_t>& pieces);
// The part of a bar of `barLength` taken by the pieces and a saw cut after each.
double UsedLength(const CuttingProblem& problem, const std::vector<int32_t>& pieces,
                  double barLength);
bool FitsOnBar(const CuttingProblem& problem, const std::vector<int32_t>& pieces,
               double barLength);

// True when `plan` respects the problem: known kinds, fitting pieces, no more
// bars of a kind than available and no more pieces than demanded.
bool IsValidPlan(const CuttingProblem& problem, const Plan& plan);

// Pieces per item that the plan leaves uncut.
std::vector<int64_t> UncutDemand(const CuttingProblem& problem, const Plan& plan);

// Bars of each kind that the plan leaves unused.
std::vector<int64_t> UnusedBars(const CuttingProblem& problem, const Plan& plan);

// Puts equal layouts together and sorts the plan into its delivery order:
// longest bar first, then most bars, then the pieces.
void NormalizePlan(Plan& plan);

} // namespace kalomax::optimizer

#endif

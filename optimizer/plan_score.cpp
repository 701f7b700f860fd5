#include "plan_score.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace kalomax::optimizer {

PlanScore ScorePlan(const CuttingProblem& problem, const Plan& plan)
{
    PlanScore score;
    for (int64_t rest : UncutDemand(problem, plan))
        score.uncutPieces += rest;

    std::vector<int64_t> barsOfKind(problem.kinds.size(), 0);
    std::set<std::pair<int32_t, std::vector<int32_t>>> distinct;
    for (const Layout& layout : plan) {
        const double barLength = problem.kinds[layout.kind].length;
        const double count = static_cast<double>(layout.barCount);
        const double used = UsedLength(problem, layout.pieces, barLength);
        const double stub = barLength - used;
        score.barLength += count * barLength;
        double waste = used - PiecesLength(problem, layout.pieces);
        if (stub < problem.minReusedLength) {
            waste += stub;
            if (stub > problem.maxWasteLength)
                score.middleLeftovers += layout.barCount;
        }
        score.wasteLength += count * waste;
        barsOfKind[layout.kind] += layout.barCount;
        distinct.insert({layout.kind, layout.pieces});
    }
    for (size_t k = 0; k < barsOfKind.size(); ++k) {
        int64_t bought = barsOfKind[k] - problem.kinds[k].inStock;
        if (bought > 0)
            score.newBarLength += static_cast<double>(bought) * problem.kinds[k].length;
    }
    score.layoutCount = static_cast<int64_t>(distinct.size());
    return score;
}

namespace {

int CompareLengths(double a, double b)
{
    const double tolerance = 1e-6 + 1e-12 * std::max(std::fabs(a), std::fabs(b));
    if (a < b - tolerance)
        return -1;
    if (a > b + tolerance)
        return 1;
    return 0;
}

int CompareCounts(int64_t a, int64_t b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

} // namespace

int ComparePlanScores(const PlanScore& a, const PlanScore& b)
{
    if (int c = CompareCounts(a.uncutPieces, b.uncutPieces))
        return c;
    if (int c = CompareLengths(a.barLength, b.barLength))
        return c;
    if (int c = CompareLengths(a.newBarLength, b.newBarLength))
        return c;
    if (int c = CompareLengths(a.wasteLength, b.wasteLength))
        return c;
    if (int c = CompareCounts(a.middleLeftovers, b.middleLeftovers))
        return c;
    return CompareCounts(a.layoutCount, b.layoutCount);
}

} // namespace kalomax::optimizer

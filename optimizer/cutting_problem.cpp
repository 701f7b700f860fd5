#include "cutting_problem.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace kalomax::optimizer {

double PiecesLength(const CuttingProblem& problem, const std::vector<int32_t>& pieces)
{
    double sum = 0;
    for (size_t i = 0; i < pieces.size(); ++i)
        sum += pieces[i] * problem.pieceLengths[i];
    return sum;
}

int64_t PieceCount(const std::vector<int32_t>& pieces)
{
    int64_t count = 0;
    for (int32_t p : pieces)
        count += p;
    return count;
}

double RequiredLength(const CuttingProblem& problem, const std::vector<int32_t>& pieces)
{
    int64_t n = PieceCount(pieces);
    if (n == 0)
        return 0;
    return PiecesLength(problem, pieces) + static_cast<double>(n - 1) * problem.sawThickness;
}

double UsedLength(const CuttingProblem& problem, const std::vector<int32_t>& pieces,
                  double barLength)
{
    double used = PiecesLength(problem, pieces) +
                  static_cast<double>(PieceCount(pieces)) * problem.sawThickness;
    return std::min(barLength, used);
}

bool FitsOnBar(const CuttingProblem& problem, const std::vector<int32_t>& pieces,
               double barLength)
{
    return RequiredLength(problem, pieces) <= barLength + kFitTolerance;
}

bool IsValidPlan(const CuttingProblem& problem, const Plan& plan)
{
    std::vector<int64_t> used(problem.kinds.size(), 0);
    std::vector<int64_t> cut(problem.pieceLengths.size(), 0);
    for (const Layout& layout : plan) {
        if (layout.kind < 0 || static_cast<size_t>(layout.kind) >= problem.kinds.size())
            return false;
        if (layout.pieces.size() != problem.pieceLengths.size() || layout.barCount <= 0)
            return false;
        if (std::any_of(layout.pieces.begin(), layout.pieces.end(), [](int32_t p) { return p < 0; }))
            return false;
        if (PieceCount(layout.pieces) == 0)
            return false;
        if (!FitsOnBar(problem, layout.pieces, problem.kinds[layout.kind].length))
            return false;
        used[layout.kind] += layout.barCount;
        if (used[layout.kind] > problem.kinds[layout.kind].available)
            return false;
        for (size_t i = 0; i < layout.pieces.size(); ++i)
            cut[i] += layout.pieces[i] * layout.barCount;
    }
    for (size_t i = 0; i < cut.size(); ++i)
        if (cut[i] > problem.demand[i])
            return false;
    return true;
}

std::vector<int64_t> UncutDemand(const CuttingProblem& problem, const Plan& plan)
{
    std::vector<int64_t> rest = problem.demand;
    for (const Layout& layout : plan)
        for (size_t i = 0; i < layout.pieces.size(); ++i)
            rest[i] -= layout.pieces[i] * layout.barCount;
    return rest;
}

std::vector<int64_t> UnusedBars(const CuttingProblem& problem, const Plan& plan)
{
    std::vector<int64_t> rest(problem.kinds.size());
    for (size_t k = 0; k < rest.size(); ++k)
        rest[k] = problem.kinds[k].available;
    for (const Layout& layout : plan)
        rest[layout.kind] -= layout.barCount;
    return rest;
}

void NormalizePlan(Plan& plan)
{
    std::map<std::pair<int32_t, std::vector<int32_t>>, int64_t> merged;
    for (Layout& layout : plan)
        if (layout.barCount > 0)
            merged[{layout.kind, std::move(layout.pieces)}] += layout.barCount;
    plan.clear();
    for (auto& [key, count] : merged)
        plan.push_back(Layout{key.first, key.second, count});
    // Kinds are in ascending length, so a descending kind puts the longest bar first.
    std::sort(plan.begin(), plan.end(), [](const Layout& a, const Layout& b) {
        return std::tie(b.kind, b.barCount, b.pieces) < std::tie(a.kind, a.barCount, a.pieces);
    });
}

} // namespace kalomax::optimizer

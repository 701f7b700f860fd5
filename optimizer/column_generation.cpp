#include "column_generation.h"

#include "exact_packing.h"
#include "plan_score.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <set>

#if defined(KALOMAX_HAVE_CLP)
#include <coin/ClpSimplex.hpp>
#endif

namespace kalomax::optimizer {
namespace {

int64_t BarCount(const Plan& plan)
{
    int64_t bars = 0;
    for (const Layout& layout : plan)
        bars += layout.barCount;
    return bars;
}

int64_t TotalDemand(const std::vector<int64_t>& demand)
{
    int64_t sum = 0;
    for (int64_t d : demand)
        sum += std::max<int64_t>(0, d);
    return sum;
}

// Pieces of item i that fit on one bar, saturated.
int64_t PiecesPerBar(double weight, double capacity)
{
    if (weight <= 0)
        return 0;
    const double fit = std::floor((capacity + kFitTolerance / 2) / weight);
    return static_cast<int64_t>(std::clamp(fit, 0.0, 2e9));
}

// ceil(value) for a bound computed in floating point: a value a hair above
// an integer (rounding noise) does not count as the next integer.
int64_t CeilBound(double value)
{
    return static_cast<int64_t>(std::ceil(value - 1e-6 - 1e-9 * std::fabs(value)));
}

// Best-fit decreasing of `rest` on bars of one length: every piece, longest
// first, on the bar it leaves the shortest leftover on, else on a new bar.
// Returns nothing when there are too many pieces for it.
std::optional<Plan> BestFitOnOneLength(const CuttingProblem& problem, std::vector<int64_t> rest)
{
    constexpr int64_t kMaxPieces = 200000;
    if (TotalDemand(rest) > kMaxPieces)
        return std::nullopt;
    const double length = problem.kinds[0].length;
    const size_t n = problem.pieceLengths.size();
    std::vector<size_t> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return problem.pieceLengths[a] > problem.pieceLengths[b]; });
    std::multimap<double, size_t> byRoom; // room left (for the next piece plus its saw cut) -> bar
    std::vector<std::vector<int32_t>> bars;
    const double kerf = problem.sawThickness;
    for (size_t i : order) {
        const double weight = problem.pieceLengths[i] + kerf;
        for (; rest[i] > 0; --rest[i]) {
            auto it = byRoom.lower_bound(weight - kFitTolerance / 2);
            size_t bar;
            double room;
            if (it != byRoom.end()) {
                bar = it->second;
                room = it->first;
                byRoom.erase(it);
            } else {
                bar = bars.size();
                bars.emplace_back(n, 0);
                room = length + kerf;
            }
            std::vector<int32_t>& pieces = bars[bar];
            ++pieces[i];
            if (!FitsOnBar(problem, pieces, length)) {
                --pieces[i]; // rounding disagreement: a bar of its own
                bars.emplace_back(n, 0);
                bars.back()[i] = 1;
                byRoom.emplace(length + kerf, bar);
                bar = bars.size() - 1;
                room = length + kerf;
            }
            byRoom.emplace(room - weight, bar);
        }
    }
    Plan plan;
    for (std::vector<int32_t>& pieces : bars)
        if (PieceCount(pieces) > 0)
            plan.push_back(Layout{0, std::move(pieces), 1});
    NormalizePlan(plan);
    return plan;
}

} // namespace

bool HasSingleBarLength(const CuttingProblem& problem)
{
    return problem.kinds.size() == 1 && problem.kinds[0].available >= kUnlimited / 2 &&
           problem.kinds[0].length > 0;
}

int64_t SizeBound(const CuttingProblem& problem)
{
    if (problem.kinds.empty())
        return 0;
    const double capacity = problem.kinds.back().length + problem.sawThickness;
    std::vector<std::pair<double, int64_t>> items; // weight, count; longest first
    for (size_t i = 0; i < problem.pieceLengths.size(); ++i)
        if (problem.demand[i] > 0)
            items.push_back({problem.pieceLengths[i] + problem.sawThickness, problem.demand[i]});
    std::sort(items.begin(), items.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    const double tolerance = kFitTolerance / 2;
    // L2: for a threshold a, pieces above capacity - a each need a bar of
    // their own, pieces above half the capacity too, and the pieces of at
    // least a that fit in neither need the rest.
    int64_t best = 0;
    std::vector<double> thresholds{0};
    for (const auto& item : items)
        if (item.first <= capacity / 2 + tolerance)
            thresholds.push_back(item.first);
    for (double a : thresholds) {
        int64_t big = 0, mid = 0;
        double midRoom = 0, small = 0;
        for (const auto& [weight, count] : items) {
            const double c = static_cast<double>(count);
            if (weight > capacity - a + tolerance)
                big += count;
            else if (weight > capacity / 2 + tolerance) {
                mid += count;
                midRoom += c * (capacity - weight);
            } else if (weight >= a - tolerance)
                small += c * weight;
        }
        const double over = small - midRoom;
        const int64_t extra = over > tolerance ? CeilBound(over / capacity) : 0;
        best = std::max(best, big + mid + std::max<int64_t>(0, extra));
    }
    return best;
}

namespace {

// The bounded knapsack of the pricing: the most dual value one bar can
// carry. Depth first over the items by falling value per length, with the
// fractional (Dantzig) bound and a node limit.
class KnapsackPricing {
public:
    explicit KnapsackPricing(const CuttingProblem& problem) : n_(problem.pieceLengths.size())
    {
        capacity_ = problem.kinds[0].length + problem.sawThickness;
        weights_.resize(n_);
        for (size_t i = 0; i < n_; ++i)
            weights_[i] = problem.pieceLengths[i] + problem.sawThickness;
        // Lengths on a grid of 1, 0.1, 0.01 or 0.001 allow an exact dynamic
        // programme over the bar's length.
        for (double scale : {1.0, 10.0, 100.0, 1000.0}) {
            const double units = std::floor(capacity_ * scale + 1e-6);
            if (units > 2e7)
                break;
            bool onGrid = std::fabs(capacity_ * scale - std::round(capacity_ * scale)) < 1e-6;
            std::vector<int64_t> grid(n_);
            for (size_t i = 0; i < n_ && onGrid; ++i) {
                const double w = weights_[i] * scale;
                onGrid = std::fabs(w - std::round(w)) < 1e-6;
                grid[i] = static_cast<int64_t>(std::round(w));
            }
            if (onGrid) {
                gridCapacity_ = static_cast<int64_t>(units);
                gridWeights_ = std::move(grid);
                break;
            }
        }
    }

    // Returns false when a stop was requested.
    bool Solve(const std::vector<double>& profit, const std::vector<int64_t>& bounds, int64_t nodeLimit,
               const SearchControl& control)
    {
        // Small grids and many long pieces (a column around each of them per
        // round): the dynamic programme at once; other large grids only
        // when the branch and bound runs out of nodes.
        const double work = GridWork(bounds);
        if (work <= kQuickGridWork || (LongPieces(bounds) >= kManyLongPieces && GridWork(bounds, false) <= kLongGridWork))
            return SolveOnGrid(profit, bounds, control);
        const bool ok = SolveByBranching(profit, bounds, nodeLimit, control);
        if (ok && !exact && work <= kMaxGridWork)
            return SolveOnGrid(profit, bounds, control);
        return ok;
    }

    // Whether the pricing for these bounds is the exact dynamic programme
    // of small work.
    bool IsQuick(const std::vector<int64_t>& bounds) const { return GridWork(bounds) <= kQuickGridWork; }

private:
    static constexpr double kQuickGridWork = 3e6;
    static constexpr double kMaxGridWork = 1.5e8;
    static constexpr double kLongGridWork = 5e7;
    static constexpr size_t kManyLongPieces = 8;

    bool IsLong(size_t i) const { return 2 * gridWeights_[i] > gridCapacity_; }

    // Items asked for of which a bar takes at most one.
    size_t LongPieces(const std::vector<int64_t>& bounds) const
    {
        size_t count = 0;
        for (size_t i = 0; i < n_ && gridCapacity_ > 0; ++i)
            if (bounds[i] > 0 && gridWeights_[i] <= gridCapacity_ && IsLong(i))
                ++count;
        return count;
    }

    // Work of the dynamic programme (capacity x pieces after binary
    // splitting), infinite when the lengths are not on a grid. The long
    // pieces count for a pricing that does not take them apart.
    double GridWork(const std::vector<int64_t>& bounds, bool withLong = true) const
    {
        if (gridCapacity_ <= 0)
            return std::numeric_limits<double>::infinity();
        double chunks = 0;
        for (size_t i = 0; i < n_; ++i)
            if (bounds[i] > 0 && gridWeights_[i] > 0 && gridWeights_[i] <= gridCapacity_ && (withLong || !IsLong(i)))
                chunks += std::floor(std::log2(static_cast<double>(
                              std::min<int64_t>(bounds[i], gridCapacity_ / gridWeights_[i])))) + 1;
        return chunks * static_cast<double>(gridCapacity_ + 1);
    }

    bool SolveOnGrid(const std::vector<double>& profit, const std::vector<int64_t>& bounds,
                     const SearchControl& control)
    {
        struct Chunk {
            size_t item;
            int64_t copies;
        };
        // A bar takes at most one of the long pieces (over half its length):
        // the best bars of the others for every length give the best bar
        // around each long piece in one go.
        std::vector<Chunk> chunks, longChunks;
        for (size_t i = 0; i < n_; ++i) {
            if (!(profit[i] > 1e-12) || bounds[i] <= 0 || gridWeights_[i] <= 0 || gridWeights_[i] > gridCapacity_)
                continue;
            if (IsLong(i)) {
                longChunks.push_back({i, 1});
                continue;
            }
            int64_t left = std::min<int64_t>(bounds[i], gridCapacity_ / gridWeights_[i]);
            for (int64_t k = 1; left > 0; k *= 2) {
                const int64_t take = std::min(k, left);
                chunks.push_back({i, take});
                left -= take;
            }
        }
        // The most value within each length, chunk by chunk, into a second
        // array (no dependence between lengths: the loop vectorizes); every
        // cell of the work areas is written, so they are kept, not cleared.
        const size_t width = static_cast<size_t>(gridCapacity_) + 1;
        value_.assign(width, 0);
        next_.resize(width);
        taken_.resize(chunks.size() * width);
        for (size_t t = 0; t < chunks.size(); ++t) {
            if (t % 16 == 0 && control.StopRequested())
                return false;
            const size_t w = static_cast<size_t>(gridWeights_[chunks[t].item] * chunks[t].copies);
            const double p = profit[chunks[t].item] * static_cast<double>(chunks[t].copies);
            const double* before = value_.data();
            double* after = next_.data();
            uint8_t* row = taken_.data() + t * width;
            std::copy(before, before + w, after);
            std::fill(row, row + w, uint8_t{0});
            for (size_t c = w; c < width; ++c) {
                const double with = before[c - w] + p;
                const bool take = with > before[c] + 1e-15;
                after[c] = take ? with : before[c];
                row[c] = take;
            }
            value_.swap(next_);
        }
        const std::vector<double>& value = value_;
        const std::vector<uint8_t>& taken = taken_;
        // Adds the pieces of the best bar within c.
        auto trace = [&](int64_t c, std::vector<int32_t>& pieces) {
            for (size_t t = chunks.size(); t-- > 0;)
                if (taken[t * width + static_cast<size_t>(c)]) {
                    pieces[chunks[t].item] += static_cast<int32_t>(chunks[t].copies);
                    c -= gridWeights_[chunks[t].item] * chunks[t].copies;
                }
        };
        // Bars without a long piece: the best one and a few more nearly as
        // good ones from other lengths used. Bars with one: the best around
        // each long piece. The columns are those that price out, best last.
        std::vector<std::pair<double, std::vector<int32_t>>> found;
        const size_t tops = std::min<size_t>(width, 256);
        std::vector<int64_t> ends(width);
        std::iota(ends.begin(), ends.end(), 0);
        std::partial_sort(ends.begin(), ends.begin() + static_cast<std::ptrdiff_t>(tops), ends.end(),
                          [&](int64_t a, int64_t b) { return value[a] > value[b]; });
        bestValue = value[ends[0]];
        for (size_t e = 0; e < tops && found.size() < kColumnsPerRound && value[ends[e]] > kImproving; ++e) {
            std::vector<int32_t> pieces(n_, 0);
            trace(ends[e], pieces);
            found.push_back({value[ends[e]], std::move(pieces)});
        }
        std::vector<std::pair<double, size_t>> around;
        for (const Chunk& chunk : longChunks) {
            const double v = profit[chunk.item] + value[static_cast<size_t>(gridCapacity_ - gridWeights_[chunk.item])];
            bestValue = std::max(bestValue, v);
            if (v > kImproving)
                around.push_back({v, chunk.item});
        }
        std::sort(around.begin(), around.end(), std::greater<>());
        around.resize(std::min(around.size(), kLongColumnsPerRound));
        for (const auto& [v, item] : around) {
            std::vector<int32_t> pieces(n_, 0);
            trace(gridCapacity_ - gridWeights_[item], pieces);
            pieces[item] = 1;
            found.push_back({v, std::move(pieces)});
        }
        exact = true;
        upperBound = std::max(bestValue, kImproving);
        std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        columns.clear();
        std::set<std::vector<int32_t>> seen;
        for (auto& [v, pieces] : found)
            if (seen.insert(pieces).second)
                columns.push_back(std::move(pieces));
        return true;
    }

public:
    bool SolveByBranching(const std::vector<double>& profit, const std::vector<int64_t>& bounds, int64_t nodeLimit,
                          const SearchControl& control)
    {
        order_.clear();
        for (size_t i = 0; i < n_; ++i)
            if (profit[i] > 1e-12 && bounds[i] > 0 && PiecesPerBar(weights_[i], capacity_) > 0)
                order_.push_back(i);
        std::sort(order_.begin(), order_.end(), [&](size_t a, size_t b) {
            const double ra = profit[a] / weights_[a], rb = profit[b] / weights_[b];
            return ra != rb ? ra > rb : weights_[a] > weights_[b];
        });
        const size_t m = order_.size();
        count_.resize(m);
        ratio_.resize(m);
        profit_.resize(m);
        weight_.resize(m);
        prefixWeight_.assign(m + 1, 0);
        prefixProfit_.assign(m + 1, 0);
        for (size_t s = 0; s < m; ++s) {
            const size_t i = order_[s];
            weight_[s] = weights_[i];
            profit_[s] = profit[i];
            ratio_[s] = profit[i] / weights_[i];
            count_[s] = std::min(bounds[i], PiecesPerBar(weights_[i], capacity_));
            prefixWeight_[s + 1] = prefixWeight_[s] + static_cast<double>(count_[s]) * weight_[s];
            prefixProfit_[s + 1] = prefixProfit_[s] + static_cast<double>(count_[s]) * profit_[s];
        }
        current_.assign(m, 0);
        bestValue = 0;
        best_.assign(m, 0);
        columns.clear();
        nodes_ = 0;
        nodeLimit_ = nodeLimit;
        control_ = &control;
        aborted_ = false;
        const double room = capacity_ + kFitTolerance / 2;
        upperBound = Bound(0, room);
        Descend(0, room, 0);
        exact = nodes_ < nodeLimit_ && !aborted_;
        if (exact)
            upperBound = std::max(bestValue, kImproving);
        upperBound = std::max(upperBound, bestValue);
        return !aborted_;
    }

    // A bar prices out when it carries more dual value than this (its
    // reduced cost is then clearly below the solver's tolerances).
    static constexpr double kImproving = 1 + 1e-6;

    double bestValue = 0;   // the most dual value found on one bar (exact only up to kImproving)
    double upperBound = 0;  // no bar carries more dual value
    bool exact = false;
    // The last improving bars found (value above 1), in item space, best last.
    std::vector<std::vector<int32_t>> columns;

private:
    static constexpr size_t kColumnsPerRound = 8;
    static constexpr size_t kLongColumnsPerRound = 64;

    double Bound(size_t s, double room) const
    {
        // Items s.. taken whole while they fit, then a fraction of the next.
        const double target = prefixWeight_[s] + room;
        const size_t t = static_cast<size_t>(
            std::upper_bound(prefixWeight_.begin() + static_cast<std::ptrdiff_t>(s), prefixWeight_.end(), target) -
            prefixWeight_.begin() - 1);
        double value = prefixProfit_[t] - prefixProfit_[s];
        if (t < order_.size())
            value += (target - prefixWeight_[t]) * ratio_[t];
        return value;
    }

    void Descend(size_t s, double room, double value)
    {
        if (++nodes_ % 1024 == 0 && control_->StopRequested())
            aborted_ = true;
        if (value > bestValue + 1e-12) {
            bestValue = value;
            best_ = current_;
            if (value > kImproving)
                Record();
        }
        if (s == order_.size() || aborted_ || nodes_ >= nodeLimit_)
            return;
        // Bars that cannot price out do not matter, whatever their value.
        if (value + Bound(s, room) <= std::max(bestValue, kImproving) + 1e-12)
            return;
        const int64_t most = std::min<int64_t>(count_[s], static_cast<int64_t>(std::min(room / weight_[s], 2e9)));
        for (int64_t x = most; x >= 0; --x) {
            current_[s] = static_cast<int32_t>(x);
            Descend(s + 1, room - static_cast<double>(x) * weight_[s], value + static_cast<double>(x) * profit_[s]);
            if (aborted_ || nodes_ >= nodeLimit_)
                break;
        }
        current_[s] = 0;
    }

    void Record()
    {
        std::vector<int32_t> pieces(n_, 0);
        for (size_t s = 0; s < order_.size(); ++s)
            pieces[order_[s]] = current_[s];
        if (columns.size() == kColumnsPerRound)
            columns.erase(columns.begin());
        columns.push_back(std::move(pieces));
    }

    size_t n_;
    double capacity_ = 0;
    std::vector<double> weights_;
    int64_t gridCapacity_ = 0;          // 0: the lengths are not on a grid
    std::vector<int64_t> gridWeights_;
    std::vector<size_t> order_;
    std::vector<int64_t> count_;
    std::vector<double> ratio_, profit_, weight_, prefixWeight_, prefixProfit_;
    std::vector<int32_t> current_, best_;
    std::vector<double> value_, next_; // work areas of the dynamic programme
    std::vector<uint8_t> taken_;
    int64_t nodes_ = 0, nodeLimit_ = 0;
    const SearchControl* control_ = nullptr;
    bool aborted_ = false;
};

constexpr int64_t kPricingNodes = 200000;
constexpr int64_t kMaxPricingNodes = 64 * kPricingNodes;
constexpr double kTailingOff = 1e-3;
// Weight of the best-bound duals in the duals the pricing sees.
constexpr double kSmoothing = 0.5;
// Limit of the diving: LP solves in all. Each round of discrepancies may
// take about as many as all before, each round of random dives a quarter of
// them, at least kRandomDiveNodes.
constexpr int64_t kDiveNodes = 50000;
constexpr int64_t kRandomDiveNodes = 300;
// Generation rounds at a node of a dive, with a quick pricing and without.
constexpr int kDiveRoundsQuick = 100;
constexpr int kDiveRounds = 25;
// Levels of a dive (LP solves from its start) where a discrepancy may be spent.
constexpr int kBranchLevels = 100;
// Steps of the exact packing after the first dive; each further try after
// a round of discrepancies may take four times as many, up to the limit.
constexpr int64_t kExactPackingSteps = 2000000;
constexpr int64_t kMaxExactPackingSteps = 400000000;

#if defined(KALOMAX_HAVE_CLP)

// The restricted master LP: one row per item (at least its demand), one
// column per bar layout, each bar costing 1.
class MasterProblem {
public:
    explicit MasterProblem(const CuttingProblem& problem) : problem_(problem)
    {
        model_.setLogLevel(0);
        model_.messageHandler()->setLogLevel(0);
        model_.resize(static_cast<int>(problem.pieceLengths.size()), 0);
        AddExchanges();
        SetDemand(problem.demand);
    }

    // Sets the demand; layouts with more pieces of an item than it asks for
    // are left out (bounded to 0): they would cover it with a fraction of a
    // bar and weaken the LP.
    void SetDemand(const std::vector<int64_t>& demand)
    {
        for (size_t i = 0; i < demand.size(); ++i) {
            model_.setRowLower(static_cast<int>(i), static_cast<double>(std::max<int64_t>(0, demand[i])));
            model_.setRowUpper(static_cast<int>(i), COIN_DBL_MAX);
        }
        demand_ = demand;
        for (size_t j = 0; j < columns_.size(); ++j)
            model_.setColumnUpper(static_cast<int>(exchanges_ + j), Fits(columns_[j]) ? COIN_DBL_MAX : 0.0);
        demandChanged_ = true;
        // A layout of one item per item keeps the LP feasible.
        const double capacity = problem_.kinds[0].length + problem_.sawThickness;
        std::vector<std::vector<int32_t>> singles;
        for (size_t i = 0; i < demand.size(); ++i)
            if (demand[i] > 0) {
                singles.emplace_back(demand.size(), 0);
                singles.back()[i] = static_cast<int32_t>(
                    std::min(demand[i], PiecesPerBar(problem_.pieceLengths[i] + problem_.sawThickness, capacity)));
            }
        AddColumns(std::move(singles));
    }

    // Adds the bar layouts that fit and are not known yet, in one step;
    // returns how many were added.
    size_t AddColumns(std::vector<std::vector<int32_t>> candidates)
    {
        std::vector<int> starts{0}, rows;
        std::vector<double> elements;
        size_t added = 0;
        for (std::vector<int32_t>& pieces : candidates) {
            while (PieceCount(pieces) > 0 && !FitsOnBar(problem_, pieces, problem_.kinds[0].length))
                for (size_t i = pieces.size(); i-- > 0;)
                    if (pieces[i] > 0) {
                        --pieces[i];
                        break;
                    }
            if (PieceCount(pieces) == 0 || !known_.insert(pieces).second)
                continue;
            for (size_t i = 0; i < pieces.size(); ++i)
                if (pieces[i] > 0) {
                    rows.push_back(static_cast<int>(i));
                    elements.push_back(pieces[i]);
                }
            starts.push_back(static_cast<int>(rows.size()));
            columns_.push_back(std::move(pieces));
            ++added;
        }
        if (added > 0) {
            const std::vector<double> lower(added, 0.0), cost(added, 1.0);
            std::vector<double> upper;
            for (size_t j = columns_.size() - added; j < columns_.size(); ++j)
                upper.push_back(Fits(columns_[j]) ? COIN_DBL_MAX : 0.0);
            model_.addColumns(static_cast<int>(added), lower.data(), upper.data(), cost.data(), starts.data(),
                              rows.data(), elements.data());
        }
        return added;
    }

    // New demands keep the last basis dual feasible: the dual simplex
    // repairs it; new columns keep it primal feasible: the primal simplex
    // goes on from it.
    bool Solve()
    {
        // Work areas and the factorization are kept from one solve to the next.
        constexpr int kKeepFactorization = 1 | 2;
        if (demandChanged_)
            model_.dual(0, kKeepFactorization);
        else
            model_.primal(0, kKeepFactorization);
        demandChanged_ = false;
        return model_.status() == 0;
    }

    double Value() const { return model_.objectiveValue(); }
    const std::vector<std::vector<int32_t>>& Columns() const { return columns_; }
    double ColumnValue(size_t j) const { return model_.getColSolution()[exchanges_ + j]; }
    std::vector<double> Duals() const
    {
        std::vector<double> duals(problem_.pieceLengths.size(), 0);
        const double* row = model_.getRowPrice();
        for (size_t i = 0; i < duals.size(); ++i)
            duals[i] = std::isfinite(row[i]) ? std::max(0.0, row[i]) : 0.0;
        return duals;
    }

private:
    // Free columns that hand a piece over to the next shorter item: any bar
    // can cut the shorter piece in place of the longer one, so some optimal
    // duals fall with the length; the LP keeps to such duals and needs far
    // fewer rounds.
    void AddExchanges()
    {
        const size_t n = problem_.pieceLengths.size();
        std::vector<int> starts{0}, rows;
        std::vector<double> elements;
        for (size_t i = 0; i + 1 < n; ++i) {
            if (!(problem_.pieceLengths[i] >= problem_.pieceLengths[i + 1]))
                continue;
            rows.insert(rows.end(), {static_cast<int>(i), static_cast<int>(i + 1)});
            elements.insert(elements.end(), {-1.0, 1.0});
            starts.push_back(static_cast<int>(rows.size()));
        }
        exchanges_ = starts.size() - 1;
        const std::vector<double> lower(exchanges_, 0.0), upper(exchanges_, COIN_DBL_MAX), cost(exchanges_, 0.0);
        model_.addColumns(static_cast<int>(exchanges_), lower.data(), upper.data(), cost.data(), starts.data(),
                          rows.data(), elements.data());
    }

    const CuttingProblem& problem_;
    ClpSimplex model_;
    size_t exchanges_ = 0; // the first columns of the model
    std::set<std::vector<int32_t>> known_;
    bool Fits(const std::vector<int32_t>& pieces) const
    {
        for (size_t i = 0; i < pieces.size(); ++i)
            if (pieces[i] > std::max<int64_t>(0, demand_[i]))
                return false;
        return true;
    }

    std::vector<std::vector<int32_t>> columns_;
    std::vector<int64_t> demand_;
    bool demandChanged_ = true;
};

// As many pieces of one item as fit on a bar, for each item: columns that
// make every master problem feasible.
std::vector<std::vector<int32_t>> SingleItemColumns(const CuttingProblem& problem)
{
    const double capacity = problem.kinds[0].length + problem.sawThickness;
    std::vector<std::vector<int32_t>> columns;
    for (size_t i = 0; i < problem.pieceLengths.size(); ++i) {
        std::vector<int32_t> single(problem.pieceLengths.size(), 0);
        single[i] = static_cast<int32_t>(
            std::min(problem.demand[i], PiecesPerBar(problem.pieceLengths[i] + problem.sawThickness, capacity)));
        columns.push_back(std::move(single));
    }
    return columns;
}

struct GenerationResult {
    bool solved = false;    // the master LP was solved at least once
    bool converged = false; // no layout prices out: the LP value is the LP optimum
    bool stopped = false;   // a stop was requested
    double value = 0;       // the master's value
    double bound = 0;       // proven bound on the LP optimum for `demand`
};

// Column generation for `demand`. With `enoughAtCeiling` it ends as soon as
// the proven bound rounds up to the master's value rounded up. With `deepen`
// a pricing that finds nothing within its node limit is tried again with
// more nodes.
GenerationResult Generate(MasterProblem& master, KnapsackPricing& pricing, const std::vector<int64_t>& demand,
                          bool enoughAtCeiling, const SearchControl& control, int maxRounds = 1000000,
                          bool deepen = true)
{
    GenerationResult result;
    int64_t pricingNodes = kPricingNodes;
    std::vector<double> center; // the duals of the best bound so far
    double centerBound = 0;
    for (int round = 0;; ++round) {
        if (control.ShouldEnd()) {
            result.stopped = control.StopRequested();
            return result;
        }
        if (!master.Solve())
            return result;
        result.solved = true;
        result.value = master.Value();
        // Pricing at duals smoothed towards those of the best bound so far
        // (fewer rounds of the tailing-off LP); when nothing found there
        // prices out at the master's own duals, these are priced instead.
        const std::vector<double> duals = master.Duals();
        std::vector<double> y = duals;
        for (size_t i = 0; i < y.size() && !center.empty(); ++i)
            y[i] = kSmoothing * center[i] + (1 - kSmoothing) * duals[i];
        for (;;) {
            if (!pricing.Solve(y, demand, pricingNodes, control)) {
                result.stopped = true;
                return result;
            }
            double dualValue = 0;
            for (size_t i = 0; i < demand.size(); ++i)
                dualValue += y[i] * static_cast<double>(std::max<int64_t>(0, demand[i]));
            // Scaled by the most any bar carries, the duals are feasible: their
            // value is a bound on the LP optimum whatever the solver's accuracy.
            const double bound = pricing.upperBound > 1e-12 ? dualValue / pricing.upperBound : 0;
            result.bound = std::max(result.bound, bound);
            if (center.empty() || bound > centerBound) {
                center = y;
                centerBound = bound;
            }
            if (y == duals)
                break;
            const bool pricesOut = std::any_of(pricing.columns.begin(), pricing.columns.end(), [&](const auto& c) {
                double value = 0;
                for (size_t i = 0; i < c.size(); ++i)
                    value += c[i] * duals[i];
                return value > KnapsackPricing::kImproving;
            });
            if (pricesOut)
                break;
            y = duals;
        }
        if (pricing.exact && pricing.bestValue <= KnapsackPricing::kImproving) {
            result.converged = true;
            return result;
        }
        // A master within kTailingOff of the integer below stops too: the
        // last thousandths of a bar can take far more rounds than the rest.
        if ((enoughAtCeiling && CeilBound(result.bound) >= CeilBound(result.value - kTailingOff)) ||
            round + 1 >= maxRounds)
            return result;
        if (master.AddColumns(std::move(pricing.columns)) == 0) {
            // Nothing new prices out within the node limit: a deeper
            // search, up to a limit, before the generation gives up.
            if (!deepen || pricing.exact || pricingNodes >= kMaxPricingNodes)
                return result;
            pricingNodes *= 8;
        }
    }
}

// `pieces` trimmed to what `rest` still asks for; a piece no longer asked
// for gives its place to the next shorter one that is (items run longest
// first), as the master's exchange columns assume.
std::vector<int32_t> Trimmed(const std::vector<int32_t>& pieces, const std::vector<int64_t>& rest)
{
    std::vector<int32_t> trimmed(pieces.size(), 0);
    for (size_t i = 0; i < pieces.size(); ++i)
        trimmed[i] = static_cast<int32_t>(std::min<int64_t>(pieces[i], std::max<int64_t>(0, rest[i])));
    size_t next = 0;
    for (size_t i = 0; i < pieces.size(); ++i)
        for (int32_t k = trimmed[i]; k < pieces[i]; ++k) {
            next = std::max(next, i + 1);
            while (next < pieces.size() && trimmed[next] >= rest[next])
                ++next;
            if (next == pieces.size())
                return trimmed;
            ++trimmed[next];
        }
    return trimmed;
}

// Puts `count` bars of `pieces` into the plan, trimmed to what `rest` still
// asks for. Returns the bars added.
int64_t FixColumn(const std::vector<int32_t>& pieces, int64_t count, std::vector<int64_t>& rest, Plan& plan)
{
    int64_t full = count;
    for (size_t i = 0; i < pieces.size(); ++i)
        if (pieces[i] > 0)
            full = std::min(full, std::max<int64_t>(0, rest[i]) / pieces[i]);
    int64_t added = 0;
    if (full > 0) {
        plan.push_back(Layout{0, pieces, full});
        for (size_t i = 0; i < pieces.size(); ++i)
            rest[i] -= pieces[i] * full;
        added += full;
    }
    for (int64_t c = full; c < count; ++c) {
        std::vector<int32_t> trimmed = Trimmed(pieces, rest);
        if (PieceCount(trimmed) == 0)
            break;
        for (size_t i = 0; i < pieces.size(); ++i)
            rest[i] -= trimmed[i];
        plan.push_back(Layout{0, std::move(trimmed), 1});
        ++added;
    }
    return added;
}

// The better of best fit and the heuristic's constructive plan for the
// pieces in `rest`.
std::optional<Plan> LayOutRest(const CuttingProblem& problem, const std::vector<int64_t>& rest,
                               const SearchControl& control)
{
    std::optional<Plan> plan = BestFitOnOneLength(problem, rest);
    CuttingProblem part = problem;
    part.demand = rest;
    for (int64_t& d : part.demand)
        d = std::max<int64_t>(0, d);
    std::optional<Plan> constructed = MakeHeuristicSearch()->BuildInitialPlan(part, control);
    if (constructed && IsValidPlan(part, *constructed) && UncutDemand(part, *constructed) == std::vector<int64_t>(rest.size(), 0) &&
        (!plan || BarCount(*constructed) < BarCount(*plan)))
        plan = std::move(constructed);
    return plan;
}

// Rounds the master's solution down and lays the rest out.
std::optional<Plan> RoundDown(const CuttingProblem& problem, const MasterProblem& master,
                              const SearchControl& control)
{
    std::vector<int64_t> rest = problem.demand;
    Plan plan;
    for (size_t j = 0; j < master.Columns().size(); ++j) {
        const double x = master.ColumnValue(j);
        if (x >= 1 - 1e-9)
            FixColumn(master.Columns()[j], static_cast<int64_t>(std::min(std::floor(x + 1e-9), 4e18)), rest, plan);
    }
    std::optional<Plan> residual = LayOutRest(problem, rest, control);
    if (!residual)
        return std::nullopt;
    plan.insert(plan.end(), residual->begin(), residual->end());
    NormalizePlan(plan);
    return plan;
}

// Residual rounding ("diving") with limited discrepancy search. A dive
// fixes every layout the LP of what is left uses at least once, else rounds
// up the one it likes best, solves the LP of the rest again (with a bounded
// number of generation rounds) and goes on until nothing is left. At a node
// where a layout is rounded up, a discrepancy instead leaves that layout out
// of the rest of the dive and rounds up the next one. A branch ends as soon
// as its fixed bars plus the bound of the rest cannot beat the best plan,
// which keeps the search near the LP optimum while the best plan is one bar
// above the bound.
class Diver {
public:
    Diver(const CuttingProblem& problem, MasterProblem& master, KnapsackPricing& pricing, int64_t goal,
          int64_t target, const SearchControl& control)
        : problem_(problem), master_(master), pricing_(pricing), control_(control), goal_(goal), target_(target)
    {
    }

    // Searches with at most `discrepancies` on a path, within `nodes` more
    // LP solves. Returns the best plan with fewer bars than the target.
    std::optional<Plan> Run(int discrepancies, int64_t nodes)
    {
        nodeLimit_ = std::min(kDiveNodes, nodes_ + nodes);
        limited_ = false;
        Explore(Node{problem_.demand, {}, 0}, discrepancies, {});
        return best_;
    }

    // Dives with random choices, within `nodes` more LP solves.
    std::optional<Plan> RandomDives(std::mt19937& random, int64_t nodes)
    {
        random_ = &random;
        nodeLimit_ = std::min(kDiveNodes, nodes_ + nodes);
        while (!Exhausted() && !control_.ShouldEnd())
            Explore(Node{problem_.demand, {}, 0}, 0, {});
        random_ = nullptr;
        return best_;
    }

    // While the best plan is one bar above the bound, looks for a plan on
    // the bound among the bars of least reduced cost at the duals of the
    // whole demand, within `steps`.
    std::optional<Plan> PackExactly(int64_t steps)
    {
        if (Done() || target_ - 1 > goal_)
            return best_;
        master_.SetDemand(problem_.demand);
        const bool quick = pricing_.IsQuick(problem_.demand);
        const GenerationResult lp = Generate(master_, pricing_, problem_.demand, !quick, control_,
                                             quick ? kDiveRoundsQuick : kDiveRounds, false);
        ++nodes_;
        std::vector<double> values = master_.Duals();
        if (lp.stopped || !lp.solved || !pricing_.Solve(values, problem_.demand, kPricingNodes, control_)) {
            aborted_ = true;
            return best_;
        }
        // Scaled by the most any bar carries, the duals are feasible.
        for (double& v : values)
            v /= std::max(1.0, pricing_.upperBound);
        PackingResult packed = PackOnBars(problem_, problem_.demand, goal_, values, steps, control_);
        if (packed.outcome == PackingResult::Outcome::Found) {
            Node node{std::vector<int64_t>(problem_.demand.size(), 0), std::move(packed.plan), 0};
            node.bars = BarCount(node.plan);
            Record(node);
        }
        return best_;
    }

    int64_t Nodes() const { return nodes_; }

    // Whether another run with more discrepancies can find something new.
    bool MayGoOn() const { return !aborted_ && limited_ && nodes_ < kDiveNodes && target_ > goal_; }

private:
    struct Node {
        std::vector<int64_t> rest;
        Plan plan;
        int64_t bars = 0;
    };

    bool Done() const { return aborted_ || target_ <= goal_; }
    bool Exhausted() const { return Done() || nodes_ >= nodeLimit_; }

    void Record(Node& node)
    {
        if (node.bars >= target_)
            return;
        target_ = node.bars;
        NormalizePlan(node.plan);
        best_ = std::move(node.plan);
    }

    // Lays out what is left without the LP (time is up or the LP asks for
    // nothing) and records the plan.
    void Finish(Node& node)
    {
        std::optional<Plan> rest = LayOutRest(problem_, node.rest, control_);
        if (!rest)
            return;
        node.bars += BarCount(*rest);
        node.plan.insert(node.plan.end(), rest->begin(), rest->end());
        Record(node);
    }

    // The layouts the LP uses, best to round up first: much used, and
    // filling the bar well, as leftovers cannot be made good later.
    struct Candidate {
        double score;
        size_t column;
    };
    std::vector<Candidate> Candidates(const std::vector<double>& x, const std::vector<size_t>& tabu) const
    {
        const double capacity = problem_.kinds[0].length + problem_.sawThickness;
        std::vector<Candidate> scored;
        for (size_t j = 0; j < x.size(); ++j) {
            if (x[j] <= 1e-6 || std::find(tabu.begin(), tabu.end(), j) != tabu.end())
                continue;
            double fill = 0;
            const std::vector<int32_t>& pieces = master_.Columns()[j];
            for (size_t i = 0; i < pieces.size(); ++i)
                fill += pieces[i] * (problem_.pieceLengths[i] + problem_.sawThickness);
            scored.push_back({x[j] * x[j] * std::pow(std::min(1.0, fill / capacity), 16), j});
        }
        std::stable_sort(scored.begin(), scored.end(),
                         [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
        return scored;
    }

    // The candidate a random dive rounds up: drawn by its score.
    size_t Draw(const std::vector<Candidate>& candidates) const
    {
        double total = 0;
        for (const Candidate& c : candidates)
            total += c.score;
        double r = std::uniform_real_distribution<double>(0, total)(*random_);
        for (size_t k = 0; k < candidates.size(); ++k) {
            r -= candidates[k].score;
            if (r <= 0 && candidates[k].score > 0)
                return k;
        }
        return 0;
    }

    // Fixes bars of layout j as the LP solution `x` says: its whole part, at
    // least one. Returns the bars added.
    int64_t Fix(size_t j, double x, Node& node) const
    {
        const int64_t count = std::max<int64_t>(1, static_cast<int64_t>(std::min(std::floor(x + 1e-6), 4e18)));
        const int64_t added = FixColumn(master_.Columns()[j], count, node.rest, node.plan);
        node.bars += added;
        return added;
    }

    void Explore(Node node, int discrepancies, std::vector<size_t> tabu, int level = 0)
    {
        for (;; ++level) {
            if (Exhausted())
                return;
            if (TotalDemand(node.rest) == 0)
                return Record(node);
            master_.SetDemand(node.rest);
            // The LP solution guides the dive: it is generated to the end
            // where the pricing is quick, else only until its bound is tight.
            const bool quick = pricing_.IsQuick(node.rest);
            const GenerationResult lp =
                Generate(master_, pricing_, node.rest, !quick, control_, quick ? kDiveRoundsQuick : kDiveRounds, false);
            ++nodes_;
            if (lp.stopped || !lp.solved) {
                aborted_ = true;
                return;
            }
            if (node.bars + CeilBound(lp.bound) >= target_)
                return;
            if (control_.ShouldEnd() || lp.value < 1e-9)
                return Finish(node);
            const size_t columns = master_.Columns().size();
            std::vector<double> x(columns);
            for (size_t j = 0; j < columns; ++j)
                x[j] = master_.ColumnValue(j);
            const std::vector<Candidate> candidates = Candidates(x, tabu);
            if (candidates.empty())
                return Finish(node);
            // Discrepancy k leaves the first k candidates out of the rest of
            // the dive and fixes the next one; without one, every layout used
            // at least once is fixed, else the first candidate. A random dive
            // leaves a quarter of those used at least once alone and draws
            // the one to round up.
            const bool branching = level < kBranchLevels && !random_;
            const size_t branches =
                branching ? std::min<size_t>(candidates.size(), static_cast<size_t>(discrepancies) + 1) : 1;
            limited_ = limited_ || (branching && branches < candidates.size());
            auto fixUsed = [&](Node& n) {
                int64_t fixed = 0;
                for (const Candidate& c : candidates)
                    if (x[c.column] >= 1 - 1e-6 && (!random_ || (*random_)() % 4 != 0))
                        fixed += Fix(c.column, x[c.column], n);
                if (fixed > 0)
                    return fixed;
                const size_t pick = random_ ? Draw(candidates) : 0;
                return Fix(candidates[pick].column, x[candidates[pick].column], n);
            };
            if (branches > 1) {
                Node first = node;
                if (fixUsed(first) > 0)
                    Explore(std::move(first), discrepancies, tabu, level + 1);
                for (size_t k = 1; k < branches && !Exhausted(); ++k) {
                    tabu.push_back(candidates[k - 1].column);
                    Node child = node;
                    if (Fix(candidates[k].column, x[candidates[k].column], child) > 0)
                        Explore(std::move(child), discrepancies - static_cast<int>(k), tabu, level + 1);
                }
                return;
            }
            if (fixUsed(node) == 0)
                return Finish(node);
        }
    }

    const CuttingProblem& problem_;
    MasterProblem& master_;
    KnapsackPricing& pricing_;
    const SearchControl& control_;
    const int64_t goal_;
    int64_t target_;
    std::optional<Plan> best_;
    int64_t nodes_ = 0, nodeLimit_ = 0;
    bool aborted_ = false;
    bool limited_ = false; // the last run left out candidates for want of discrepancies
    std::mt19937* random_ = nullptr; // set during random dives
};

#endif // KALOMAX_HAVE_CLP

// Polishing of a plan whose bars already meet the bound: a short
// improvement for the later terms of the objective.
Plan Polish(const CuttingProblem& problem, const Plan& plan, const SearchControl& control)
{
    const int64_t pieces = std::max<int64_t>(1, TotalDemand(problem.demand));
    const int patience = static_cast<int>(std::clamp<int64_t>(20000 / pieces, 10, 1000));
    return MakeHeuristicSearch(4 * patience, patience)->Improve(problem, plan, control);
}

} // namespace

bool HasLinearProgramming()
{
#if defined(KALOMAX_HAVE_CLP)
    return true;
#else
    return false;
#endif
}

LowerBound ComputeLowerBound(const CuttingProblem& problem, const SearchControl& control)
{
    LowerBound bound;
    if (!HasSingleBarLength(problem)) {
        bound.known = true;
        for (size_t i = 0; i < problem.pieceLengths.size(); ++i)
            bound.barLength += static_cast<double>(std::max<int64_t>(0, problem.demand[i])) * problem.pieceLengths[i];
        return bound;
    }
    const double length = problem.kinds[0].length;
    bound.known = true;
    bound.bars = SizeBound(problem);
#if defined(KALOMAX_HAVE_CLP)
    if (TotalDemand(problem.demand) > 0) {
        try {
            MasterProblem master(problem);
            // The constructive plan's layouts are a good start.
            if (std::optional<Plan> start = MakeHeuristicSearch()->BuildInitialPlan(problem, control)) {
                std::vector<std::vector<int32_t>> columns;
                for (const Layout& layout : *start)
                    columns.push_back(layout.pieces);
                master.AddColumns(std::move(columns));
            }
            master.AddColumns(SingleItemColumns(problem));
            KnapsackPricing pricing(problem);
            const GenerationResult lp = Generate(master, pricing, problem.demand, true, control);
            bound.bars = std::max(bound.bars, CeilBound(lp.bound));
            if (lp.converged)
                bound.lpValue = lp.value;
        } catch (...) {
            // The size bound stands.
        }
    }
#endif
    bound.barLength = static_cast<double>(bound.bars) * length;
    return bound;
}

ColumnGenerationSearch::ColumnGenerationSearch() : heuristic_(MakeHeuristicSearch()) {}
ColumnGenerationSearch::~ColumnGenerationSearch() = default;

std::optional<Plan> ColumnGenerationSearch::BuildInitialPlan(const CuttingProblem& problem,
                                                             const SearchControl& control)
{
    bound_ = {};
    return heuristic_->BuildInitialPlan(problem, control);
}

Plan ColumnGenerationSearch::Improve(const CuttingProblem& problem, const Plan& initial,
                                     const SearchControl& control)
{
    bound_ = {};
    if (!HasSingleBarLength(problem)) {
        bound_ = ComputeLowerBound(problem, control);
        return heuristic_->Improve(problem, initial, control);
    }
    const double length = problem.kinds[0].length;
    Plan best = initial;
    PlanScore bestScore = ScorePlan(problem, best);
    auto consider = [&](std::optional<Plan> candidate) {
        if (!candidate || !IsValidPlan(problem, *candidate))
            return;
        const PlanScore score = ScorePlan(problem, *candidate);
        if (ComparePlanScores(score, bestScore) < 0) {
            best = std::move(*candidate);
            bestScore = score;
        }
    };
    auto bars = [&] { return bestScore.uncutPieces == 0 ? BarCount(best) : std::numeric_limits<int64_t>::max(); };

    bound_.known = true;
    bound_.bars = SizeBound(problem);
#if defined(KALOMAX_HAVE_CLP)
    if (bars() > bound_.bars && TotalDemand(problem.demand) > 0) {
        try {
            MasterProblem master(problem);
            // Start from the layouts of the first plan and one layout per item.
            std::vector<std::vector<int32_t>> start;
            for (const Layout& layout : best)
                start.push_back(layout.pieces);
            master.AddColumns(std::move(start));
            master.AddColumns(SingleItemColumns(problem));
            KnapsackPricing pricing(problem);
            const GenerationResult lp = Generate(master, pricing, problem.demand, true, control);
            bound_.bars = std::max(bound_.bars, CeilBound(lp.bound));
            if (lp.converged)
                bound_.lpValue = lp.value;
            if (lp.solved && !lp.stopped) {
                if (bars() > bound_.bars)
                    consider(RoundDown(problem, master, control));
                // Dives with growing numbers of discrepancies, each within a
                // bounded number of LP solves.
                Diver diver(problem, master, pricing, bound_.bars, bars(), control);
                consider(diver.Run(0, kDiveNodes));
                std::mt19937 random(0x5eed1234u);
                int64_t packingSteps = kExactPackingSteps;
                for (int d = 1; !control.ShouldEnd(); ++d) {
                    consider(diver.PackExactly(packingSteps));
                    packingSteps = std::min(4 * packingSteps, kMaxExactPackingSteps);
                    if (!diver.MayGoOn())
                        break;
                    consider(diver.Run(d, diver.Nodes() + 100));
                    consider(diver.RandomDives(random, std::max<int64_t>(kRandomDiveNodes, diver.Nodes() / 4)));
                }
            }
        } catch (...) {
            // The LP solver failed: the heuristic search carries on alone.
        }
    }
#endif
    bound_.barLength = static_cast<double>(bound_.bars) * length;
    if (control.ShouldEnd())
        return best;
    if (bars() > bound_.bars)
        return heuristic_->Improve(problem, best, control);
    return Polish(problem, best, control);
}

std::unique_ptr<ILayoutSearch> MakeColumnGenerationSearch()
{
    return std::make_unique<ColumnGenerationSearch>();
}

} // namespace kalomax::optimizer


#include "column_generation.h"
#include "layout_search.h"
#include "plan_score.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>

namespace kalomax::optimizer {
namespace {

// Work limits. They bound every step, so a run with the same input does the
// same work and gives the same plan unless the time limit cuts it short.
constexpr int64_t kInitialPatternNodes = 20000;
constexpr int64_t kRefillPatternNodes = 3000;
constexpr int64_t kMaxRuinedBars = 8;
// Items beyond this many are not branched on, only added greedily at the
// end; this bounds the depth of the pattern search.
constexpr size_t kMaxBranchItems = 200;

bool IsUnlimited(const BarKind& kind)
{
    return kind.available >= kUnlimited / 2;
}

// Best contents for one bar: a bounded knapsack over the items, searched depth
// first (longest item first, most pieces first) with a fractional bound and a
// node limit. A piece of item i takes pieceLength + sawThickness of a bar of
// length L + sawThickness, which accounts for one saw cut between two pieces.
class PatternSearch {
public:
    PatternSearch(const CuttingProblem& problem, double barLength,
                  const std::vector<int64_t>& bounds, const std::vector<char>& critical,
                  int64_t nodeLimit, const SearchControl& control)
        : problem_(problem), barLength_(barLength), bounds_(bounds), nodeLimit_(nodeLimit),
          control_(control)
    {
        const size_t n = problem.pieceLengths.size();
        const double capacity = barLength + problem.sawThickness;
        weights_.resize(n);
        values_.resize(n);
        for (size_t i = 0; i < n; ++i) {
            weights_[i] = problem.pieceLengths[i] + problem.sawThickness;
            // A piece that only limited bars can hold outweighs any amount of fill.
            values_[i] = weights_[i] + (critical[i] ? capacity + 1 : 0);
            if (bounds[i] > 0 && weights_[i] <= capacity + kFitTolerance)
                candidates_.push_back(i);
        }
        order_.assign(candidates_.begin(),
                      candidates_.begin() + static_cast<std::ptrdiff_t>(std::min(candidates_.size(), kMaxBranchItems)));
        suffixValue_.assign(order_.size() + 1, 0);
        suffixDensity_.assign(order_.size() + 1, 0);
        for (size_t s = order_.size(); s-- > 0;) {
            const size_t i = order_[s];
            suffixValue_[s] = suffixValue_[s + 1] + values_[i] * static_cast<double>(bounds[i]);
            suffixDensity_[s] = std::max(suffixDensity_[s + 1], values_[i] / weights_[i]);
        }
        current_.assign(n, 0);
        best_.assign(n, 0);
    }

    // Returns the pieces (all zero when nothing fits); `forced` >= 0 puts at
    // least one piece of that item on the bar. Sets aborted() on a stop.
    std::vector<int32_t> Run(int forced)
    {
        double room = barLength_ + problem_.sawThickness;
        double value = 0;
        if (forced >= 0) {
            current_[forced] = 1;
            room -= weights_[forced];
            value += values_[forced];
        }
        bestValue_ = value;
        best_ = current_;
        bound_ = value + std::min(suffixValue_[0], (room + kFitTolerance) * suffixDensity_[0]);
        Descend(0, room, value);
        Complete();
        return best_;
    }

    bool aborted() const { return aborted_; }

private:
    int64_t Limit(size_t i, double room) const
    {
        int64_t bound = bounds_[i] - current_[i];
        if (bound <= 0 || room + kFitTolerance < weights_[i])
            return 0;
        double fit = std::floor((room + kFitTolerance) / weights_[i]);
        return std::min<int64_t>(bound, static_cast<int64_t>(std::min(fit, 2e9)));
    }

    bool Finished() const { return aborted_ || nodes_ >= nodeLimit_ || bestValue_ >= bound_ - 1e-9; }

    void Descend(size_t s, double room, double value)
    {
        if (++nodes_ % 512 == 0) {
            if (control_.StopRequested())
                aborted_ = true;
            else if (control_.ShouldEnd())
                nodes_ = nodeLimit_; // out of time: keep the best bar found so far
        }
        if (value > bestValue_ + 1e-9) {
            bestValue_ = value;
            best_ = current_;
        }
        if (s == order_.size() || Finished())
            return;
        const double optimistic =
            value + std::min(suffixValue_[s], (room + kFitTolerance) * suffixDensity_[s]);
        if (optimistic <= bestValue_ + 1e-9)
            return;
        const size_t i = order_[s];
        const int32_t base = current_[i];
        for (int64_t x = Limit(i, room); x >= 0; --x) {
            current_[i] = static_cast<int32_t>(base + x);
            Descend(s + 1, room - static_cast<double>(x) * weights_[i],
                    value + static_cast<double>(x) * values_[i]);
            if (Finished())
                break;
        }
        current_[i] = base;
    }

    // Fills what is left of the best bar greedily, so no piece still asked for
    // would fit into its leftover.
    void Complete()
    {
        double room = barLength_ + problem_.sawThickness;
        for (size_t i = 0; i < best_.size(); ++i)
            room -= best_[i] * weights_[i];
        for (size_t i : candidates_) {
            int64_t more = std::min<int64_t>(bounds_[i] - best_[i],
                                             room + kFitTolerance >= weights_[i]
                                                 ? static_cast<int64_t>(std::min(
                                                       std::floor((room + kFitTolerance) / weights_[i]), 2e9))
                                                 : 0);
            if (more > 0) {
                best_[i] += static_cast<int32_t>(more);
                room -= static_cast<double>(more) * weights_[i];
            }
        }
        // Guard against rounding: the bar must pass the same test as the plan check.
        while (PieceCount(best_) > 0 && !FitsOnBar(problem_, best_, barLength_)) {
            for (size_t i = best_.size(); i-- > 0;)
                if (best_[i] > 0) {
                    --best_[i];
                    break;
                }
        }
    }

    const CuttingProblem& problem_;
    double barLength_;
    const std::vector<int64_t>& bounds_;
    int64_t nodeLimit_;
    const SearchControl& control_;
    std::vector<double> weights_, values_;
    std::vector<size_t> candidates_; // items that fit, longest first
    std::vector<size_t> order_;      // the ones branched on
    std::vector<double> suffixValue_, suffixDensity_;
    std::vector<int32_t> current_, best_;
    double bestValue_ = 0;
    double bound_ = 0;
    int64_t nodes_ = 0;
    bool aborted_ = false;
};

// Deterministic noise for the improvement phase.
class Noise {
public:
    explicit Noise(uint32_t seed) : engine_(seed) {}
    uint32_t Next() { return static_cast<uint32_t>(engine_()); }
    size_t Below(size_t n) { return n == 0 ? 0 : Next() % n; }
    double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }

private:
    std::mt19937 engine_;
};

struct RecreateOptions {
    // Pieces that only limited bars can hold count before any fill, so that
    // as many of them as possible are cut; without it a bar is simply filled best.
    bool preferScarcePieces = true;
    // When above 0: spread the demand over about this many bars (at most
    // ceil(demand / bars left) pieces of an item per bar), which gives fewer,
    // evener layouts.
    int64_t spreadOverBars = 0;
    Noise* noise = nullptr; // may be null
    int64_t nodeLimit = kInitialPatternNodes;
};

// Lays `demand` out on the bars in `available`, repeatedly choosing the
// bar layout that fills its bar best and cutting it as often as the demand
// and the stock allow. Pieces that only limited bars can hold are placed
// first, longest first. The options' noise (may be null) perturbs
// the choice.
// Returns nothing when a stop is requested.
std::optional<Plan> Recreate(const CuttingProblem& problem, std::vector<int64_t> demand,
                             std::vector<int64_t> available, const RecreateOptions& options,
                             const SearchControl& control)
{
    Noise* noise = options.noise;
    int64_t barsLeft = options.spreadOverBars;
    const size_t n = problem.pieceLengths.size();
    double unlimitedLength = -1;
    for (size_t k = 0; k < problem.kinds.size(); ++k)
        if (IsUnlimited(problem.kinds[k]) && available[k] > 0)
            unlimitedLength = std::max(unlimitedLength, problem.kinds[k].length);
    std::vector<char> critical(n, 0);
    for (size_t i = 0; i < n; ++i)
        critical[i] = problem.pieceLengths[i] > unlimitedLength + kFitTolerance;

    Plan plan;
    auto apply = [&](int32_t kind, const std::vector<int32_t>& pieces) {
        int64_t times = available[kind];
        for (size_t i = 0; i < n; ++i)
            if (pieces[i] > 0)
                times = std::min(times, demand[i] / pieces[i]);
        times = std::max<int64_t>(times, 1);
        for (size_t i = 0; i < n; ++i)
            demand[i] -= pieces[i] * times;
        available[kind] -= times;
        barsLeft -= times;
        plan.push_back(Layout{kind, pieces, times});
    };
    const std::vector<char> none(n, 0);

    for (;;) {
        if (control.StopRequested())
            return std::nullopt;
        // The longest piece still asked for that only limited bars can hold.
        int forced = -1;
        for (size_t i = 0; i < n && forced < 0; ++i)
            if (critical[i] && demand[i] > 0)
                forced = static_cast<int>(i);
        const bool placingCritical = forced >= 0;
        if (!placingCritical && std::all_of(demand.begin(), demand.end(), [](int64_t d) { return d <= 0; }))
            break;

        int32_t bestKind = -1;
        double bestScore = -1;
        std::vector<int32_t> bestPieces;
        for (size_t k = 0; k < problem.kinds.size(); ++k) {
            const double length = problem.kinds[k].length;
            if (available[k] <= 0)
                continue;
            if (placingCritical && problem.pieceLengths[forced] > length + kFitTolerance)
                continue;
            std::vector<int64_t> bounds = demand;
            for (int64_t& b : bounds) {
                b = std::max<int64_t>(b, 0);
                if (options.spreadOverBars > 0 && barsLeft > 1)
                    b = (b + barsLeft - 1) / barsLeft;
            }
            PatternSearch search(problem, length, bounds,
                                 placingCritical && options.preferScarcePieces ? critical : none,
                                 options.nodeLimit, control);
            std::vector<int32_t> pieces = search.Run(placingCritical ? forced : -1);
            if (search.aborted())
                return std::nullopt;
            if (PieceCount(pieces) == 0)
                continue;
            double fill = 0;
            for (size_t i = 0; i < n; ++i)
                fill += pieces[i] * (problem.pieceLengths[i] + problem.sawThickness);
            double score = fill / (length + problem.sawThickness);
            if (noise)
                score *= 1.0 + 0.04 * noise->Unit();
            if (score > bestScore + 1e-12) {
                bestScore = score;
                bestKind = static_cast<int32_t>(k);
                bestPieces = std::move(pieces);
            }
        }
        if (bestKind < 0) {
            if (!placingCritical)
                break; // nothing left fits anywhere
            demand[forced] = 0; // no bar left can hold it: it stays uncut
            continue;
        }
        apply(bestKind, bestPieces);
    }
    return plan;
}

// Puts `pieces` (per item) into the leftovers of the bars of `plan`, longest
// piece first, each into the bar it leaves the shortest leftover on; what
// fits nowhere stays in `pieces`.
void PlaceInLeftovers(const CuttingProblem& problem, Plan& plan, std::vector<int64_t>& pieces)
{
    // Length each layout's bar needs now (0 for a bar without pieces).
    std::vector<double> required;
    for (const Layout& layout : plan)
        required.push_back(RequiredLength(problem, layout.pieces));
    for (size_t i = 0; i < pieces.size(); ++i) {
        const double piece = problem.pieceLengths[i];
        while (pieces[i] > 0) {
            size_t bestLayout = plan.size();
            double bestLeftover = 0;
            for (size_t l = 0; l < plan.size(); ++l) {
                if (plan[l].barCount <= 0)
                    continue;
                const double length = problem.kinds[plan[l].kind].length;
                const double leftover =
                    length - required[l] - piece - (required[l] > 0 ? problem.sawThickness : 0);
                if (leftover < -kFitTolerance)
                    continue;
                if (bestLayout == plan.size() || leftover < bestLeftover) {
                    bestLayout = l;
                    bestLeftover = leftover;
                }
            }
            if (bestLayout == plan.size())
                break;
            std::vector<int32_t> more = plan[bestLayout].pieces;
            ++more[i];
            if (!FitsOnBar(problem, more, problem.kinds[plan[bestLayout].kind].length))
                break; // rounding disagreement: leave it
            const int64_t bars = std::min(plan[bestLayout].barCount, pieces[i]);
            pieces[i] -= bars;
            plan[bestLayout].barCount -= bars;
            const int32_t kind = plan[bestLayout].kind;
            required.push_back(RequiredLength(problem, more));
            plan.push_back(Layout{kind, std::move(more), bars});
        }
    }
    plan.erase(std::remove_if(plan.begin(), plan.end(), [](const Layout& l) { return l.barCount <= 0; }),
               plan.end());
}

// Puts pieces left uncut into the leftovers of bars already cut, so that no
// uncut piece would fit anywhere in the plan.
void FillLeftovers(const CuttingProblem& problem, Plan& plan)
{
    std::vector<int64_t> uncut = UncutDemand(problem, plan);
    PlaceInLeftovers(problem, plan, uncut);
}

// How unevenly the bars are filled (sum of squared fill ratios): higher means
// fuller bars next to emptier ones, which is the way towards fewer bars.
double Concentration(const CuttingProblem& problem, const Plan& plan)
{
    double sum = 0;
    for (const Layout& layout : plan) {
        const double ratio = RequiredLength(problem, layout.pieces) / problem.kinds[layout.kind].length;
        sum += static_cast<double>(layout.barCount) * ratio * ratio;
    }
    return sum;
}

// Moves every bar to the shortest length that holds its pieces, longest
// contents first; this gives the least total bar length for the contents.
// Leaves the plan as it is if the bars do not go round (they always do for a
// valid plan).
void ShortenBars(const CuttingProblem& problem, Plan& plan)
{
    std::vector<std::pair<double, size_t>> order;
    for (size_t l = 0; l < plan.size(); ++l)
        order.push_back({RequiredLength(problem, plan[l].pieces), l});
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int64_t> available(problem.kinds.size());
    for (size_t k = 0; k < available.size(); ++k)
        available[k] = problem.kinds[k].available;
    Plan result;
    for (const auto& [required, l] : order) {
        int64_t rest = plan[l].barCount;
        for (size_t k = 0; k < problem.kinds.size() && rest > 0; ++k) {
            if (available[k] <= 0 || !FitsOnBar(problem, plan[l].pieces, problem.kinds[k].length))
                continue;
            int64_t take = std::min(rest, available[k]);
            result.push_back(Layout{static_cast<int32_t>(k), plan[l].pieces, take});
            available[k] -= take;
            rest -= take;
        }
        if (rest > 0)
            return;
    }
    plan = std::move(result);
}

// Best-fit decreasing, piece by piece: each piece, longest first, goes on
// the open bar it leaves the shortest leftover on, else on a new bar of the
// longest length still available. Only for jobs of a few thousand pieces.
constexpr int64_t kMaxBestFitPieces = 5000;

std::optional<Plan> BestFitDecreasing(const CuttingProblem& problem, const SearchControl& control)
{
    std::vector<int64_t> available(problem.kinds.size());
    for (size_t k = 0; k < available.size(); ++k)
        available[k] = problem.kinds[k].available;
    Plan plan;
    std::vector<double> required;
    for (size_t i = 0; i < problem.pieceLengths.size(); ++i) {
        const double piece = problem.pieceLengths[i];
        for (int64_t n = 0; n < problem.demand[i]; ++n) {
            if (control.StopRequested())
                return std::nullopt;
            size_t bestBar = plan.size();
            double bestLeftover = 0;
            for (size_t b = 0; b < plan.size(); ++b) {
                const double leftover =
                    problem.kinds[plan[b].kind].length - required[b] - piece - problem.sawThickness;
                if (leftover >= -kFitTolerance && (bestBar == plan.size() || leftover < bestLeftover)) {
                    bestBar = b;
                    bestLeftover = leftover;
                }
            }
            if (bestBar == plan.size()) {
                size_t kind = problem.kinds.size();
                for (size_t k = problem.kinds.size(); k-- > 0 && kind == problem.kinds.size();)
                    if (available[k] > 0 && piece <= problem.kinds[k].length + kFitTolerance)
                        kind = k;
                if (kind == problem.kinds.size())
                    break; // no bar left holds this length
                --available[kind];
                plan.push_back(Layout{static_cast<int32_t>(kind),
                                      std::vector<int32_t>(problem.pieceLengths.size(), 0), 1});
                required.push_back(-problem.sawThickness);
                bestBar = plan.size() - 1;
            }
            std::vector<int32_t> more = plan[bestBar].pieces;
            ++more[i];
            if (!FitsOnBar(problem, more, problem.kinds[plan[bestBar].kind].length))
                break; // rounding disagreement: leave the rest of this item
            plan[bestBar].pieces = std::move(more);
            required[bestBar] += piece + problem.sawThickness;
        }
    }
    plan.erase(std::remove_if(plan.begin(), plan.end(), [](const Layout& l) { return PieceCount(l.pieces) == 0; }),
               plan.end());
    return plan;
}

class HeuristicSearch final : public ILayoutSearch {
public:
    HeuristicSearch(int maxIterations, int patience) : maxIterations_(maxIterations), patience_(patience) {}

    std::optional<Plan> BuildInitialPlan(const CuttingProblem& problem,
                                         const SearchControl& control) override
    {
        std::vector<int64_t> available(problem.kinds.size());
        for (size_t k = 0; k < available.size(); ++k)
            available[k] = problem.kinds[k].available;
        std::optional<Plan> best;
        PlanScore bestScore;
        // Polishes a starting plan and keeps it when it beats the best so far.
        auto consider = [&](Plan plan) {
            FillLeftovers(problem, plan);
            ShortenBars(problem, plan);
            NormalizePlan(plan);
            const PlanScore score = ScorePlan(problem, plan);
            if (!best || ComparePlanScores(score, bestScore) < 0) {
                best = std::move(plan);
                bestScore = score;
            }
        };
        // Both ways of treating scarce pieces; the better plan is the start.
        for (bool preferScarcePieces : {true, false}) {
            if (best && control.ShouldEnd())
                break;
            RecreateOptions options;
            options.preferScarcePieces = preferScarcePieces;
            std::optional<Plan> plan = Recreate(problem, problem.demand, available, options, control);
            if (!plan)
                return std::nullopt;
            consider(std::move(*plan));
        }
        int64_t pieces = 0;
        for (int64_t d : problem.demand)
            pieces += d;
        if (pieces <= kMaxBestFitPieces && !control.ShouldEnd()) {
            std::optional<Plan> plan = BestFitDecreasing(problem, control);
            if (!plan)
                return std::nullopt;
            consider(std::move(*plan));
        }
        return best;
    }

    Plan Improve(const CuttingProblem& problem, const Plan& initial,
                 const SearchControl& control) override
    {
        Plan current = initial;
        PlanScore currentScore = ScorePlan(problem, current);
        Plan best = current;
        PlanScore bestScore = currentScore;
        double currentConcentration = Concentration(problem, current);
        Noise noise(0x4b616c6fu);
        int sinceBest = 0;
        for (int iteration = 0; iteration < maxIterations_ && sinceBest < patience_; ++iteration) {
            if (control.ShouldEnd())
                break;
            control.ReportProgress(static_cast<double>(iteration) / maxIterations_);
            if (current.empty())
                break;
            Plan candidate = current;
            std::vector<int64_t> freed = UncutDemand(problem, candidate);
            const int64_t ruined = Ruin(problem, candidate, freed, noise);
            if (noise.Below(2) == 0)
                PlaceInLeftovers(problem, candidate, freed);
            RecreateOptions options;
            options.noise = &noise;
            options.nodeLimit = kRefillPatternNodes;
            options.preferScarcePieces = noise.Below(2) == 0;
            if (noise.Below(3) == 0)
                options.spreadOverBars = ruined;
            std::optional<Plan> refill =
                Recreate(problem, freed, UnusedBars(problem, candidate), options, control);
            if (!refill)
                break;
            candidate.insert(candidate.end(), refill->begin(), refill->end());
            FillLeftovers(problem, candidate);
            ShortenBars(problem, candidate);
            NormalizePlan(candidate);
            PlanScore score = ScorePlan(problem, candidate);
            const double concentration = Concentration(problem, candidate);
            ++sinceBest;
            const int comparison = ComparePlanScores(score, currentScore);
            // Among equal plans, move towards fuller and emptier bars, with an
            // occasional sideways step.
            if (comparison < 0 ||
                (comparison == 0 && (concentration >= currentConcentration - 1e-12 || noise.Below(10) == 0))) {
                current = std::move(candidate);
                currentScore = score;
                currentConcentration = concentration;
                if (ComparePlanScores(score, bestScore) < 0) {
                    best = current;
                    bestScore = score;
                    sinceBest = 0;
                }
            }
        }
        control.ReportProgress(1.0);
        return best;
    }

private:
    int maxIterations_, patience_;

    // Takes a few bars out of the plan and adds their pieces to `freed`:
    // either the bars with the longest leftovers or bars picked at random.
    // Returns the number of bars taken out.
    static int64_t Ruin(const CuttingProblem& problem, Plan& plan, std::vector<int64_t>& freed, Noise& noise)
    {
        int64_t bars = 0;
        for (const Layout& layout : plan)
            bars += layout.barCount;
        const int64_t planned = 1 + static_cast<int64_t>(noise.Below(
                                        static_cast<size_t>(std::min<int64_t>(bars, kMaxRuinedBars))));
        int64_t toRemove = planned;
        auto take = [&](size_t l, int64_t count) {
            count = std::min(count, plan[l].barCount);
            plan[l].barCount -= count;
            for (size_t i = 0; i < freed.size(); ++i)
                freed[i] += plan[l].pieces[i] * count;
            toRemove -= count;
        };
        const size_t mode = noise.Below(3);
        if (mode == 0 || mode == 2) {
            std::vector<std::pair<double, size_t>> byLeftover;
            for (size_t l = 0; l < plan.size(); ++l) {
                double length = problem.kinds[plan[l].kind].length;
                byLeftover.push_back({length - RequiredLength(problem, plan[l].pieces), l});
            }
            std::stable_sort(byLeftover.begin(), byLeftover.end(),
                             [](const auto& a, const auto& b) { return a.first > b.first; });
            const size_t worst = mode == 0 ? byLeftover.size() : 1;
            for (size_t w = 0; w < worst && toRemove > 0; ++w)
                take(byLeftover[w].second, mode == 0 ? toRemove : 1 + noise.Below(2));
        }
        for (int guard = 0; toRemove > 0 && guard < 64; ++guard) {
            size_t l = noise.Below(plan.size());
            if (plan[l].barCount > 0)
                take(l, 1);
        }
        plan.erase(std::remove_if(plan.begin(), plan.end(), [](const Layout& l) { return l.barCount <= 0; }),
                   plan.end());
        return planned - toRemove;
    }
};

} // namespace

LowerBound ILayoutSearch::LastLowerBound() const
{
    return {};
}

std::unique_ptr<ILayoutSearch> MakeHeuristicSearch(int maxIterations, int patience)
{
    return std::make_unique<HeuristicSearch>(std::max(0, maxIterations), std::max(1, patience));
}

} // namespace kalomax::optimizer

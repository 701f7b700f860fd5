#include "exact_packing.h"

#include <algorithm>
#include <unordered_set>

namespace kalomax::optimizer {
namespace {

using Outcome = PackingResult::Outcome;

class ExactPacking {
public:
    ExactPacking(const CuttingProblem& problem, const std::vector<int64_t>& rest, const std::vector<double>& values,
                 int64_t steps, const SearchControl& control)
        : capacity_(problem.kinds[0].length + problem.sawThickness), stepLimit_(steps), control_(control)
    {
        for (size_t i = 0; i < rest.size(); ++i)
            if (rest[i] > 0)
                item_.push_back(i);
        std::stable_sort(item_.begin(), item_.end(), [&](size_t a, size_t b) {
            return problem.pieceLengths[a] > problem.pieceLengths[b];
        });
        for (size_t i : item_) {
            weight_.push_back(problem.pieceLengths[i] + problem.sawThickness);
            value_.push_back(std::max(0.0, values[i]));
            count_.push_back(rest[i]);
        }
        density_.assign(item_.size() + 1, 0);
        for (size_t t = item_.size(); t-- > 0;)
            density_[t] = std::max(density_[t + 1], value_[t] / weight_[t]);
    }

    Outcome Solve(int64_t bars)
    {
        if (bars > kMaxDepth || (!weight_.empty() && weight_[0] > capacity_ + kFit))
            return Outcome::Undecided;
        available_.assign(weight_.size() + 1, 0);
        for (size_t t = weight_.size(); t-- > 0;)
            available_[t] = available_[t + 1] + static_cast<double>(count_[t]) * value_[t];
        const double spare = static_cast<double>(bars) - available_[0];
        if (spare < -kSlack)
            return Outcome::Impossible;
        Bar bar;
        Enumerate(0, capacity_, 0, spare, bar);
        if (limitHit_)
            return Outcome::Undecided;
        std::stable_sort(bars_.begin(), bars_.end(), [](const Bar& a, const Bar& b) { return a.loss < b.loss; });
        if (Cover(bars, spare))
            return Outcome::Found;
        return limitHit_ ? Outcome::Undecided : Outcome::Impossible;
    }

    // The bars found, in the problem's item space.
    Plan Layouts(size_t items) const
    {
        Plan plan;
        for (size_t b : chosen_) {
            std::vector<int32_t> pieces(items, 0);
            for (const auto& [t, count] : bars_[b].pieces)
                pieces[item_[t]] += static_cast<int32_t>(count);
            plan.push_back(Layout{0, std::move(pieces), 1});
        }
        return plan;
    }

private:
    static constexpr double kFit = kFitTolerance / 2;
    // Slack on the values against rounding: it can only let the search look
    // at more bars, never accept one that does not fit.
    static constexpr double kSlack = 1e-7;
    static constexpr int64_t kStepsPerCheck = 1 << 16;
    // More bars to choose from make the cover too slow to be worth trying;
    // more bars to lay out, its recursion too deep.
    static constexpr size_t kMaxBars = 50000;
    static constexpr int64_t kMaxDepth = 5000;

    struct Bar {
        std::vector<std::pair<size_t, int64_t>> pieces; // type, count
        double loss = 0;                                 // 1 - the value of its pieces
    };

    bool Spent()
    {
        ++steps_;
        if (steps_ >= nextCheck_) {
            nextCheck_ = steps_ + kStepsPerCheck;
            limitHit_ = limitHit_ || control_.ShouldEnd();
        }
        limitHit_ = limitHit_ || steps_ > stepLimit_;
        return limitHit_;
    }

    // Every bar of pieces of types `first`.. added to `bar` that loses at
    // most `spare`: no other bar can be part of a layout on the bars asked for.
    void Enumerate(size_t first, double room, double gain, double spare, Bar& bar)
    {
        if (!bar.pieces.empty() && 1 - gain <= spare + kSlack) {
            bars_.push_back(bar);
            bars_.back().loss = std::max(0.0, 1 - gain);
            limitHit_ = limitHit_ || bars_.size() > kMaxBars;
        }
        for (size_t t = first; t < weight_.size() && !Spent(); ++t) {
            // The value still within reach only falls with t.
            if (1 - gain - std::min(available_[t], std::max(0.0, room) * density_[t]) > spare + kSlack)
                return;
            const int64_t most =
                std::min<int64_t>(count_[t], static_cast<int64_t>(std::min((room + kFit) / weight_[t], 2e9)));
            for (int64_t x = most; x > 0 && !limitHit_; --x) {
                bar.pieces.push_back({t, x});
                const double c = static_cast<double>(x);
                Enumerate(t + 1, room - c * weight_[t], gain + c * value_[t], spare, bar);
                bar.pieces.pop_back();
            }
        }
    }

    bool Usable(const Bar& bar, double spare) const
    {
        if (bar.loss > spare + kSlack)
            return false;
        return std::all_of(bar.pieces.begin(), bar.pieces.end(),
                           [&](const auto& p) { return count_[p.first] >= p.second; });
    }

    // Whether the pieces left are exactly the pieces of at most `bars` of
    // the bars enumerated, losing at most `spare` in all. The type with the
    // fewest usable bars is covered first.
    bool Cover(int64_t bars, double spare)
    {
        if (std::all_of(count_.begin(), count_.end(), [](int64_t c) { return c == 0; }))
            return true;
        steps_ += static_cast<int64_t>(bars_.size()); // the scans of the bars below
        if (bars == 0 || Spent())
            return false;
        const uint64_t state = StateKey(bars);
        if (failed_.count(state) > 0)
            return false;
        std::vector<size_t> options(count_.size(), 0);
        for (const Bar& bar : bars_)
            if (Usable(bar, spare))
                for (const auto& p : bar.pieces)
                    ++options[p.first];
        size_t pick = count_.size();
        for (size_t t = 0; t < count_.size(); ++t)
            if (count_[t] > 0 && (pick == count_.size() || options[t] < options[pick]))
                pick = t;
        for (size_t b = 0; b < bars_.size() && options[pick] > 0; ++b) {
            const Bar& bar = bars_[b];
            if (!Usable(bar, spare) || std::none_of(bar.pieces.begin(), bar.pieces.end(),
                                                    [&](const auto& p) { return p.first == pick; }))
                continue;
            Take(bar, -1);
            chosen_.push_back(b);
            if (Cover(bars - 1, spare - bar.loss))
                return true;
            chosen_.pop_back();
            Take(bar, 1);
            if (limitHit_)
                return false;
        }
        failed_.insert(state);
        return false;
    }

    void Take(const Bar& bar, int sign)
    {
        for (const auto& [t, count] : bar.pieces)
            count_[t] += sign * count;
    }

    // A hash of the pieces left and the bars for them; a collision can only
    // hide a layout, never make a wrong one.
    uint64_t StateKey(int64_t bars) const
    {
        uint64_t h = 1469598103934665603ull ^ static_cast<uint64_t>(bars);
        for (int64_t c : count_)
            h = (h ^ static_cast<uint64_t>(c)) * 1099511628211ull;
        return h;
    }

    const double capacity_;
    const int64_t stepLimit_;
    const SearchControl& control_;
    std::vector<size_t> item_; // type -> item, longest first
    std::vector<double> weight_, value_;
    std::vector<double> density_;   // the most value per length among types t..
    std::vector<double> available_; // the value of all pieces of types t..
    std::vector<int64_t> count_;
    std::vector<Bar> bars_;      // every bar that may be used, least loss first
    std::vector<size_t> chosen_; // the bars of the layout, into bars_
    std::unordered_set<uint64_t> failed_;
    int64_t steps_ = 0, nextCheck_ = 0;
    bool limitHit_ = false;
};

} // namespace

PackingResult PackOnBars(const CuttingProblem& problem, const std::vector<int64_t>& rest, int64_t bars,
                         const std::vector<double>& values, int64_t steps, const SearchControl& control)
{
    ExactPacking search(problem, rest, values, steps, control);
    PackingResult result;
    result.outcome = search.Solve(bars);
    if (result.outcome != Outcome::Found)
        return result;
    result.plan = search.Layouts(rest.size());
    const double length = problem.kinds[0].length;
    // The sums of the search and the check of a bar may round differently.
    if (std::any_of(result.plan.begin(), result.plan.end(),
                    [&](const Layout& bar) { return !FitsOnBar(problem, bar.pieces, length); }))
        return {};
    return result;
}

} // namespace kalomax::optimizer

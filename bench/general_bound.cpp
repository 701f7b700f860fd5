#include "general_bound.h"

#include <coin/ClpSimplex.hpp>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <set>

namespace kalomax::bench {

namespace {

// Grid steps per millimetre on which every length lies, or 0.
int64_t GridScale(const std::vector<double>& lengths)
{
    for (int64_t scale : {1, 2, 4, 10, 20, 100}) {
        const bool onGrid = std::all_of(lengths.begin(), lengths.end(), [&](double length) {
            const double steps = length * static_cast<double>(scale);
            return std::abs(steps - std::round(steps)) < 1e-9 * std::max(1.0, steps);
        });
        if (onGrid)
            return scale;
    }
    return 0;
}

int64_t Steps(double length, int64_t scale) { return std::llround(length * static_cast<double>(scale)); }

// Bounded knapsack over every capacity up to the longest bar at once: the
// best dual value of one bar of each usable length, and its layout.
class Pricing {
public:
    Pricing(const std::vector<int64_t>& weights, const std::vector<int32_t>& demand, int64_t capacity)
        : weights_(weights), demand_(demand), capacity_(capacity)
    {
    }

    void Solve(const std::vector<double>& values)
    {
        parts_.clear();
        for (size_t i = 0; i < weights_.size(); ++i) {
            if (values[i] <= 0)
                continue;
            int64_t left = std::min<int64_t>(demand_[i], capacity_ / weights_[i]);
            for (int64_t take = 1; left > 0; take *= 2) {
                const int64_t count = std::min(take, left);
                parts_.push_back({i, count});
                left -= count;
            }
        }
        const size_t words = static_cast<size_t>(capacity_ / 64 + 1);
        taken_.assign(parts_.size() * words, 0);
        best_.assign(static_cast<size_t>(capacity_ + 1), 0.0);
        for (size_t p = 0; p < parts_.size(); ++p) {
            const int64_t weight = weights_[parts_[p].item] * parts_[p].count;
            const double value = values[parts_[p].item] * static_cast<double>(parts_[p].count);
            uint64_t* taken = taken_.data() + p * words;
            for (int64_t c = capacity_; c >= weight; --c) {
                const double with = best_[static_cast<size_t>(c - weight)] + value;
                if (with > best_[static_cast<size_t>(c)]) {
                    best_[static_cast<size_t>(c)] = with;
                    taken[c / 64] |= uint64_t{1} << (c % 64);
                }
            }
        }
    }

    double Best(int64_t capacity) const { return best_[static_cast<size_t>(capacity)]; }

    std::vector<int32_t> Layout(int64_t capacity) const
    {
        const size_t words = static_cast<size_t>(capacity_ / 64 + 1);
        std::vector<int32_t> pieces(weights_.size(), 0);
        for (size_t p = parts_.size(); p-- > 0;) {
            const uint64_t* taken = taken_.data() + p * words;
            if (taken[capacity / 64] >> (capacity % 64) & 1) {
                pieces[parts_[p].item] += static_cast<int32_t>(parts_[p].count);
                capacity -= weights_[parts_[p].item] * parts_[p].count;
            }
        }
        return pieces;
    }

private:
    struct Part {
        size_t item;
        int64_t count;
    };
    const std::vector<int64_t>& weights_;
    const std::vector<int32_t>& demand_;
    int64_t capacity_;
    std::vector<Part> parts_;
    std::vector<uint64_t> taken_;
    std::vector<double> best_;
};

// The least sum of usable bar lengths (in grid steps) that is at least `bound`.
int64_t LeastConsumable(const std::vector<int64_t>& lengths, const std::vector<BarSupply>& bars, double bound)
{
    int64_t unlimited = 0, limitedTotal = 0;
    for (size_t j = 0; j < bars.size(); ++j) {
        if (bars[j].available < 0)
            unlimited = std::max(unlimited, lengths[j]);
        else
            limitedTotal += lengths[j] * bars[j].available;
    }
    std::vector<char> reachable(static_cast<size_t>(limitedTotal + 1), 0);
    reachable[0] = 1;
    for (size_t j = 0; j < bars.size(); ++j) {
        if (bars[j].available < 0)
            continue;
        int64_t left = bars[j].available;
        for (int64_t take = 1; left > 0; take *= 2) {
            const int64_t shift = lengths[j] * std::min(take, left);
            left -= std::min(take, left);
            for (int64_t s = limitedTotal; s >= shift; --s)
                reachable[static_cast<size_t>(s)] |= reachable[static_cast<size_t>(s - shift)];
        }
    }
    const int64_t target = static_cast<int64_t>(std::ceil(bound));
    int64_t least = std::numeric_limits<int64_t>::max();
    for (int64_t s = 0; s <= limitedTotal; ++s) {
        if (!reachable[static_cast<size_t>(s)])
            continue;
        int64_t total = s;
        if (total < target) {
            if (unlimited == 0)
                continue;
            total += (target - s + unlimited - 1) / unlimited * unlimited;
        }
        least = std::min(least, total);
    }
    return least;
}

} // namespace

ConsumedLengthBound BoundConsumedLength(const std::vector<std::pair<double, int32_t>>& items,
                                        const std::vector<BarSupply>& bars, double sawThickness,
                                        const std::vector<BarColumn>& start, double seconds)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    ConsumedLengthBound result;
    std::vector<double> all{sawThickness};
    for (const auto& item : items)
        all.push_back(item.first);
    for (const BarSupply& bar : bars)
        all.push_back(bar.length);
    const int64_t scale = GridScale(all);
    if (scale == 0 || items.empty() || bars.empty())
        return result;

    // A piece takes its length and a saw cut of a bar its length and a saw cut.
    const int64_t saw = Steps(sawThickness, scale);
    std::vector<int64_t> weights, lengths, capacities;
    std::vector<int32_t> demand;
    for (const auto& [length, quantity] : items) {
        weights.push_back(Steps(length, scale) + saw);
        demand.push_back(quantity);
    }
    int64_t longest = 0;
    size_t unlimited = bars.size();
    for (size_t j = 0; j < bars.size(); ++j) {
        lengths.push_back(Steps(bars[j].length, scale));
        capacities.push_back(lengths.back() + saw);
        longest = std::max(longest, capacities.back());
        if (bars[j].available < 0)
            unlimited = j;
    }
    if (unlimited == bars.size())
        return result; // every job of the benchmark has new bars

    // Rows: the demand of each item, then at most the stock of each limited length.
    ClpSimplex model;
    model.setLogLevel(0);
    model.messageHandler()->setLogLevel(0);
    std::vector<int> stockRow(bars.size(), -1);
    int rowCount = static_cast<int>(items.size());
    for (size_t j = 0; j < bars.size(); ++j)
        if (bars[j].available >= 0)
            stockRow[j] = rowCount++;
    model.resize(rowCount, 0);
    for (size_t i = 0; i < items.size(); ++i) {
        model.setRowLower(static_cast<int>(i), demand[i]);
        model.setRowUpper(static_cast<int>(i), COIN_DBL_MAX);
    }
    for (size_t j = 0; j < bars.size(); ++j)
        if (stockRow[j] >= 0) {
            model.setRowLower(stockRow[j], -COIN_DBL_MAX);
            model.setRowUpper(stockRow[j], static_cast<double>(bars[j].available));
        }
    std::set<std::pair<size_t, std::vector<int32_t>>> known;
    auto addColumns = [&](const std::vector<BarColumn>& columns) {
        size_t added = 0;
        for (const BarColumn& column : columns) {
            if (!known.insert({column.bar, column.pieces}).second)
                continue;
            std::vector<int> rows;
            std::vector<double> elements;
            for (size_t i = 0; i < column.pieces.size(); ++i)
                if (column.pieces[i] > 0) {
                    rows.push_back(static_cast<int>(i));
                    elements.push_back(column.pieces[i]);
                }
            if (stockRow[column.bar] >= 0) {
                rows.push_back(stockRow[column.bar]);
                elements.push_back(1);
            }
            model.addColumn(static_cast<int>(rows.size()), rows.data(), elements.data(), 0, COIN_DBL_MAX,
                            static_cast<double>(lengths[column.bar]));
            ++added;
        }
        return added;
    };
    // As many pieces of one item as a new bar holds: the LP is always feasible.
    std::vector<BarColumn> singles;
    for (size_t i = 0; i < items.size(); ++i) {
        BarColumn single{unlimited, std::vector<int32_t>(items.size(), 0)};
        single.pieces[i] = static_cast<int32_t>(std::min<int64_t>(demand[i], capacities[unlimited] / weights[i]));
        if (single.pieces[i] <= 0)
            return result; // a piece longer than a new bar
        singles.push_back(std::move(single));
    }
    addColumns(singles);
    addColumns(start);

    Pricing pricing(weights, demand, longest);
    double best = 0;
    for (;;) {
        model.primal(1);
        if (model.status() != 0)
            return result;
        ++result.rounds;
        const double* price = model.getRowPrice();
        std::vector<double> values(items.size());
        double demanded = 0;
        for (size_t i = 0; i < items.size(); ++i) {
            values[i] = std::isfinite(price[i]) ? std::max(0.0, price[i]) : 0.0;
            demanded += values[i] * demand[i];
        }
        pricing.Solve(values);

        // Lagrangian bound: the duals scaled by theta so a new bar carries
        // at most its length; each stock bar may carry more, at the price of
        // the excess times its quantity. Concave in theta, so its best lies
        // at a kink.
        const double newBar = pricing.Best(capacities[unlimited]);
        const double thetaMax = newBar > 0 ? std::min(1.0, static_cast<double>(lengths[unlimited]) / newBar) : 1.0;
        auto lagrangian = [&](double theta) {
            double value = theta * demanded;
            for (size_t j = 0; j < bars.size(); ++j)
                if (stockRow[j] >= 0)
                    value -= static_cast<double>(bars[j].available) *
                             std::max(0.0, theta * pricing.Best(capacities[j]) - static_cast<double>(lengths[j]));
            return value;
        };
        best = std::max(best, lagrangian(thetaMax));
        for (size_t j = 0; j < bars.size(); ++j) {
            const double carried = pricing.Best(capacities[j]);
            if (stockRow[j] >= 0 && carried > 0 && static_cast<double>(lengths[j]) / carried < thetaMax)
                best = std::max(best, lagrangian(static_cast<double>(lengths[j]) / carried));
        }

        std::vector<BarColumn> priced;
        for (size_t j = 0; j < bars.size(); ++j) {
            const double stockPrice = stockRow[j] >= 0 ? std::min(0.0, price[stockRow[j]]) : 0.0;
            const double cost = static_cast<double>(lengths[j]) - stockPrice;
            if (pricing.Best(capacities[j]) > cost * (1 + 1e-9) + 1e-7)
                priced.push_back({j, pricing.Layout(capacities[j])});
        }
        const double gapClosed = model.objectiveValue() * (1 - 1e-9) - 1e-6;
        if (priced.empty() || best >= gapClosed) {
            result.converged = true;
            break;
        }
        if (Clock::now() >= deadline || addColumns(priced) == 0)
            break;
    }
    // Against rounding noise in the sums of dual values.
    const double proven = best * (1 - 1e-9) - 1e-6;
    result.known = true;
    result.lpBound = proven / static_cast<double>(scale);
    result.bound = static_cast<double>(LeastConsumable(lengths, bars, std::max(0.0, proven))) / static_cast<double>(scale);
    return result;
}

} // namespace kalomax::bench

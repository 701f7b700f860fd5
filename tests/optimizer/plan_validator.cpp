#include "plan_validator.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <set>
#include <sstream>

namespace kalomax::test {
namespace {

constexpr double kSlack = 1e-6;

double Kerf(double sawThickness)
{
    return std::isfinite(sawThickness) && sawThickness > 0 ? sawThickness : 0;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool Usable(double length)
{
    return std::isfinite(length) && length > 0;
}

// The bar lengths a type may use, with how many (-1: unlimited).
std::vector<std::pair<double, int64_t>> Bars(const FakeType& type, bool reuse)
{
    std::vector<std::pair<double, int64_t>> bars;
    std::vector<double> seen;
    for (const auto& [length, quantity] : type.stock) {
        if (std::find(seen.begin(), seen.end(), length) != seen.end())
            continue;
        seen.push_back(length);
        if (Usable(length) && quantity > 0 && (reuse || length == type.defaultLength))
            bars.push_back({length, quantity});
    }
    if (Usable(type.defaultLength)) {
        auto it = std::find_if(bars.begin(), bars.end(),
                               [&](const auto& b) { return b.first == type.defaultLength; });
        if (it != bars.end())
            it->second = -1;
        else
            bars.push_back({type.defaultLength, -1});
    }
    return bars;
}

struct Expected {
    int64_t quantity = 0;
    std::map<std::string, int64_t> identifiers;
};

std::map<double, Expected> ExpectedItems(const FakeOptimizer& job, int32_t typeIndex)
{
    std::map<double, Expected> items;
    for (const FakeOrder& order : job.orders)
        if (order.typeIndex == typeIndex && std::isfinite(order.length)) {
            items[order.length].quantity += order.quantity;
            items[order.length].identifiers[order.identifier] += order.quantity;
        }
    std::erase_if(items, [](const auto& item) { return item.second.quantity <= 0; });
    for (auto& [length, item] : items)
        std::erase_if(item.identifiers, [](const auto& id) { return id.second <= 0; });
    return items;
}

double PiecesLength(const RecordedType& type, const RecordedLayout& layout)
{
    double sum = 0;
    for (size_t k = 0; k < layout.pieces.size() && k < type.items.size(); ++k)
        sum += layout.pieces[k] * type.items[k].length;
    return sum;
}

int64_t Count(const RecordedLayout& layout)
{
    int64_t n = 0;
    for (int32_t p : layout.pieces)
        n += p;
    return n;
}

} // namespace

std::vector<std::string> ValidatePlan(const FakeOptimizer& job, double sawThickness, bool partial)
{
    std::vector<std::string> faults;
    auto fault = [&](int32_t typeIndex, const std::string& text) {
        faults.push_back("type " + std::to_string(typeIndex) + ": " + text);
    };
    const double kerf = Kerf(sawThickness);
    for (const std::string& m : job.misuse)
        faults.push_back("misuse: " + m);

    std::set<int32_t> typeIndexes;
    for (const FakeOrder& order : job.orders)
        typeIndexes.insert(order.typeIndex);
    for (const auto& [typeIndex, recorded] : job.plan)
        if (!typeIndexes.count(typeIndex))
            fault(typeIndex, "delivered but not ordered");

    for (int32_t typeIndex : typeIndexes) {
        const std::map<double, Expected> expected = ExpectedItems(job, typeIndex);
        auto planned = job.plan.find(typeIndex);
        if (planned == job.plan.end()) {
            if (!expected.empty() && !partial)
                fault(typeIndex, "has work but nothing was delivered");
            continue;
        }
        const RecordedType& type = planned->second;
        if (expected.empty()) {
            fault(typeIndex, "asks for nothing but was delivered");
            continue;
        }
        // Items: exactly the expected ones, each once.
        std::set<double> lengths;
        for (const RecordedItem& item : type.items) {
            if (!lengths.insert(item.length).second)
                fault(typeIndex, "item length delivered twice");
            auto it = expected.find(item.length);
            if (it == expected.end()) {
                fault(typeIndex, "unexpected item");
                continue;
            }
            if (item.quantity != it->second.quantity)
                fault(typeIndex, "item quantity");
            std::map<std::string, int64_t> ids(item.identifiers.begin(), item.identifiers.end());
            if (ids != it->second.identifiers)
                fault(typeIndex, "item identifiers");
        }
        if (lengths.size() != expected.size())
            fault(typeIndex, "item count");

        const FakeType& stock = job.types.count(typeIndex) ? job.types.at(typeIndex) : FakeType{0, {}, 0, 0};
        const auto bars = Bars(stock, job.reuseStubs != 0);
        std::vector<int64_t> usedBars(bars.size(), 0);
        std::vector<int64_t> cut(type.items.size(), 0);
        std::vector<double> finishedLengths;
        for (size_t l = 0; l < type.layouts.size(); ++l) {
            const RecordedLayout& layout = type.layouts[l];
            std::ostringstream name;
            name << "layout " << l << " (" << layout.barLength << "): ";
            if (layout.pieces.size() != type.items.size()) {
                fault(typeIndex, name.str() + "pieces do not match the items");
                continue;
            }
            if (layout.barCount < 1)
                fault(typeIndex, name.str() + "bar count below 1");
            if (std::any_of(layout.pieces.begin(), layout.pieces.end(), [](int32_t p) { return p < 0; }))
                fault(typeIndex, name.str() + "negative pieces");
            const int64_t n = Count(layout);
            if (n < 1)
                fault(typeIndex, name.str() + "no pieces");
            size_t bar = bars.size();
            for (size_t b = 0; b < bars.size(); ++b)
                if (SameBits(bars[b].first, layout.barLength))
                    bar = b;
            if (bar == bars.size())
                fault(typeIndex, name.str() + "bar length not a usable stock or default length");
            else
                usedBars[bar] += layout.barCount;
            const double pieces = PiecesLength(type, layout);
            if (pieces + static_cast<double>(n - 1) * kerf > layout.barLength + kSlack)
                fault(typeIndex, name.str() + "pieces do not fit");
            const double used = std::min(layout.barLength, pieces + static_cast<double>(n) * kerf);
            if (std::fabs(used - layout.usedLength) > kSlack || layout.usedLength > layout.barLength)
                fault(typeIndex, name.str() + "used length");
            // Layouts of one bar length follow one another.
            if (l > 0 && !SameBits(type.layouts[l - 1].barLength, layout.barLength)) {
                finishedLengths.push_back(type.layouts[l - 1].barLength);
                if (std::find(finishedLengths.begin(), finishedLengths.end(), layout.barLength) !=
                    finishedLengths.end())
                    fault(typeIndex, name.str() + "bar length group split");
            }
            for (size_t k = 0; k < cut.size(); ++k)
                cut[k] += static_cast<int64_t>(layout.pieces[k]) * layout.barCount;
        }
        for (size_t b = 0; b < bars.size(); ++b)
            if (bars[b].second >= 0 && usedBars[b] > bars[b].second)
                fault(typeIndex, "more bars of a stock length than in stock");

        // Demand: met exactly, or a piece is left only when nothing can hold it.
        for (size_t k = 0; k < type.items.size(); ++k) {
            const RecordedItem& item = type.items[k];
            if (cut[k] > item.quantity)
                fault(typeIndex, "more pieces cut than asked for");
            if (cut[k] >= item.quantity || item.length <= 0)
                continue;
            for (size_t b = 0; b < bars.size(); ++b)
                if ((bars[b].second < 0 || usedBars[b] < bars[b].second) &&
                    item.length <= bars[b].first - kSlack)
                    fault(typeIndex, "a piece is left uncut though an unused bar holds it");
            for (const RecordedLayout& layout : type.layouts)
                if (layout.pieces.size() == type.items.size() &&
                    PiecesLength(type, layout) + item.length + static_cast<double>(Count(layout)) * kerf <=
                        layout.barLength - kSlack)
                    fault(typeIndex, "a piece is left uncut though a leftover holds it");
        }
    }
    return faults;
}

PlanFigures Figures(const FakeOptimizer& job, int32_t typeIndex, double sawThickness)
{
    PlanFigures figures;
    const double kerf = Kerf(sawThickness);
    auto planned = job.plan.find(typeIndex);
    const FakeType& stock = job.types.at(typeIndex);
    if (planned == job.plan.end()) {
        for (const auto& [length, item] : ExpectedItems(job, typeIndex))
            figures.uncutPieces += item.quantity;
        return figures;
    }
    const RecordedType& type = planned->second;
    std::set<std::pair<double, std::vector<int32_t>>> distinct;
    int64_t defaultBars = 0;
    for (const RecordedLayout& layout : type.layouts) {
        figures.bars += layout.barCount;
        figures.barLength += layout.barCount * layout.barLength;
        if (layout.barLength == stock.defaultLength)
            defaultBars += layout.barCount;
        const double pieces = PiecesLength(type, layout);
        const double used = std::min(layout.barLength, pieces + static_cast<double>(Count(layout)) * kerf);
        const double stub = layout.barLength - used;
        double waste = used - pieces;
        if (stub < stock.minReusedLength) {
            waste += stub;
            if (stub > stock.maxWasteLength)
                figures.middleLeftovers += layout.barCount;
        }
        figures.wasteLength += layout.barCount * waste;
        distinct.insert({layout.barLength, layout.pieces});
        for (size_t k = 0; k < layout.pieces.size(); ++k)
            figures.uncutPieces -= static_cast<int64_t>(layout.pieces[k]) * layout.barCount;
    }
    for (const RecordedItem& item : type.items)
        figures.uncutPieces += item.quantity;
    int64_t defaultInStock = 0;
    for (const auto& [length, quantity] : stock.stock)
        if (length == stock.defaultLength) {
            defaultInStock = std::max(0, quantity);
            break;
        }
    figures.newBarLength = static_cast<double>(std::max<int64_t>(0, defaultBars - defaultInStock)) *
                           stock.defaultLength;
    figures.layouts = static_cast<int64_t>(distinct.size());
    return figures;
}

} // namespace kalomax::test

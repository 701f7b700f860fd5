#include "job/plan_statistics.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/exception.h"
#include "core/texts.h"
#include "core/int_range.h"
#include "inventory/inventory_data.h"

namespace {

// Prices and totals below this are treated as zero.
constexpr double kTiny = 0.00001;

double Percent(double part, double whole) { return whole > kTiny ? part * 100 / whole : 0; }

// A layout's pieces times its bars reaches 2^62; the running count is held well inside 64
// bits so that adding the next one cannot overflow (it ends up held to 32 bits anyway).
constexpr std::int64_t kCountLimit = std::int64_t{1} << 61;

std::int64_t AddCount(std::int64_t sum, std::int64_t count)
{
    return std::clamp(sum + count, -kCountLimit, kCountLimit);
}

} // namespace

LayoutStatistics ComputeLayoutStatistics(const TYPE_OF_BAR& type, const std::vector<ITEM_TO_BE_CUT>& items,
                                         const std::vector<OPTIMIZED_RESULT>& layouts)
{
    LayoutStatistics statistics;
    std::int64_t usedItems = 0;
    for (const OPTIMIZED_RESULT& layout : layouts) {
        const Length stub = layout.barLength - layout.usedLength;
        if (stub >= type.minReusedLength) {
            statistics.reused += layout.barCount * stub;
        } else {
            statistics.waste += layout.barCount * stub;
        }
        Length piecesLength = 0;
        const std::size_t count = std::min(items.size(), layout.pieces.size());
        for (std::size_t k = 0; k < count; ++k) {
            piecesLength += layout.pieces[k] * items[k].length;
            usedItems = AddCount(usedItems, static_cast<std::int64_t>(layout.pieces[k]) * layout.barCount);
        }
        statistics.waste += layout.barCount * (layout.usedLength - piecesLength);
        statistics.used += layout.barCount * piecesLength;
    }
    std::int64_t quantity = 0;
    for (const ITEM_TO_BE_CUT& item : items) {
        quantity += item.quantity;
    }
    statistics.usedItems = ClampToInt32(usedItems);
    statistics.unusedItems = ClampToInt32(quantity - usedItems);
    return statistics;
}

double LengthCost(Length length, const TYPE_OF_BAR& type) { return length * type.price / type.priceLength; }

TYPE_COSTS ComputeTypeCosts(const TYPE_OF_BAR& type, const LayoutStatistics& statistics)
{
    TYPE_COSTS costs;
    costs.totalLength = statistics.used + statistics.reused + statistics.waste;
    if (type.priceLength > kTiny) {
        costs.totalCost = LengthCost(costs.totalLength, type);
        costs.usedCost = LengthCost(statistics.used, type);
        costs.reusedCost = LengthCost(statistics.reused, type);
        costs.wasteCost = LengthCost(statistics.waste, type);
    }
    costs.usedPercent = Percent(statistics.used, costs.totalLength);
    costs.reusedPercent = Percent(statistics.reused, costs.totalLength);
    costs.wastePercent = Percent(statistics.waste, costs.totalLength);
    return costs;
}

PLAN_TOTALS ComputePlanTotals(const CInventoryData& inventory, const CuttingPlan& plan)
{
    PLAN_TOTALS totals;
    for (const TOB_RESULT& result : plan.Sequence()) {
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(result.typeIndex);
        if (type.priceLength < kTiny) {
            KX_RAISE(LangText(T_STOCK_INVALID));
        }
        const LayoutStatistics statistics = ComputeLayoutStatistics(type, result.items, result.layouts);
        totals.totalCost += LengthCost(statistics.used + statistics.reused + statistics.waste, type);
        totals.usedCost += LengthCost(statistics.used, type);
        totals.reusedCost += LengthCost(statistics.reused, type);
        totals.wasteCost += LengthCost(statistics.waste, type);
    }
    totals.usedPercent = Percent(totals.usedCost, totals.totalCost);
    totals.reusedPercent = Percent(totals.reusedCost, totals.totalCost);
    totals.wastePercent = Percent(totals.wasteCost, totals.totalCost);
    return totals;
}

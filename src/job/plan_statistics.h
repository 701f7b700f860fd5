#pragma once

#include <cstdint>
#include <vector>

#include "inventory/type_of_bar.h"
#include "job/cutting_plan.h"

class CInventoryData;

struct LayoutStatistics {
    Length used = 0;
    Length reused = 0;
    Length waste = 0;
    std::int32_t usedItems = 0;
    std::int32_t unusedItems = 0;
};

// Used, reused and waste length and the pieces cut and left uncut of one type of bar.
LayoutStatistics ComputeLayoutStatistics(const TYPE_OF_BAR& type, const std::vector<ITEM_TO_BE_CUT>& items,
                                         const std::vector<OPTIMIZED_RESULT>& layouts);

// length * price / priceLength.
double LengthCost(Length length, const TYPE_OF_BAR& type);

// Costs and their shares of the total cost.
struct COST_SHARES {
    double totalCost = 0;
    double usedCost = 0;
    double reusedCost = 0;
    double wasteCost = 0;
    double usedPercent = 0;
    double reusedPercent = 0;
    double wastePercent = 0;
};

// The costs of one type, as its statistics block shows them; the shares are of the length.
struct TYPE_COSTS : COST_SHARES {
    Length totalLength = 0;
};
TYPE_COSTS ComputeTypeCosts(const TYPE_OF_BAR& type, const LayoutStatistics& statistics);

// The costs summed over all types of a plan; raises "Stock is invalid!" for a type whose
// price length is below 0.00001.
using PLAN_TOTALS = COST_SHARES;
PLAN_TOTALS ComputePlanTotals(const CInventoryData& inventory, const CuttingPlan& plan);

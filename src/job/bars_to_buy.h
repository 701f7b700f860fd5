#pragma once

#include <vector>

#include "job/cutting_plan.h"

class CInventoryData;

// The bars each type needs beyond its current stock, in plan order.
std::vector<NEEDED_BAR> BarsToBuy(const CInventoryData& inventory, const CuttingPlan& plan);

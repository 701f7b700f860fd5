#pragma once

#include "job/cutting_plan.h"

class CInventoryData;

// Takes the bars the plan cuts out of each type's stock and puts the reusable stubs back.
void UpdateInventory(const CInventoryData& inventory, const CuttingPlan& plan);

#pragma once

#include <string>

#include "job/cutting_plan.h"

class CInventoryData;

// The plan as one JSON object: {"types":[{typeIndex, profileCode, material, color, items,
// layouts}], "seconds": ...}; lengths in millimetres in their shortest exact form.
std::string PlanToJson(const CInventoryData& inventory, const CuttingPlan& plan, double seconds);

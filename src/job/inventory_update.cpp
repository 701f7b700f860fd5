#include "job/inventory_update.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>

#include "core/int_range.h"
#include "inventory/inventory_data.h"

void UpdateInventory(const CInventoryData& inventory, const CuttingPlan& plan)
{
    for (const TOB_RESULT& result : plan.Sequence()) {
        std::vector<BAR> stock;
        inventory.ReadBarStock(result.typeIndex, stock);
        std::map<Length, std::int64_t> table;
        for (const BAR& bar : stock) {
            table[bar.length] = bar.quantity;
        }
        const Length minReusedLength = inventory.GetTypeOfBar(result.typeIndex).minReusedLength;
        for (const OPTIMIZED_RESULT& layout : result.layouts) {
            table[layout.barLength] -= layout.barCount;
            const Length stub = layout.barLength - layout.usedLength;
            // A layout that uses the whole bar leaves nothing to put back, whatever the minimum.
            if (stub > 0 && stub >= minReusedLength) {
                table[stub] += layout.barCount;
            }
        }
        std::vector<BAR> updated;
        for (const auto& [length, quantity] : table) {
            if (quantity != 0) {
                updated.push_back(BAR{length, ClampToInt32(quantity)});
            }
        }
        inventory.WriteBarStock(result.typeIndex, updated);
    }
}

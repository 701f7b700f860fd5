#include "job/bars_to_buy.h"

#include <cstdint>

#include "core/int_range.h"
#include "inventory/inventory_data.h"

namespace {

// The bars of one length group that the stock cannot give.
void Settle(Length length, std::int64_t count, const std::vector<BAR>& stock, std::vector<BAR>& toBuy)
{
    for (const BAR& bar : stock) {
        if (bar.length == length) {
            if (bar.quantity > 0) {
                count -= bar.quantity;
            }
            break;
        }
    }
    if (count > 0) {
        toBuy.push_back(BAR{length, ClampToInt32(count)});
    }
}

} // namespace

std::vector<NEEDED_BAR> BarsToBuy(const CInventoryData& inventory, const CuttingPlan& plan)
{
    std::vector<NEEDED_BAR> needed;
    for (const TOB_RESULT& result : plan.Sequence()) {
        std::vector<BAR> stock;
        inventory.ReadBarStock(result.typeIndex, stock);
        std::vector<BAR> toBuy;
        Length length = 0;
        std::int64_t count = 0;
        for (const OPTIMIZED_RESULT& layout : result.layouts) {
            if (layout.barLength == length) {
                count += layout.barCount;
                continue;
            }
            if (length != 0) {
                Settle(length, count, stock, toBuy);
            }
            length = layout.barLength;
            count = layout.barCount;
        }
        if (length != 0) {
            Settle(length, count, stock, toBuy);
        }
        if (!toBuy.empty()) {
            needed.push_back(NEEDED_BAR{result.typeIndex, std::move(toBuy)});
        }
    }
    return needed;
}

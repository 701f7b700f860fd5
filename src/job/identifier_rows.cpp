#include "job/identifier_rows.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

// How many identical bars the next row can stand for: as many as the first identifier
// left of every item cut by the layout can fill, at least one.
std::int64_t RowBarCount(const OPTIMIZED_RESULT& layout, const std::vector<ITEM_TO_BE_CUT>& items,
                         std::int64_t remaining)
{
    std::int64_t bars = std::numeric_limits<std::int64_t>::max();
    for (std::size_t k = 0; k < items.size() && k < layout.pieces.size(); ++k) {
        const std::int32_t pieces = layout.pieces[k];
        if (pieces == 0) {
            continue;
        }
        for (const auto& [identifier, count] : items[k].identifiers) {
            if (count != 0) {
                bars = std::min<std::int64_t>(bars, count / pieces);
                break;
            }
        }
        if (bars == 0) {
            bars = 1;
            break;
        }
    }
    return std::min(bars, remaining);
}

} // namespace

std::vector<IDENTIFIER_ROW> AssignIdentifiers(const OPTIMIZED_RESULT& layout, std::vector<ITEM_TO_BE_CUT>& items,
                                              const TYPE_OF_BAR& type)
{
    std::vector<IDENTIFIER_ROW> rows;
    const Length stub = layout.barLength - layout.usedLength;
    std::int64_t remaining = layout.barCount;
    while (remaining > 0) {
        const std::int64_t bars = RowBarCount(layout, items, remaining);
        IDENTIFIER_ROW row;
        row.barCount = static_cast<std::int32_t>(bars);
        for (std::size_t k = 0; k < items.size() && k < layout.pieces.size(); ++k) {
            const std::int32_t need = layout.pieces[k];
            std::int32_t assigned = 0;
            for (auto& [identifier, count] : items[k].identifiers) {
                if (need == 0 || assigned >= need) {
                    break;
                }
                const std::int32_t available = need - assigned;
                std::int32_t contribution = 0;
                if (available < count) {
                    count = static_cast<std::int32_t>(count - static_cast<std::int64_t>(available) * bars);
                    contribution = available;
                } else {
                    contribution = count;
                    count = 0;
                }
                assigned += contribution;
                if (contribution != 0) {
                    row.entries.push_back(IDENTIFIER_ENTRY{items[k].length, identifier, contribution});
                }
            }
        }
        row.stub = stub;
        row.reusable = stub >= type.minReusedLength;
        rows.push_back(std::move(row));
        remaining -= bars;
    }
    return rows;
}

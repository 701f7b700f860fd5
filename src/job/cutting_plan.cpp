#include "job/cutting_plan.h"

#include <cmath>

#include "core/exception.h"
#include "core/texts.h"

TOB_RESULT& CuttingPlan::ForType(std::int32_t typeIndex)
{
    m_sequence.reset();
    TOB_RESULT& result = m_byType[typeIndex];
    result.typeIndex = typeIndex;
    return result;
}

void CuttingPlan::AddItem(std::int32_t typeIndex, ITEM_TO_BE_CUT item)
{
    ForType(typeIndex).items.push_back(std::move(item));
}

void CuttingPlan::AddLayout(std::int32_t typeIndex, OPTIMIZED_RESULT layout)
{
    ForType(typeIndex).layouts.push_back(std::move(layout));
}

const std::vector<TOB_RESULT>& CuttingPlan::Sequence() const
{
    if (!m_sequence) {
        std::vector<TOB_RESULT> sequence;
        sequence.reserve(m_byType.size());
        for (const auto& [typeIndex, result] : m_byType) {
            sequence.push_back(result);
        }
        m_sequence = std::move(sequence);
    }
    return *m_sequence;
}

namespace {

bool IsLength(double value) { return std::isfinite(value) && value >= 0; }

bool IsValidItem(const ITEM_TO_BE_CUT& item)
{
    if (!IsLength(item.length) || item.quantity < 0) {
        return false;
    }
    for (const auto& [identifier, count] : item.identifiers) {
        if (count < 0) {
            return false;
        }
    }
    return true;
}

bool IsValidLayout(const OPTIMIZED_RESULT& layout, const std::vector<ITEM_TO_BE_CUT>& items)
{
    if (!IsLength(layout.barLength) || !IsLength(layout.usedLength) || layout.barCount < 0 ||
        layout.pieces.size() != items.size()) {
        return false;
    }
    for (const std::int32_t pieces : layout.pieces) {
        if (pieces < 0) {
            return false;
        }
    }
    return true;
}

} // namespace

void CuttingPlan::Validate(int typeCount) const
{
    for (const auto& [typeIndex, result] : m_byType) {
        bool valid = typeIndex >= 0 && typeIndex < typeCount;
        for (const ITEM_TO_BE_CUT& item : result.items) {
            valid = valid && IsValidItem(item);
        }
        for (const OPTIMIZED_RESULT& layout : result.layouts) {
            valid = valid && IsValidLayout(layout, result.items);
        }
        if (!valid) {
            KX_RAISE(LangText(T_PLAN_INVALID));
        }
    }
}

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/length.h"
#include "inventory/bar.h"

// One distinct piece length of one type of bar, with the pieces each order identifier
// asked for (iterated in ascending byte order of the identifier).
struct ITEM_TO_BE_CUT {
    Length length = 0;
    std::int32_t quantity = 0;
    std::map<std::string, std::int32_t> identifiers;
};

// One cutting layout: barCount bars of barLength, each carrying pieces[k] pieces of item k.
struct OPTIMIZED_RESULT {
    Length barLength = 0;
    Length usedLength = 0; // pieces and saw cuts
    std::int32_t barCount = 0;
    std::vector<std::int32_t> pieces;
};

// The result for one type of bar, in the order the optimizer delivered it.
struct TOB_RESULT {
    std::int32_t typeIndex = 0;
    std::vector<ITEM_TO_BE_CUT> items;
    std::vector<OPTIMIZED_RESULT> layouts;
};

// The bars to buy for one type of bar.
struct NEEDED_BAR {
    std::int32_t typeIndex = 0;
    std::vector<BAR> bars;
};

// The plan of one optimization, one record per type of bar.
class CuttingPlan {
public:
    // The record of a type, created empty on first use.
    TOB_RESULT& ForType(std::int32_t typeIndex);
    void AddItem(std::int32_t typeIndex, ITEM_TO_BE_CUT item);
    void AddLayout(std::int32_t typeIndex, OPTIMIZED_RESULT layout);
    bool IsEmpty() const { return m_byType.empty(); }
    // The records by type index, for reading while the plan is still being filled.
    const std::map<std::int32_t, TOB_RESULT>& Types() const { return m_byType; }

    // The records in ascending type index; built once, on the first call, and reused.
    const std::vector<TOB_RESULT>& Sequence() const;

    // Raises when a record breaks what every consumer relies on: a pieces sequence that
    // is not one entry per item, negative or non-finite counts and lengths, or a type
    // index outside [0, typeCount).
    void Validate(int typeCount) const;

private:
    std::map<std::int32_t, TOB_RESULT> m_byType;
    mutable std::optional<std::vector<TOB_RESULT>> m_sequence;
};

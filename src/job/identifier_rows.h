#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "inventory/type_of_bar.h"
#include "job/cutting_plan.h"

// One printed row of a layout: `barCount` identical bars carrying these pieces.
struct IDENTIFIER_ENTRY {
    Length length = 0;
    std::string identifier;
    std::int32_t piecesPerBar = 0;
};
struct IDENTIFIER_ROW {
    std::int32_t barCount = 0;
    std::vector<IDENTIFIER_ENTRY> entries;
    Length stub = 0;
    bool reusable = false;
};
// The rows of one layout; consumes the identifier counts of `items`, a working copy of the
// type's items shared by all layouts of the type in layout order.
std::vector<IDENTIFIER_ROW> AssignIdentifiers(const OPTIMIZED_RESULT& layout, std::vector<ITEM_TO_BE_CUT>& items,
                                              const TYPE_OF_BAR& type);

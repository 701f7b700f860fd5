// A spreadsheet file: any bytes parse into rows, and the order and stock imports take or
// refuse every row with a reason, never reading past a row.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/csv.h"
#include "core/exception.h"
#include "fuzz_folder.h"
#include "inventory/stock_csv.h"
#include "job/global_data.h"
#include "job/order_csv.h"

namespace {

// One type of bar the rows can name.
const CGlobalData& Inventory()
{
    static const CGlobalData data = [] {
        FuzzProgramFolder();
        CGlobalData made;
        made.InsertTypeOfBar(TYPE_OF_BAR{"P1", "AL", "WHITE", CInventoryData::CreateStockFile(), 1, 1000, 300, 50, 6000});
        return made;
    }();
    return data;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const CSV_TABLE table = ParseCsv(text);
    if (table.rows.size() != table.lines.size()) {
        __builtin_trap();
    }
    for (const int unit : {0, 14}) {
        try {
            const ORDER_IMPORT orders = ReadOrdersCsv(Inventory(), text, unit);
            if (orders.orders.size() + orders.problems.size() + 1 != table.rows.size()) {
                __builtin_trap();
            }
            ReadStockCsv(Inventory(), text, unit);
        } catch (const CException&) {
        }
    }
    return 0;
}

// A stock file: any bytes read into a stock or raise the layer's message; the stock can be
// edited, and what is written reads back with as many entries.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "core/exception.h"
#include "fuzz_folder.h"
#include "inventory/inventory_data.h"

namespace {

constexpr const char* kStockFile = "04718263";

// One type of bar whose stock file is the fuzzed one.
constexpr char kBfmBytes[] =
    "\x22\x63\x58\x14\x7b\x00\x00\x00"
    "P1\nAl\nWhite\n04718263\n12.5000\n1000.0000\n6000.0000\n300.0000\n50.0000\n";
const std::string_view kBfm(kBfmBytes, sizeof kBfmBytes - 1);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzFile("bfm", kBfm);
    WriteFuzzFile(kStockFile, std::string_view(reinterpret_cast<const char*>(data), size));
    CInventoryData inventory;
    try {
        inventory.LoadTypesOfBars();
        inventory.SelectStock(0);
    } catch (const CException&) {
        return 0;
    }
    try {
        const int count = inventory.CountBars();
        for (int i = 0; i < count; ++i) {
            inventory.FindBar(inventory.GetBar(i).length);
        }
        if (count > 0) {
            BAR first = inventory.GetBar(0);
            inventory.SetBarQuantity(0, first);
            first.quantity = 7;
            inventory.AddBars(first);
        }
        inventory.AddBars(BAR{1234.5, 3});
        std::vector<BAR> reread;
        inventory.ReadBarStock(0, reread);
        if (static_cast<int>(reread.size()) != inventory.CountBars()) {
            __builtin_trap();
        }
    } catch (const CException&) {
    }
    return 0;
}

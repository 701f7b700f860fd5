// The bar manager file, version 1 (no header) and version 2 (magic and version number):
// loading any bytes either gives a list or raises the layer's message; the list then
// survives being saved, loaded again and searched.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/exception.h"
#include "fuzz_folder.h"
#include "inventory/inventory_data.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzFile("bfm", std::string_view(reinterpret_cast<const char*>(data), size));
    CInventoryData inventory;
    try {
        inventory.LoadTypesOfBars();
    } catch (const CException&) {
        return 0;
    }
    const int count = inventory.CountTypesOfBars();
    try {
        inventory.SaveTypesOfBars();
        CInventoryData reloaded;
        reloaded.LoadTypesOfBars();
        if (reloaded.CountTypesOfBars() != count) {
            // Every record saved must read back; a lost type is lost data.
            __builtin_trap();
        }
        for (int i = 0; i < count; ++i) {
            const TYPE_OF_BAR type = reloaded.GetTypeOfBar(i);
            reloaded.FindTypeOfBar(type.profileCode, type.material, type.color);
            std::vector<BAR> stock;
            try {
                reloaded.ReadBarStock(i, stock);
            } catch (const CException&) {
            }
        }
        if (count > 0) {
            TYPE_OF_BAR extra = reloaded.GetTypeOfBar(0);
            extra.profileCode += "x";
            reloaded.InsertTypeOfBar(extra);
        }
    } catch (const CException&) {
    }
    return 0;
}

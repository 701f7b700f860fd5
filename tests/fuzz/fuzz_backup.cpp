// A backup file: restoring any bytes either raises the layer's message and changes no
// file, or replaces the inventory files by the members; a restored inventory can be
// backed up again.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "fuzz_folder.h"
#include "inventory/backup.h"
#include "inventory/inventory_data.h"

namespace {

constexpr char kBfmBytes[] =
    "\x22\x63\x58\x14\x7b\x00\x00\x00"
    "P1\nAl\nWhite\n04718263\n12.5000\n1000.0000\n6000.0000\n300.0000\n50.0000\n";
const std::string_view kBfm(kBfmBytes, sizeof kBfmBytes - 1);

// Members of any name land in the program folder; they go after each run so the folder
// does not fill up over millions of runs.
void RemoveRestoredFiles()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(FuzzProgramFolder(), error)) {
        if (entry.is_regular_file(error)) {
            std::filesystem::remove(entry.path(), error);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WriteFuzzFile("bfm", kBfm);
    WriteFuzzFile("04718263", "6000.0000\n4\n");
    const std::string backupPath = ProgramFilePath("backup", "fuzz.bkp");
    {
        std::string_view bytes(reinterpret_cast<const char*>(data), size);
        ReplaceFileAtomically(backupPath, bytes);
    }
    CInventoryData inventory;
    try {
        inventory.LoadTypesOfBars();
        RestoreInventory(inventory, backupPath);
    } catch (const CException& error) {
        // A backup refused as damaged must not have touched the inventory.
        if (std::string_view(error.message) == LangText(T_CANNOT_RESTORE_INVENTORY) &&
            ReadWholeFile(ProgramFilePath("", "bfm")) != std::string(kBfm)) {
            __builtin_trap();
        }
        RemoveRestoredFiles();
        return 0;
    }
    try {
        SaveInventory(inventory, ProgramFilePath("backup", "again.bkp"));
    } catch (const CException&) {
    }
    RemoveRestoredFiles();
    return 0;
}

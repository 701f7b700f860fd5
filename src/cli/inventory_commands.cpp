#include "cli/inventory_commands.h"

#include <optional>

#include "cli/cli_arguments.h"
#include "cli/report_sections.h"
#include "inventory/backup.h"
#include "inventory/inventory_data.h"

namespace {

const std::string& OneFileArgument(const std::vector<std::string>& arguments, const char* command)
{
    if (arguments.size() != 1 || arguments[0].rfind("--", 0) == 0) {
        throw CUsageError(std::string(command) + " takes one file");
    }
    return arguments[0];
}

} // namespace

int RunBackupCommand(const std::vector<std::string>& arguments, std::ostream& out)
{
    const std::string& path = OneFileArgument(arguments, "backup");
    CInventoryData inventory;
    inventory.LoadTypesOfBars();
    SaveInventory(inventory, path);
    out << "Inventory has been saved successfully!\n";
    return 0;
}

int RunRestoreCommand(const std::vector<std::string>& arguments, std::ostream& out)
{
    const std::string& path = OneFileArgument(arguments, "restore");
    CInventoryData inventory;
    RestoreInventory(inventory, path);
    out << "Inventory has been restored.\n";
    return 0;
}

int RunInventoryReportCommand(const std::vector<std::string>& arguments, std::ostream& out)
{
    std::optional<std::string> sections;
    std::string path;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--sections" && i + 1 < arguments.size()) {
            sections = arguments[++i];
        } else if (arguments[i].rfind("--", 0) != 0 && path.empty()) {
            path = arguments[i];
        } else {
            throw CUsageError("inventory-report takes one file and --sections LIST");
        }
    }
    if (path.empty()) {
        throw CUsageError("inventory-report needs a file");
    }
    const INVENTORY_REPORT_FLAGS flags = InventoryReportSections(sections);
    CInventoryData inventory;
    inventory.LoadTypesOfBars();
    WriteInventoryReport(inventory, flags, path);
    out << "Report written to " << path << "\n";
    return 0;
}

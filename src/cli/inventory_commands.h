#pragma once

#include <ostream>
#include <string>
#include <vector>

// backup FILE: writes the backup of the whole inventory.
int RunBackupCommand(const std::vector<std::string>& arguments, std::ostream& out);
// restore FILE: replaces the inventory by a backup.
int RunRestoreCommand(const std::vector<std::string>& arguments, std::ostream& out);
// inventory-report FILE [--sections LIST]: writes the inventory report.
int RunInventoryReportCommand(const std::vector<std::string>& arguments, std::ostream& out);

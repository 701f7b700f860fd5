#pragma once

#include <string>

class CInventoryData;

// The backup file: the bar manager file, the three category files and every stock file, each
// framed by its name and size (4-byte little-endian lengths), one after the other.

// Writes the backup of the whole inventory to `backupPath`; raises "Cannot save inventory!".
void SaveInventory(const CInventoryData& inventory, const std::string& backupPath);

// Replaces the inventory files by the members of the backup and reloads the types of bars.
// The whole backup is read and checked first; a missing, empty or damaged backup, or one
// with a member name that is not a bare file name, raises "Cannot restore inventory!" and
// changes no file.
void RestoreInventory(CInventoryData& inventory, const std::string& backupPath);

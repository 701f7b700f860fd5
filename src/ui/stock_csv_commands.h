#pragma once

class CInventoryData;

// Writes every stock entry of every type of bar to a CSV file the user picks, lengths in
// the unit and precision of the settings.
void ExportStockToCsv(const CInventoryData& inventory);

// Reads stock rows from a CSV file the user picks, shows what will be added and every row
// that is left out, and adds the entries when the user agrees. True when the stock changed.
bool ImportStockFromCsv(CInventoryData& inventory);

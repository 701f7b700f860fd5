#pragma once

#include <string>

class CInventoryData;

// The sections of the inventory report the user chose, in the order of the report.
struct INVENTORY_REPORT_FLAGS {
    bool stockInfo = false;
    bool stockDetails = false;
    bool totalCost = false;
    bool barsBought = false;
};

// The choices stored in the settings (the _SR flags).
INVENTORY_REPORT_FLAGS ReadInventoryReportFlags();

// The page of the inventory report: every type of bar with its prices, lengths and stock,
// the value of each stock, and the bars taken beyond the stock (negative quantities).
// Raises "Stock is invalid!" for a type whose price length is below 0.00001, in every
// section that prices its bars.
std::string BuildInventoryReport(const CInventoryData& inventory, const INVENTORY_REPORT_FLAGS& flags);

// Builds the page, writes it to `path` and opens it with the desktop shell. Raises
// "Stock is invalid!" or "Cannot create report!"; nothing is written or opened then.
void WriteInventoryReport(const CInventoryData& inventory, const INVENTORY_REPORT_FLAGS& flags,
                          const std::string& path);

// A new name of 8 random digits and ".html" in the report folder of the program folder.
std::string DefaultInventoryReportPath();

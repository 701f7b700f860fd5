#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/csv.h"
#include "inventory/bar.h"

class CInventoryData;

// The columns every imported row names a bar by, in this order, with the header names
// each may go by (English and Romanian).
enum CsvBarColumn { kCsvProfileCode, kCsvMaterial, kCsvColor, kCsvLength, kCsvQuantity, kCsvBarColumnCount };
extern const std::vector<std::vector<std::string_view>> kCsvBarColumnNames;

// One row's type of bar (looked up by its three texts, spaces as "_"), length in the given
// unit, and quantity. Nothing and a reason when the row cannot be taken.
struct CSV_BAR_ROW {
    int typeIndex = -1;
    Length length = 0;
    std::int32_t quantity = 0;
};
std::optional<CSV_BAR_ROW> ReadCsvBarRow(const CInventoryData& inventory, const std::vector<std::string>& row,
                                         const std::vector<int>& columns, int unit, bool negativeAllowed,
                                         std::string& reason);

// Stock rows: profile code, material, color, length, quantity.
struct STOCK_IMPORT {
    struct ENTRY {
        int line = 0;
        int typeIndex = -1;
        BAR bar;
    };
    std::vector<ENTRY> entries;
    std::vector<CSV_ROW_PROBLEM> problems;
};
// Raises "The file does not name all the needed columns!" when the header lacks one.
STOCK_IMPORT ReadStockCsv(const CInventoryData& inventory, std::string_view text, int unit);
// Adds every entry to its type's stock (a negative quantity takes bars away); the stock
// that was selected is selected again afterwards.
void ApplyStockImport(CInventoryData& inventory, const STOCK_IMPORT& import);
// Every stock entry of every type, in the unit and precision given, with a header row.
std::string WriteStockCsv(const CInventoryData& inventory, int unit, int precision);

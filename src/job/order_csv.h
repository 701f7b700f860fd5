#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/csv.h"
#include "job/order.h"

class CGlobalData;
class CInventoryData;

// Orders read from a spreadsheet: profile code, material, color, identifier (may be
// empty), length in the given unit, quantity above 0. The header row names the columns in
// any order, in English or Romanian; the identifier column may be left out.
struct ORDER_IMPORT {
    std::vector<ORDER> orders;
    std::vector<int> lines; // the file line of each order
    std::vector<CSV_ROW_PROBLEM> problems;
};
// Raises "The file does not name all the needed columns!" when the header lacks one.
ORDER_IMPORT ReadOrdersCsv(const CInventoryData& inventory, std::string_view text, int unit);
// Adds the orders that were read to the job (bad rows were never taken).
void ApplyOrderImport(CGlobalData& data, const ORDER_IMPORT& import);
// The job's orders with a header row, lengths in the unit and precision given.
std::string WriteOrdersCsv(const CGlobalData& data, int unit, int precision);

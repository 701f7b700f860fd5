#include "inventory/stock_csv.h"

#include <charconv>

#include "core/exception.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "inventory/inventory_data.h"

const std::vector<std::vector<std::string_view>> kCsvBarColumnNames = {
    {"profile code", "profile", "cod profil", "profil"},
    {"material"},
    {"color", "colour", "culoare"},
    {"length", "lgth.", "lungime"},
    {"quantity", "qty.", "qty", "cantitate"},
};

namespace {

std::string Field(const std::vector<std::string>& row, int column)
{
    return TrimRight(TrimLeft(row[static_cast<std::size_t>(column)]));
}

std::optional<std::int32_t> ReadQuantity(const std::string& text)
{
    std::int32_t value = 0;
    const char* begin = text.data() + (text.rfind('+', 0) == 0 ? 1 : 0);
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(begin, end, value);
    if (text.empty() || error != std::errc() || last != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<CSV_BAR_ROW> ReadCsvBarRow(const CInventoryData& inventory, const std::vector<std::string>& row,
                                         const std::vector<int>& columns, int unit, bool negativeAllowed,
                                         std::string& reason)
{
    for (const int column : columns) {
        if (column >= static_cast<int>(row.size())) {
            reason = LangText(T_CSV_MISSING_FIELDS);
            return std::nullopt;
        }
    }
    std::string texts[3] = {Field(row, columns[kCsvProfileCode]), Field(row, columns[kCsvMaterial]),
                            Field(row, columns[kCsvColor])};
    for (std::string& text : texts) {
        MakeItemText(text);
    }
    CSV_BAR_ROW result;
    result.typeIndex = inventory.FindTypeOfBar(texts[0], texts[1], texts[2]);
    if (result.typeIndex < 0) {
        reason = LangText(T_CSV_UNKNOWN_TYPE);
        return std::nullopt;
    }
    result.length = TextToLength(Field(row, columns[kCsvLength]), unit);
    if (!(result.length > 0)) {
        reason = LangText(T_CSV_BAD_LENGTH);
        return std::nullopt;
    }
    const std::optional<std::int32_t> quantity = ReadQuantity(Field(row, columns[kCsvQuantity]));
    if (!quantity || (*quantity < 0 && !negativeAllowed)) {
        reason = LangText(T_CSV_BAD_QUANTITY);
        return std::nullopt;
    }
    if (*quantity == 0) {
        reason = LangText(T_CSV_ZERO_QUANTITY);
        return std::nullopt;
    }
    result.quantity = *quantity;
    return result;
}

STOCK_IMPORT ReadStockCsv(const CInventoryData& inventory, std::string_view text, int unit)
{
    const CSV_TABLE table = ParseCsv(text);
    const std::vector<int> columns =
        FindCsvColumns(table.rows.empty() ? std::vector<std::string>{} : table.rows[0], kCsvBarColumnNames);
    for (const int column : columns) {
        if (column < 0) {
            KX_RAISE(LangText(T_CSV_MISSING_COLUMNS));
        }
    }
    STOCK_IMPORT import;
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        std::string reason;
        const std::optional<CSV_BAR_ROW> row = ReadCsvBarRow(inventory, table.rows[i], columns, unit, true, reason);
        if (row) {
            import.entries.push_back({table.lines[i], row->typeIndex, BAR{row->length, row->quantity}});
        } else {
            import.problems.push_back({table.lines[i], reason});
        }
    }
    return import;
}

void ApplyStockImport(CInventoryData& inventory, const STOCK_IMPORT& import)
{
    const int selected = inventory.SelectedTypeOfBar();
    for (const STOCK_IMPORT::ENTRY& entry : import.entries) {
        if (inventory.SelectedTypeOfBar() != entry.typeIndex) {
            inventory.SelectStock(entry.typeIndex);
        }
        inventory.AddBars(entry.bar);
    }
    if (selected >= 0) {
        inventory.SelectStock(selected);
    } else {
        inventory.ClearStock();
    }
}

std::string WriteStockCsv(const CInventoryData& inventory, int unit, int precision)
{
    std::string out = CsvLine({"Profile code", "Material", "Color", "Length", "Quantity"}, ',');
    for (int i = 0; i < inventory.CountTypesOfBars(); ++i) {
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(i);
        std::vector<BAR> stock;
        inventory.ReadBarStock(i, stock);
        for (const BAR& bar : stock) {
            out += CsvLine({type.profileCode, type.material, type.color, LengthToText(bar.length, unit, precision, false),
                            std::to_string(bar.quantity)},
                           ',');
        }
    }
    return out;
}

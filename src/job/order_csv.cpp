#include "job/order_csv.h"

#include <optional>

#include "core/exception.h"
#include "core/program_files.h"
#include "core/texts.h"
#include "inventory/stock_csv.h"
#include "job/global_data.h"

namespace {

const std::vector<std::string_view> kIdentifierNames = {"identifier", "identificator", "id"};

} // namespace

ORDER_IMPORT ReadOrdersCsv(const CInventoryData& inventory, std::string_view text, int unit)
{
    const CSV_TABLE table = ParseCsv(text);
    std::vector<std::vector<std::string_view>> names = kCsvBarColumnNames;
    names.push_back(kIdentifierNames);
    std::vector<int> columns = FindCsvColumns(table.rows.empty() ? std::vector<std::string>{} : table.rows[0], names);
    const int identifierColumn = columns.back();
    columns.pop_back();
    for (const int column : columns) {
        if (column < 0) {
            KX_RAISE(LangText(T_CSV_MISSING_COLUMNS));
        }
    }
    ORDER_IMPORT import;
    for (std::size_t i = 1; i < table.rows.size(); ++i) {
        const std::vector<std::string>& fields = table.rows[i];
        std::string reason;
        const std::optional<CSV_BAR_ROW> row = ReadCsvBarRow(inventory, fields, columns, unit, false, reason);
        if (!row) {
            import.problems.push_back({table.lines[i], reason});
            continue;
        }
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(row->typeIndex);
        ORDER order;
        order.profileCode = type.profileCode;
        order.material = type.material;
        order.color = type.color;
        order.length = row->length;
        order.quantity = row->quantity;
        order.typeIndex = row->typeIndex;
        if (identifierColumn >= 0 && identifierColumn < static_cast<int>(fields.size())) {
            order.identifier = TrimRight(TrimLeft(fields[static_cast<std::size_t>(identifierColumn)]));
            MakeItemText(order.identifier);
        }
        import.orders.push_back(std::move(order));
        import.lines.push_back(table.lines[i]);
    }
    return import;
}

void ApplyOrderImport(CGlobalData& data, const ORDER_IMPORT& import)
{
    for (ORDER order : import.orders) {
        data.AddOrder(order);
    }
}

std::string WriteOrdersCsv(const CGlobalData& data, int unit, int precision)
{
    std::string out = CsvLine({"Profile code", "Material", "Color", "Identifier", "Length", "Quantity"}, ',');
    for (int i = 0; i < data.CountOrders(); ++i) {
        ORDER order;
        data.GetOrder(i, order);
        out += CsvLine({order.profileCode, order.material, order.color,
                        order.identifier == kNoIdentifier ? std::string() : order.identifier,
                        LengthToText(order.length, unit, precision, false), std::to_string(order.quantity)},
                       ',');
    }
    return out;
}

#include "core/csv.h"

namespace {

char DetectSeparator(std::string_view text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted && c == ',') {
            ++commas;
        } else if (!quoted && c == ';') {
            ++semicolons;
        }
    }
    return semicolons > commas ? ';' : ',';
}

bool IsBlankRow(const std::vector<std::string>& row)
{
    for (const std::string& field : row) {
        if (field.find_first_not_of(" \t") != std::string::npos) {
            return false;
        }
    }
    return true;
}

} // namespace

CSV_TABLE ParseCsv(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    CSV_TABLE table;
    table.separator = DetectSeparator(text);
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    int line = 1;
    int rowLine = 1;
    auto endRow = [&] {
        row.push_back(std::move(field));
        field.clear();
        if (!IsBlankRow(row)) {
            table.rows.push_back(std::move(row));
            table.lines.push_back(rowLine);
        }
        row.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            if (quoted) {
                field += '\n';
                ++line;
                continue;
            }
            endRow();
            ++line;
            rowLine = line;
        } else if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == table.separator) {
            row.push_back(std::move(field));
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !row.empty()) {
        endRow();
    }
    return table;
}

std::string CsvLine(const std::vector<std::string>& fields, char separator)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += separator;
        }
        const std::string& field = fields[i];
        if (field.find_first_of(std::string("\"\r\n") + separator) == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    return line + "\r\n";
}

std::string CsvColumnKey(std::string_view header)
{
    std::string key;
    bool pendingSpace = false;
    for (const char c : header) {
        if (c == ' ' || c == '\t' || c == '_') {
            pendingSpace = !key.empty();
            continue;
        }
        if (pendingSpace) {
            key += ' ';
            pendingSpace = false;
        }
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

std::vector<int> FindCsvColumns(const std::vector<std::string>& header,
                                const std::vector<std::vector<std::string_view>>& names)
{
    std::vector<int> positions(names.size(), -1);
    for (std::size_t column = 0; column < header.size(); ++column) {
        const std::string key = CsvColumnKey(header[column]);
        for (std::size_t wanted = 0; wanted < names.size(); ++wanted) {
            for (const std::string_view name : names[wanted]) {
                if (positions[wanted] < 0 && key == name) {
                    positions[wanted] = static_cast<int>(column);
                }
            }
        }
    }
    return positions;
}

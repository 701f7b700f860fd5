#pragma once

#include <string>
#include <string_view>
#include <vector>

// A spreadsheet file in comma- or semicolon-separated form: fields may be quoted (a quote
// inside doubled), quoted fields may hold separators and line breaks; lines end with LF,
// CR LF or CR; a UTF-8 byte order mark at the start is skipped. Blank lines are dropped.
struct CSV_TABLE {
    char separator = ',';
    std::vector<std::vector<std::string>> rows;
    std::vector<int> lines; // the line of the file each row starts on, from 1
};

// The separator is the one of ',' and ';' that occurs more often outside quotes on the
// first line (',' when neither does). Never fails: any bytes give some table.
CSV_TABLE ParseCsv(std::string_view text);

// One line of a file, fields quoted where they need it, ended with CR LF.
std::string CsvLine(const std::vector<std::string>& fields, char separator);

// A row of an imported file that is not taken, with the reason in the user's language.
struct CSV_ROW_PROBLEM {
    int line = 0;
    std::string reason;
};

// A header cell reduced for matching: trimmed, lower-case ASCII, "_" and runs of blanks as
// one space.
std::string CsvColumnKey(std::string_view header);

// The position in the header row of each wanted column, matched by CsvColumnKey against the
// names each column may go by; -1 for a column the header does not name.
std::vector<int> FindCsvColumns(const std::vector<std::string>& header,
                                const std::vector<std::vector<std::string_view>>& names);

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/csv.h"

namespace {

using ROWS = std::vector<std::vector<std::string>>;

TEST(Csv, ParsesTrickyFiles)
{
    struct CASE {
        const char* name;
        std::string text;
        char separator;
        ROWS rows;
        std::vector<int> lines;
    };
    const CASE cases[] = {
        {"plain", "a,b\n1,2\n", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"semicolons win on the first line", "a;b;c\n1,5;2;3", ';', {{"a", "b", "c"}, {"1,5", "2", "3"}}, {1, 2}},
        {"BOM and CRLF", "\xEF\xBB\xBF" "a,b\r\n1,2\r\n", ',', {{"a", "b"}, {"1", "2"}}, {1, 2}},
        {"bare CR", "a\r1\r", ',', {{"a"}, {"1"}}, {1, 2}},
        {"quotes", "\"x,y\",\"say \"\"hi\"\"\"\n", ',', {{"x,y", "say \"hi\""}}, {1}},
        {"line break inside quotes", "\"two\r\nlines\",b\nc,d\n", ',', {{"two\nlines", "b"}, {"c", "d"}}, {1, 3}},
        {"blank lines dropped", "a\n\n , \nb", ',', {{"a"}, {"b"}}, {1, 4}},
        {"empty fields kept", ",x,\n", ',', {{"", "x", ""}}, {1}},
        {"unterminated quote", "\"abc,def", ',', {{"abc,def"}}, {1}},
        {"nothing", "", ',', {}, {}},
    };
    for (const CASE& c : cases) {
        const CSV_TABLE table = ParseCsv(c.text);
        EXPECT_EQ(table.separator, c.separator) << c.name;
        EXPECT_EQ(table.rows, c.rows) << c.name;
        EXPECT_EQ(table.lines, c.lines) << c.name;
    }
}

TEST(Csv, WritesWhatItReadsBack)
{
    const std::vector<std::string> fields = {"plain", "a,b", "q\"uote", "17' 3\"", "two\nlines", ""};
    const std::string line = CsvLine(fields, ',');
    EXPECT_EQ(line, "plain,\"a,b\",\"q\"\"uote\",\"17' 3\"\"\",\"two\nlines\",\r\n");
    EXPECT_EQ(ParseCsv(line).rows, ROWS{fields});
}

TEST(Csv, ColumnsAreFoundByTheirNamesInAnyOrder)
{
    EXPECT_EQ(CsvColumnKey("  Profile_Code "), "profile code");
    EXPECT_EQ(CsvColumnKey("COD   profil"), "cod profil");
    const std::vector<int> columns =
        FindCsvColumns({"Qty.", "x", "LENGTH", "qty"}, {{"length"}, {"qty.", "qty"}, {"color"}});
    EXPECT_EQ(columns, (std::vector<int>{2, 0, -1}));
}

} // namespace

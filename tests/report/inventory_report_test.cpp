#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/atomic_file.h"
#include "core/language.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "report/inventory_report.h"
#include "report_fixture.h"

namespace {

constexpr INVENTORY_REPORT_FLAGS kAllSections{true, true, true, true};
constexpr INVENTORY_REPORT_FLAGS kNoSection{};

// 2 bars in stock, an entry used up (0) and one taken beyond the stock (-2); type 1 has an
// empty stock.
constexpr const char* kStock0 = "6000.0000 2\n2500.0000 0\n3000.0000 -2\n";

struct INVENTORY_GOLDEN {
    const char* file;
    std::uint32_t language;
    int unit;
    int precision;
    INVENTORY_REPORT_FLAGS flags;
    bool withTypes;
    const char* currency;
};

const INVENTORY_GOLDEN kInventoryGoldens[] = {
    {"inventory_all_en.html", 0, 0, 0, kAllSections, true, "EUR"},
    // No types of bars: the section headings, empty tables and totals of 0.00.
    {"inventory_no_types_ro.html", 1, 0, 0, kAllSections, false, "RON"},
    // Stock info alone, its lengths in decimal inches.
    {"inventory_info_inches_en.html", 0, 3, 1, {true, false, false, false}, true, "EUR"},
};

void PrintTo(const INVENTORY_GOLDEN& golden, std::ostream* out) { *out << golden.file; }

class InventoryReportGoldenTest : public ReportTest, public ::testing::WithParamInterface<INVENTORY_GOLDEN> {};

TEST_P(InventoryReportGoldenTest, PageEqualsTheExpectedFile)
{
    const INVENTORY_GOLDEN& golden = GetParam();
    if (golden.withTypes) {
        AddTypes(kStock0, "");
    }
    Language = golden.language;
    LengthUnit = golden.unit;
    Precision = golden.precision;
    Currency = golden.currency;

    WriteInventoryReport(data, golden.flags, ReportPath());

    EXPECT_EQ(ReadWholeFile(ReportPath()), GoldenPage(golden.file));
    EXPECT_EQ(platform.openedWithShell, std::vector<std::string>{ReportPath()});
}

INSTANTIATE_TEST_SUITE_P(Pages, InventoryReportGoldenTest, ::testing::ValuesIn(kInventoryGoldens),
                         [](const ::testing::TestParamInfo<INVENTORY_GOLDEN>& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             return name;
                         });

TEST_F(ReportTest, InventoryStockDetailsAloneShowTheTablesWithoutTheFigures)
{
    AddTypes(kStock0, "");

    const std::string page = BuildInventoryReport(data, {false, true, false, false});

    EXPECT_NE(page.find("<b>White</b><br><table border='1' width='10'><tr><td><b>Lgth.</b>"), std::string::npos);
    EXPECT_NE(page.find("<b>Black</b><br><table border='1' width='10'></table><br><hr"), std::string::npos);
    EXPECT_EQ(page.find("Cost of"), std::string::npos);
    EXPECT_EQ(page.find("Total"), std::string::npos);
}

TEST_F(ReportTest, InventoryReportEscapesTheCurrency)
{
    AddTypes(kStock0, "");
    Currency = "<$>";

    const std::string page = BuildInventoryReport(data, kAllSections);

    EXPECT_NE(page.find("150.00 &lt;$&gt;</td>"), std::string::npos);
    EXPECT_EQ(page.find("<$>"), std::string::npos);
}

// Every section that prices the bars of a type refuses one whose price length cannot
// divide; a page without such a section is written as usual.
struct SECTION_CASE {
    const char* name;
    INVENTORY_REPORT_FLAGS flags;
    const char* raised;
};

class InventoryReportInvalidPriceLengthTest : public ReportTest,
                                              public ::testing::WithParamInterface<SECTION_CASE> {};

TEST_P(InventoryReportInvalidPriceLengthTest, StopsEverySectionThatPrices)
{
    AddTypes(kStock0, "");
    folder.Write("10000003", "1000.0000 -1\n2000.0000 3\n");
    data.InsertTypeOfBar(TYPE_OF_BAR{"Z9", "Wood", "Red", "10000003", 5, 0, 10, 10, 3000});

    EXPECT_EQ(RaisedMessage([&] { WriteInventoryReport(data, GetParam().flags, ReportPath()); }), GetParam().raised);
    EXPECT_EQ(folder.Exists("report/test.html"), std::string(GetParam().raised).empty());
    EXPECT_EQ(platform.openedWithShell.size(), std::string(GetParam().raised).empty() ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Sections, InventoryReportInvalidPriceLengthTest,
                         ::testing::Values(SECTION_CASE{"StockInfo", {true, false, false, false}, "Stock is invalid!"},
                                           SECTION_CASE{"StockDetails", {false, true, false, false}, "Stock is invalid!"},
                                           SECTION_CASE{"TotalCost", {false, false, true, false}, "Stock is invalid!"},
                                           SECTION_CASE{"BarsBought", {false, false, false, true}, "Stock is invalid!"},
                                           SECTION_CASE{"NoSection", kNoSection, ""}),
                         [](const ::testing::TestParamInfo<SECTION_CASE>& info) { return info.param.name; });

TEST_F(ReportTest, InventoryReportIntoAMissingFolderCannotBeCreated)
{
    AddTypes(kStock0, "");

    EXPECT_EQ(RaisedMessage([&] { WriteInventoryReport(data, kAllSections, ProgramFilePath("missing", "x.html")); }),
              "Cannot create report!");
    EXPECT_TRUE(platform.openedWithShell.empty());
}

TEST_F(ReportTest, InventoryReportOfTheMostNegativeQuantityOwesItsMagnitude)
{
    folder.Write("10000001", "1000.0000 -2147483648\n");
    folder.Write("10000002", "");
    data.InsertTypeOfBar(TYPE_OF_BAR{"P", "M", "C", "10000001", 1, 1000000, 0, 0, 1000});

    const std::string page = BuildInventoryReport(data, {false, false, false, true});

    EXPECT_NE(page.find("<td align='right'>2147483648</td><td nowrap align='right'>2147483.64 EUR</td>"),
              std::string::npos)
        << page;
}

TEST_F(ReportTest, DefaultInventoryReportPathIsANewEightDigitNameInTheReportFolder)
{
    const std::filesystem::path path = DefaultInventoryReportPath();

    EXPECT_EQ(path.parent_path(), std::filesystem::path(ProgramFilePath("", "report")));
    const std::string name = path.filename().string();
    ASSERT_EQ(name.size(), 13u) << name;
    EXPECT_EQ(name.find_first_not_of("0123456789"), 8u);
    EXPECT_EQ(name.substr(8), ".html");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ReportTest, InventoryReportFlagsComeFromTheirOwnSettings)
{
    const char* names[] = {kSettingStockInfoSR, kSettingStockDetailsSR, kSettingTotalCostSR, kSettingBarsBoughtSR};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        for (const char* name : names) {
            WriteFlagSetting(name, name == names[i]);
        }
        const INVENTORY_REPORT_FLAGS flags = ReadInventoryReportFlags();
        const bool read[] = {flags.stockInfo, flags.stockDetails, flags.totalCost, flags.barsBought};
        for (std::size_t j = 0; j < std::size(read); ++j) {
            EXPECT_EQ(read[j], i == j) << names[i] << " read into field " << j;
        }
    }
}

}  // namespace

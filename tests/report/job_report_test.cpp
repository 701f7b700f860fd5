#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/atomic_file.h"
#include "core/language.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "report/job_report.h"
#include "report_fixture.h"

namespace {

constexpr JOB_REPORT_FLAGS kAllSections{true, true, true, true, true, true};
constexpr JOB_REPORT_FLAGS kNoSection{};

constexpr const char* kStock0 = "6000.0000 2\n2500.0000 1\n";

struct JOB_GOLDEN {
    const char* file;
    std::uint32_t language;
    int unit;
    int precision;
    JOB_REPORT_FLAGS flags;
    const char* stock1; // the stock of type 1 decides whether bars have to be bought
};

// Every page is the whole fixture job and plan; the cases differ in language, unit and
// sections.
const JOB_GOLDEN kJobGoldens[] = {
    {"job_all_en.html", 0, 0, 0, kAllSections, "6000.0000 1\n"},
    {"job_all_ro.html", 1, 0, 0, kAllSections, "6000.0000 1\n"},
    {"job_none_en.html", 0, 0, 0, kNoSection, "6000.0000 1\n"},
    // Layouts without their statistics, feet and fractional inches, and a stock that
    // covers the plan: the bars-to-buy section is left out although it was asked for.
    {"job_layouts_imperial_en.html", 0, 14, 0, {true, true, false, true, false, true}, "6000.0000 5\n"},
    // Statistics without the layouts, costs and bars to buy, centimetres with 2 decimals.
    {"job_statistics_cm_en.html", 0, 1, 2, {false, false, true, false, true, true}, "6000.0000 1\n"},
};

void PrintTo(const JOB_GOLDEN& golden, std::ostream* out) { *out << golden.file; }

class JobReportGoldenTest : public ReportTest, public ::testing::WithParamInterface<JOB_GOLDEN> {};

TEST_P(JobReportGoldenTest, PageEqualsTheExpectedFile)
{
    const JOB_GOLDEN& golden = GetParam();
    AddTypes(kStock0, golden.stock1);
    AddJob();
    AddPlan();
    Language = golden.language;
    LengthUnit = golden.unit;
    Precision = golden.precision;

    WriteJobReport(data, ReportPath(), golden.flags, plan);

    EXPECT_EQ(ReadWholeFile(ReportPath()), GoldenPage(golden.file));
    EXPECT_EQ(platform.openedWithShell, std::vector<std::string>{ReportPath()});
}

INSTANTIATE_TEST_SUITE_P(Pages, JobReportGoldenTest, ::testing::ValuesIn(kJobGoldens),
                         [](const ::testing::TestParamInfo<JOB_GOLDEN>& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             return name;
                         });

TEST_F(ReportTest, JobReportEscapesTheUsersTextsEverywhere)
{
    AddTypes(kStock0, "");
    ORDER order{"P&40", "Alu", "White", 1500, "x'y", 1};
    data.AddOrder(order);
    data.SetJobName("\"Big\" job");
    data.SetJobDescription("a<b\r\nc>d\re");
    Currency = "<$>";
    plan.AddItem(0, ITEM_TO_BE_CUT{1500, 1, {{"x'y", 1}}});
    plan.AddLayout(0, OPTIMIZED_RESULT{6000, 1500, 1, {1}});

    const std::string page = BuildJobReport(data, kAllSections, plan);

    for (const char* escaped : {"&nbsp;&quot;Big&quot; job</td>", "&nbsp;a&lt;b<br>c&gt;d<br>e</td>",
                                "<td>x&#39;y</td>", "<i>(x&#39;y)</i>", "12.50 &lt;$&gt; / 1000 mm",
                                "<td>P&amp;40</td>", "<b>P&amp;40</b>"}) {
        EXPECT_NE(page.find(escaped), std::string::npos) << escaped;
    }
    for (const char* raw : {"\"Big\"", "x'y", "<$>", "a<b", "P&40"}) {
        EXPECT_EQ(page.find(raw), std::string::npos) << raw;
    }
}

struct INVALID_PRICE_LENGTH {
    double priceLength;
    JOB_REPORT_FLAGS flags;
};

class JobReportInvalidPriceLengthTest : public ReportTest,
                                        public ::testing::WithParamInterface<INVALID_PRICE_LENGTH> {};

// Even with no section that prices anything, a type of the plan that cannot be priced
// stops the report before anything reaches the disk.
TEST_P(JobReportInvalidPriceLengthTest, StopsTheReport)
{
    AddTypes(kStock0, "6000.0000 1\n");
    AddJob();
    AddPlan();
    folder.Write("10000003", "");
    data.InsertTypeOfBar(TYPE_OF_BAR{"Z9", "Wood", "Red", "10000003", 5, GetParam().priceLength, 10, 10, 3000});
    plan.AddItem(2, ITEM_TO_BE_CUT{1000, 1, {{"-|", 1}}});
    plan.AddLayout(2, OPTIMIZED_RESULT{3000, 1000, 1, {1}});

    EXPECT_EQ(RaisedMessage([&] { WriteJobReport(data, ReportPath(), GetParam().flags, plan); }),
              "Stock is invalid!");
    EXPECT_FALSE(folder.Exists("report/test.html"));
    EXPECT_TRUE(platform.openedWithShell.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, JobReportInvalidPriceLengthTest,
                         ::testing::Values(INVALID_PRICE_LENGTH{0, kNoSection},
                                           INVALID_PRICE_LENGTH{0.000009, kNoSection},
                                           INVALID_PRICE_LENGTH{0, kAllSections}));

TEST_F(ReportTest, JobReportPriceLengthAtTheLimitIsAccepted)
{
    AddTypes(kStock0, "");
    data.UpdateTypeOfBar(0, TYPE_OF_BAR{"", "", "", "", 1, 0.00001, 500, 100, 6000});
    plan.AddItem(0, ITEM_TO_BE_CUT{1500, 1, {{"-|", 1}}});
    plan.AddLayout(0, OPTIMIZED_RESULT{6000, 1500, 1, {1}});

    EXPECT_EQ(RaisedMessage([&] { WriteJobReport(data, ReportPath(), kAllSections, plan); }), "");
    EXPECT_TRUE(folder.Exists("report/test.html"));
}

TEST_F(ReportTest, JobReportIntoAMissingFolderCannotBeCreated)
{
    AddTypes(kStock0, "6000.0000 1\n");
    AddJob();
    AddPlan();
    Language = 1;
    const std::string path = ProgramFilePath("missing", "test.html");

    EXPECT_EQ(RaisedMessage([&] { WriteJobReport(data, path, kAllSections, plan); }), "Raportul nu poate fi creat!");
    EXPECT_TRUE(platform.openedWithShell.empty());
}

TEST_F(ReportTest, JobReportReplacesAnEarlierReportOfTheSamePath)
{
    AddTypes(kStock0, "6000.0000 1\n");
    folder.Write("report/test.html", std::string(100000, 'x'));

    WriteJobReport(data, ReportPath(), kNoSection, plan);
    WriteJobReport(data, ReportPath(), kNoSection, plan);

    EXPECT_EQ(ReadWholeFile(ReportPath()), GoldenPage("job_none_en.html"));
    EXPECT_EQ(platform.openedWithShell.size(), 2u);
}

TEST_F(ReportTest, DefaultJobReportPathIsTheLocalTimeWithoutLeadingZeros)
{
    platform.now = std::tm{};
    platform.now.tm_year = 2024 - 1900;
    platform.now.tm_mon = 2;
    platform.now.tm_mday = 5;
    platform.now.tm_hour = 9;
    platform.now.tm_min = 7;
    platform.now.tm_sec = 3;

    EXPECT_EQ(DefaultJobReportPath(), ProgramFilePath("report", "2024-3-5-9-7-3.html"));
}

TEST_F(ReportTest, JobReportFlagsComeFromTheirOwnSettings)
{
    const char* names[] = {kSettingJobInfoJR,    kSettingSettingsJR,    kSettingStatisticsJR,
                           kSettingCutLayoutsJR, kSettingTotalCostsJR,  kSettingBarsBoughtJR};
    for (std::size_t i = 0; i < std::size(names); ++i) {
        for (const char* name : names) {
            WriteFlagSetting(name, name == names[i]);
        }
        const JOB_REPORT_FLAGS flags = ReadJobReportFlags();
        const bool read[] = {flags.jobInfo,    flags.settings,   flags.statistics,
                             flags.cutLayouts, flags.totalCosts, flags.barsBought};
        for (std::size_t j = 0; j < std::size(read); ++j) {
            EXPECT_EQ(read[j], i == j) << names[i] << " read into field " << j;
        }
    }
}

}  // namespace

#include "report_fixture.h"

#include <fstream>
#include <iterator>

#include "core/program_files.h"
#include "core/settings.h"

std::string GoldenPage(const std::string& name)
{
    std::ifstream file(std::string(KALOMAX_REPORT_GOLDEN_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file.good()) << name;
    std::string page;
    for (std::istreambuf_iterator<char> it(file), end; it != end; ++it) {
        if (*it != '\n') {
            page += *it;
        }
    }
    const std::string logo = "@LOGO@";
    const std::size_t at = page.find(logo);
    if (at != std::string::npos) {
        page.replace(at, logo.size(), ProgramFilePath("report", "logo.png"));
    }
    return page;
}

ReportTest::ReportTest()
{
    platform.now.tm_year = 2026 - 1900;
    platform.now.tm_mon = 6;
    platform.now.tm_mday = 4;
    platform.now.tm_hour = 8;
    platform.now.tm_min = 5;
    platform.now.tm_sec = 9;
    Currency = "EUR";
    SawThickness = 5;
}

void ReportTest::AddTypes(const std::string& stock0, const std::string& stock1)
{
    folder.Write("10000001", stock0);
    folder.Write("10000002", stock1);
    data.InsertTypeOfBar(TYPE_OF_BAR{"T60", "Steel", "Black", "10000002", 30, 6000, 300, 50, 6000});
    data.InsertTypeOfBar(TYPE_OF_BAR{"P&40", "Alu", "White", "10000001", 12.5, 1000, 500, 100, 6000});
}

void ReportTest::AddJob()
{
    data.SetJobName("Frame <A>");
    data.SetJobDescription("Line one\nLine two & more");
    ORDER orders[] = {
        {"P&40", "Alu", "White", 1500, "W1", 2}, {"P&40", "Alu", "White", 1500, "", 4},
        {"P&40", "Alu", "White", 2000, "W2", 3}, {"T60", "Steel", "Black", 1900, "-|", 5},
        {"T60", "Steel", "Black", 1900, "B7", 3},
    };
    for (ORDER& order : orders) {
        data.AddOrder(order);
    }
    ASSERT_EQ(data.CountOrders(), 5);
}

void ReportTest::AddPlan()
{
    plan.AddItem(0, ITEM_TO_BE_CUT{1500, 6, {{"-|", 4}, {"W1", 2}}});
    plan.AddItem(0, ITEM_TO_BE_CUT{2000, 3, {{"W2", 3}}});
    plan.AddLayout(0, OPTIMIZED_RESULT{6000, 5015, 2, {2, 1}});
    plan.AddLayout(0, OPTIMIZED_RESULT{2500, 2000, 1, {0, 1}});
    plan.AddLayout(0, OPTIMIZED_RESULT{6000, 3010, 1, {2, 0}});
    plan.AddItem(1, ITEM_TO_BE_CUT{1900, 8, {{"-|", 5}, {"B7", 3}}});
    plan.AddLayout(1, OPTIMIZED_RESULT{6000, 5715, 1, {3}});
    plan.AddLayout(1, OPTIMIZED_RESULT{6000, 3810, 2, {2}});
}

std::string ReportTest::ReportPath() const { return ProgramFilePath("report", "test.html"); }

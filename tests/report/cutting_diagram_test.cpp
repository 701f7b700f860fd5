#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/settings.h"
#include "report/cutting_diagram.h"
#include "report/job_report.h"
#include "report_fixture.h"

namespace {

std::string PartsText(const CUTTING_DIAGRAM& diagram)
{
    static const char* const kinds[] = {"piece", "cut", "keep", "waste"};
    std::string text = std::to_string(static_cast<int>(diagram.barLength)) + " x" + std::to_string(diagram.barCount) +
                       ":";
    for (const DIAGRAM_PART& part : diagram.parts) {
        char line[96];
        std::snprintf(line, sizeof line, " %s@%g+%g", kinds[static_cast<int>(part.kind)], part.start, part.length);
        text += line;
        if (!part.identifier.empty()) {
            text += "(" + part.identifier + ")";
        }
    }
    return text;
}

TEST(CuttingDiagram, PartsOfEachIdentifierRow)
{
    TYPE_OF_BAR type;
    type.minReusedLength = 500;
    TOB_RESULT result;
    result.items = {ITEM_TO_BE_CUT{2000, 3, {{"A", 2}, {"B", 1}}}, ITEM_TO_BE_CUT{900, 1, {{"-|", 1}}}};
    result.layouts = {OPTIMIZED_RESULT{6000, 4005, 1, {2, 0}},  // leftover kept
                      OPTIMIZED_RESULT{3000, 2910, 1, {1, 1}}}; // leftover wasted, a last cut
    const std::vector<CUTTING_DIAGRAM> diagrams = CuttingDiagrams(type, result, 5);
    ASSERT_EQ(diagrams.size(), 2u);
    EXPECT_EQ(PartsText(diagrams[0]), "6000 x1: piece@0+2000(A) cut@2000+5 piece@2005+2000(A) keep@4005+1995");
    EXPECT_EQ(PartsText(diagrams[1]), "3000 x1: piece@0+2000(B) cut@2000+5 piece@2005+900 cut@2905+5 waste@2910+90");
    EXPECT_NEAR(diagrams[0].wastePercent, 5 * 100.0 / 6000, 1e-9);
    EXPECT_NEAR(diagrams[1].wastePercent, 100 * 100.0 / 3000, 1e-9);

    const std::string svg = CuttingDiagramsSection(diagrams);
    EXPECT_EQ(svg.rfind("<br><b>Cutting diagrams</b><br><svg ", 0), 0u);
    EXPECT_NE(svg.find(">2000 mm A</text>"), std::string::npos) << svg;
    EXPECT_NE(svg.find("fill='url(#kxWaste)'"), std::string::npos);
    EXPECT_NE(svg.find("fill='#9BD99B'"), std::string::npos);
    // A 5 mm cut on a 6000 mm bar 700 pixels wide is still one pixel wide.
    EXPECT_NE(svg.find("width='1.0' height='30.0' fill='#000000'"), std::string::npos);
    // One scale for the type: its longest bar fills the width, the 3000 mm bar half of it.
    EXPECT_NE(svg.find("width='700.0' height='30.0' fill='none'"), std::string::npos);
    EXPECT_NE(svg.find("width='350.0' height='30.0' fill='none'"), std::string::npos);
    EXPECT_EQ(ScaleLength(diagrams), 6000);
    EXPECT_EQ(ScaleLength({}), 0);
}

TEST_F(ReportTest, DiagramsFollowEachTypesLayoutsOnlyWhenAsked)
{
    AddTypes("6000 10\n", "6000 1\n");
    AddJob();
    AddPlan();
    JOB_REPORT_FLAGS flags;
    flags.cutLayouts = true;
    const std::string without = BuildJobReport(data, flags, plan);
    EXPECT_EQ(without.find("<svg"), std::string::npos);
    flags.cutDiagrams = true;
    const std::string with = BuildJobReport(data, flags, plan);
    EXPECT_EQ(with.find("&lt;"), without.find("&lt;")); // the page before the diagrams is unchanged
    const std::size_t firstDiagrams = with.find("<b>Cutting diagrams</b>");
    ASSERT_NE(firstDiagrams, std::string::npos);
    EXPECT_LT(with.find("T60"), with.rfind("<b>Cutting diagrams</b>"));
    EXPECT_GT(with.find("T60"), firstDiagrams);
    EXPECT_NE(with.find("P&amp;40"), std::string::npos);
    EXPECT_FALSE(ReadJobReportFlags().cutDiagrams); // off unless the setting is set
}

} // namespace

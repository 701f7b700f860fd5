#include "report/job_report.h"

#include <vector>

#include "core/platform.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "core/texts.h"
#include "job/bars_to_buy.h"
#include "job/global_data.h"
#include "job/identifier_rows.h"
#include "job/plan_statistics.h"
#include "report/cutting_diagram.h"
#include "report/html_text.h"
#include "report/report_page.h"

namespace {

std::string JoinCells(std::initializer_list<const char*> labels, const char* separator)
{
    std::string out;
    for (const char* label : labels) {
        if (!out.empty()) {
            out += separator;
        }
        out += label;
    }
    return out;
}

std::string JobInformation(const CGlobalData& data)
{
    std::string out = "<table width='700'>";
    out += FillPattern("<tr><td nowrap width='1%%'><b>%s</b></td><td width='99%%'>&nbsp;%s</td></tr>",
                       {LangText(T_REPORT_JOB_NAME), HtmlEscape(data.GetJobName())});
    out += FillPattern("<tr><td nowrap><b>%s</b></td><td>&nbsp;%s</td></tr>",
                       {LangText(T_REPORT_JOB_DATE), ReportDateTime(Platform().LocalTime())});
    out += FillPattern("<tr><td nowrap><b>%s</b></td><td>&nbsp;%s</td></tr>",
                       {LangText(T_REPORT_JOB_DESCRIPTION), HtmlEscape(data.GetJobDescription(), true)});
    out += "</table><br>";

    out += "<table border='1'><tr><td><b>";
    out += JoinCells({LangText(T_REPORT_PROFILE_CODE), LangText(T_REPORT_MATERIAL), LangText(T_REPORT_COLOR),
                      LangText(T_REPORT_IDENTIFIER), LangText(T_REPORT_LENGTH), LangText(T_REPORT_QUANTITY)},
                     "</b></td><td><b>");
    out += "</b></td></tr>";
    const int count = data.CountOrders();
    for (int i = 0; i < count; ++i) {
        ORDER order;
        data.GetOrder(i, order);
        out += "<tr><td>" + HtmlEscape(order.profileCode) + "</td><td>" + HtmlEscape(order.material) + "</td><td>" +
               HtmlEscape(order.color) + "</td><td>";
        out += order.identifier == kNoIdentifier ? std::string("&nbsp;") : HtmlEscape(order.identifier);
        out += "</td><td align='right'>" + ReportLength(order.length) + "</td><td align='right'>" +
               ReportCount(order.quantity) + "</td></tr>";
    }
    out += "</table><br>";
    return out;
}

std::string PieceCounts(const LayoutStatistics& statistics)
{
    std::string out = "<table>";
    out += FillPattern("<tr><td nowrap>%s </td><td align='right'>%d #</td></tr>",
                       {LangText(T_REPORT_USED_ITEMS), ReportCount(statistics.usedItems)});
    // Pieces the plan could not place stand out in red.
    const char* unusedPattern =
        statistics.unusedItems != 0
            ? "<tr><td nowrap><font color='red'><b>%s</b></font> </td><td align='right'><font "
              "color='red'>%d #</font></td></tr></table></td></tr>"
            : "<tr><td nowrap>%s </td><td align='right'>%d #</td></tr></table></td></tr>";
    out += FillPattern(unusedPattern, {LangText(T_REPORT_UNUSED_ITEMS), ReportCount(statistics.unusedItems)});
    out += "</table>";
    return out;
}

constexpr const char* kLengthRow =
    "<tr bgcolor='#ECECEC'><td nowrap>%s</td><td nowrap align='right'>%s</td><td nowrap align='right'>%s "
    "%%</td><td nowrap align='right'>%s %s</td></tr>";
constexpr const char* kReusedLengthRow =
    "<tr bgcolor='#EEFBEE'><td nowrap><font color='#004000'>%s</font></td><td nowrap align='right'><font "
    "color='#004000'>%s</font></td><td nowrap align='right'><font color='#004000'>%s %%</font></td><td nowrap "
    "align='right'><font color='#004000'>%s %s</font></td></tr>";

std::string LengthStatistics(const TYPE_OF_BAR& type, const LayoutStatistics& statistics)
{
    const TYPE_COSTS costs = ComputeTypeCosts(type, statistics);
    const std::string currency = ReportCurrency();
    std::string out = "<table>";
    out += FillPattern("<tr><td><table><tr bgcolor='#ECECEC'><td nowrap colspan='4'>%s &nbsp; %s %s / %s</td></tr>",
                       {LangText(T_REPORT_COST_OF_BAR), ReportMoney(type.price), currency,
                        ReportLength(type.priceLength)});
    out += FillPattern("<tr bgcolor='#ECECEC'><td width='0' nowrap>%s</td><td nowrap width='0' "
                       "align='right'>%s</td><td nowrap width='0' align='right'>100.00 %%</td><td nowrap "
                       "align='right' width='0'>%s %s</td></tr>",
                       {LangText(T_REPORT_TOTAL_LENGTH), ReportLength(costs.totalLength), ReportMoney(costs.totalCost),
                        currency});
    out += FillPattern(kLengthRow, {LangText(T_REPORT_USED_LENGTH), ReportLength(statistics.used),
                                    ReportMoney(costs.usedPercent), ReportMoney(costs.usedCost), currency});
    out += FillPattern(kReusedLengthRow, {LangText(T_REPORT_REUSED_LENGTH), ReportLength(statistics.reused),
                                          ReportMoney(costs.reusedPercent), ReportMoney(costs.reusedCost), currency});
    out += FillPattern(kLengthRow, {LangText(T_REPORT_WASTE_LENGTH), ReportLength(statistics.waste),
                                    ReportMoney(costs.wastePercent), ReportMoney(costs.wasteCost), currency});
    out += "</table><br>";
    return out;
}

std::string LayoutRow(const IDENTIFIER_ROW& row)
{
    std::string out = "<tr><td width='1%' align='right'>" + ReportCount(row.barCount) + "</td><td width='98%'>";
    for (const IDENTIFIER_ENTRY& entry : row.entries) {
        out += ReportLength(entry.length);
        if (entry.identifier != kNoIdentifier) {
            out += " <i>(" + HtmlEscape(entry.identifier) + ")</i>";
        }
        out += " * <b>" + ReportCount(entry.piecesPerBar) + "</b>, &nbsp;";
    }
    out += "</td>";
    out += row.reusable ? "<td align='right' width='1%' bgcolor='#EEFBEE' nowrap><font color='#004000'>(r) "
                        : "<td align='right' width='1%' nowrap><font>";
    out += ReportLength(row.stub) + "</font></td></tr>";
    return out;
}

// The layouts of one type, grouped under a heading for each run of equal bar lengths.
std::string CuttingLayouts(const TYPE_OF_BAR& type, const TOB_RESULT& result)
{
    std::string out;
    std::vector<ITEM_TO_BE_CUT> items = result.items; // identifier counts are used up row by row
    Length previous = 0;
    const std::vector<OPTIMIZED_RESULT>& layouts = result.layouts;
    for (std::size_t i = 0; i < layouts.size(); ++i) {
        const OPTIMIZED_RESULT& layout = layouts[i];
        if (layout.barLength != previous) {
            if (previous != 0) {
                out += "</table><br>";
            }
            long long usedBars = 0;
            for (std::size_t j = i; j < layouts.size() && layouts[j].barLength == layout.barLength; ++j) {
                usedBars += layouts[j].barCount;
            }
            out += FillPattern("<b>%s %s</b>, <b>%s %d</b><br>",
                               {LangText(T_REPORT_BAR_LENGTH), ReportLength(layout.barLength),
                                LangText(T_REPORT_USED_BARS), ReportCount(usedBars)});
            out += "<table border='1' cellspacing='1' cellpadding='2' width='700'>";
            previous = layout.barLength;
        }
        for (const IDENTIFIER_ROW& row : AssignIdentifiers(layout, items, type)) {
            out += LayoutRow(row);
        }
    }
    if (previous != 0) {
        out += "</table><br>";
    }
    return out;
}

constexpr const char* kCostRow = "<tr bgcolor='#ECECEC'><td nowrap>%s</td><td nowrap align='right'>%s %s</td><td "
                                 "nowrap align='right'>%s %%</td></tr>";

std::string TotalCosts(const CGlobalData& data, const CuttingPlan& plan)
{
    const PLAN_TOTALS totals = ComputePlanTotals(data, plan);
    const std::string currency = ReportCurrency();
    std::string out = "<br><font size='+1'><u><b>";
    out += LangText(T_REPORT_TOTAL_COSTS);
    out += "</b></u></font><br><br><table>";
    out += FillPattern("<tr bgcolor='#ECECEC'><td nowrap>%s</td><td nowrap align='right'>%s %s</td><td nowrap "
                       "align='right'>100.00 %%</td></tr>",
                       {LangText(T_REPORT_TOTAL_COST_TOTAL), ReportMoney(totals.totalCost), currency});
    out += FillPattern(kCostRow, {LangText(T_REPORT_TOTAL_COST_USED), ReportMoney(totals.usedCost), currency,
                                  ReportMoney(totals.usedPercent)});
    out += FillPattern("<tr bgcolor='#EEFBEE'><td nowrap><font color='#004000'>%s</font></td><td nowrap "
                       "align='right'><font color='#004000'>%s %s</font></td><td nowrap align='right'><font "
                       "color='#004000'>%s %%</font></td></tr>",
                       {LangText(T_REPORT_TOTAL_COST_REUSED), ReportMoney(totals.reusedCost), currency,
                        ReportMoney(totals.reusedPercent)});
    out += FillPattern(kCostRow, {LangText(T_REPORT_TOTAL_COST_WASTE), ReportMoney(totals.wasteCost), currency,
                                  ReportMoney(totals.wastePercent)});
    out += "</table><br>";
    return out;
}

// Nothing at all when the stock covers the whole plan.
std::string BarsToBuySection(const CGlobalData& data, const CuttingPlan& plan)
{
    const std::vector<NEEDED_BAR> needed = BarsToBuy(data, plan);
    if (needed.empty()) {
        return "";
    }
    const std::string currency = ReportCurrency();
    std::string out = "<br><font size='+1' color='red'><u><b>";
    out += LangText(T_REPORT_BARS_TO_BUY_FOR_JOB);
    out += "</b></u></font><br><br><table><tr bgcolor='#ECECEC'><td width='0'><b>";
    out += JoinCells({LangText(T_REPORT_PROFILE_CODE), LangText(T_REPORT_MATERIAL), LangText(T_REPORT_COLOR),
                      LangText(T_REPORT_LENGTH), LangText(T_REPORT_QUANTITY), LangText(T_REPORT_PRICE)},
                     "</b></td><td width='0'><b>");
    out += "</b></td></tr>";
    double totalPrice = 0;
    for (const NEEDED_BAR& line : needed) {
        const TYPE_OF_BAR type = data.GetTypeOfBar(line.typeIndex);
        for (const BAR& bar : line.bars) {
            const double price = LengthCost(bar.quantity * bar.length, type);
            totalPrice += price;
            out += FillPattern("<tr bgcolor='#ECECEC'><td>%s</td><td>%s</td><td>%s</td><td nowrap "
                               "align='right'>%s</td><td align='right'>%d</td><td nowrap align='right'><b>%s "
                               "%s</b></td></tr>",
                               {HtmlEscape(type.profileCode), HtmlEscape(type.material), HtmlEscape(type.color),
                                ReportLength(bar.length), ReportCount(bar.quantity), ReportMoney(price), currency});
        }
    }
    out += FillPattern("<tr bgcolor='#ECECEC'><td colspan='5'><b>%s</b></td><td><b>%s %s</b></td></tr>",
                       {LangText(T_REPORT_TOTAL_PRICE), ReportMoney(totalPrice), currency});
    out += "</table>";
    return out;
}

}  // namespace

JOB_REPORT_FLAGS ReadJobReportFlags()
{
    JOB_REPORT_FLAGS flags;
    flags.jobInfo = ReadFlagSetting(kSettingJobInfoJR);
    flags.settings = ReadFlagSetting(kSettingSettingsJR);
    flags.statistics = ReadFlagSetting(kSettingStatisticsJR);
    flags.cutLayouts = ReadFlagSetting(kSettingCutLayoutsJR);
    flags.totalCosts = ReadFlagSetting(kSettingTotalCostsJR);
    flags.barsBought = ReadFlagSetting(kSettingBarsBoughtJR);
    flags.cutDiagrams = ReadFlagSetting(kSettingCutDiagramsJR);
    return flags;
}

std::string BuildJobReport(const CGlobalData& data, const JOB_REPORT_FLAGS& flags, const CuttingPlan& plan,
                           const DiagramWriter& writeDiagram)
{
    const bool layoutsShown = flags.statistics || flags.cutLayouts || flags.cutDiagrams;
    std::string page = ReportHead(LangText(T_REPORT_TITLE));
    page += ReportBanner();
    if (flags.jobInfo) {
        page += JobInformation(data);
    }
    if (flags.settings) {
        page += "<font size='+1'><u><b>";
        page += LangText(T_REPORT_SETTINGS);
        page += "</b></u></font><br><br>";
        page += LangText(T_REPORT_SAW_THICKNESS);
        page += " " + ReportLength(SawThickness) + "<br>";
    }
    if (layoutsShown) {
        page += "<br><font size='+1'><u><b>";
        page += LangText(T_REPORT_CUTTING_LAYOUTS);
        page += "</b></u></font><br>";
    }
    // Every type is checked, whatever the flags: the costs and the bars to buy divide by
    // its price length.
    for (const TOB_RESULT& result : plan.Sequence()) {
        const TYPE_OF_BAR type = data.GetTypeOfBar(result.typeIndex);
        CheckPriceLength(type);
        if (!layoutsShown) {
            continue;
        }
        page += TypeOfBarHeading(type);
        const LayoutStatistics statistics = ComputeLayoutStatistics(type, result.items, result.layouts);
        page += PieceCounts(statistics);
        if (flags.statistics) {
            page += LengthStatistics(type, statistics);
        }
        if (flags.cutLayouts) {
            page += CuttingLayouts(type, result);
        }
        if (flags.cutDiagrams) {
            page += CuttingDiagramsSection(CuttingDiagrams(type, result, SawThickness), writeDiagram);
        }
    }
    if (flags.totalCosts) {
        page += TotalCosts(data, plan);
    }
    if (flags.barsBought) {
        page += BarsToBuySection(data, plan);
    }
    page += ReportFooter();
    return page;
}

void WriteJobReport(const CGlobalData& data, const std::string& path, const JOB_REPORT_FLAGS& flags,
                    const CuttingPlan& plan)
{
    WriteAndOpenReport(path, BuildJobReport(data, flags, plan));
}

std::string DefaultJobReportPath()
{
    const std::tm now = Platform().LocalTime();
    const std::string name = std::to_string(now.tm_year + 1900) + "-" + std::to_string(now.tm_mon + 1) + "-" +
                             std::to_string(now.tm_mday) + "-" + std::to_string(now.tm_hour) + "-" +
                             std::to_string(now.tm_min) + "-" + std::to_string(now.tm_sec) + ".html";
    return ProgramFilePath("report", name);
}

#include "report/inventory_report.h"

#include <optional>
#include <vector>

#include "core/platform.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "core/texts.h"
#include "inventory/inventory_data.h"
#include "job/plan_statistics.h"
#include "report/html_text.h"
#include "report/report_page.h"

namespace {

// The stock of each type, read from its file the first time a section asks for it.
class CStockCache {
public:
    explicit CStockCache(const CInventoryData& inventory)
        : m_inventory(inventory), m_stocks(static_cast<std::size_t>(inventory.CountTypesOfBars()))
    {
    }

    const std::vector<BAR>& Stock(int typeIndex)
    {
        std::optional<std::vector<BAR>>& stock = m_stocks[static_cast<std::size_t>(typeIndex)];
        if (!stock) {
            std::vector<BAR> read;
            m_inventory.ReadBarStock(typeIndex, read);
            stock = std::move(read);
        }
        return *stock;
    }

private:
    const CInventoryData& m_inventory;
    std::vector<std::optional<std::vector<BAR>>> m_stocks;
};

// The value of the bars actually in stock; entries of 0 or fewer bars are worth nothing.
double StockCost(const TYPE_OF_BAR& type, const std::vector<BAR>& stock)
{
    double cost = 0;
    for (const BAR& bar : stock) {
        if (bar.quantity >= 1) {
            cost += LengthCost(bar.quantity * bar.length, type);
        }
    }
    return cost;
}

std::string StockTable(const std::vector<BAR>& stock)
{
    std::string out = "<table border='1' width='10'>";
    if (!stock.empty()) {
        out += FillPattern("<tr><td><b>%s</b></td><td><b>%s</b></td></tr>",
                           {LangText(T_REPORT_LENGTH), LangText(T_REPORT_QUANTITY)});
    }
    for (const BAR& bar : stock) {
        // Entries that hold no bar (used up, or taken beyond the stock) are shown in red.
        const char* pattern = bar.quantity < 1 ? "<tr><td nowrap align='right'><b><font "
                                                 "color='red'>%s</font></b></td><td nowrap align='right'><font "
                                                 "color='red'>%d</font></td></tr>"
                                               : "<tr><td nowrap align='right'>%s</td><td nowrap "
                                                 "align='right'>%d</td></tr>";
        out += FillPattern(pattern, {ReportLength(bar.length), ReportCount(bar.quantity)});
    }
    out += "</table>";
    return out;
}

std::string InventorySection(const CInventoryData& inventory, const INVENTORY_REPORT_FLAGS& flags,
                             CStockCache& stocks)
{
    const std::string currency = ReportCurrency();
    std::string out = "<br><font size='+1'><u><b>";
    out += LangText(T_REPORT_INVENTORY);
    out += "</b></u></font><br>";
    const int count = inventory.CountTypesOfBars();
    for (int i = 0; i < count; ++i) {
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(i);
        CheckPriceLength(type);
        out += TypeOfBarHeading(type);
        if (flags.stockInfo) {
            out += FillPattern("%s &nbsp; %s %s / %s<br>", {LangText(T_REPORT_COST_OF_BAR), ReportMoney(type.price),
                                                            currency, ReportLength(type.priceLength)});
            out += FillPattern("%s &nbsp; %s<br>",
                               {LangText(T_REPORT_MIN_REUSED_LENGTH), ReportLength(type.minReusedLength)});
            out += FillPattern("%s &nbsp; %s<br>",
                               {LangText(T_REPORT_MAX_WASTE_LENGTH), ReportLength(type.maxWasteLength)});
            out += FillPattern("%s &nbsp; %s<br>", {LangText(T_REPORT_DEFAULT_LENGTH), ReportLength(type.defaultLength)});
        }
        const std::vector<BAR>& stock = stocks.Stock(i);
        if (flags.stockDetails) {
            out += StockTable(stock);
        }
        if (flags.stockInfo) {
            out += FillPattern("%s &nbsp; %s %s<br>", {LangText(T_REPORT_COST_OF_STOCK_LABEL),
                                                       ReportMoney(StockCost(type, stock)), currency});
        }
    }
    return out;
}

std::string TotalCostSection(const CInventoryData& inventory, CStockCache& stocks)
{
    const std::string currency = ReportCurrency();
    std::string out = "<br><font size='+1'><u><b>";
    out += LangText(T_REPORT_TOTAL_COSTS);
    out += "</b></u></font><br><br><table width='10'>";
    out += FillPattern("<tr bgcolor='#ECECEC'><td nowrap><b>%s</b></td><td nowrap><b>%s</b></td><td "
                       "nowrap><b>%s</b></td><td nowrap><b>%s</b></td></tr>",
                       {LangText(T_REPORT_PROFILE_CODE), LangText(T_REPORT_MATERIAL), LangText(T_REPORT_COLOR),
                        LangText(T_REPORT_COST_OF_STOCK)});
    double total = 0;
    const int count = inventory.CountTypesOfBars();
    for (int i = 0; i < count; ++i) {
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(i);
        CheckPriceLength(type);
        const double cost = StockCost(type, stocks.Stock(i));
        total += cost;
        out += FillPattern("<tr bgcolor='#ECECEC'><td>%s</td><td>%s</td><td>%s</td><td nowrap align='right'>%s "
                           "%s</td></tr>",
                           {HtmlEscape(type.profileCode), HtmlEscape(type.material), HtmlEscape(type.color),
                            ReportMoney(cost), currency});
    }
    out += FillPattern("<tr bgcolor='#ECECEC'><td colspan='3' nowrap><b>%s</b></td><td nowrap align='right'>%s "
                       "%s</td></tr>",
                       {LangText(T_REPORT_TOTAL_COST_OF_STOCKS), ReportMoney(total), currency});
    out += "</table>";
    return out;
}

// Bars that jobs took beyond the stock are kept as negative quantities; they are owed.
std::string BarsToBuySection(const CInventoryData& inventory, CStockCache& stocks)
{
    const std::string currency = ReportCurrency();
    std::string out = "<br><font size='+1' color='red'><u><b>";
    out += LangText(T_REPORT_BARS_TO_BUY);
    out += "</b></u></font><br><br><table width='10'><tr bgcolor='#ECECEC'><td nowrap><b>";
    bool first = true;
    for (const char* label : {LangText(T_REPORT_PROFILE_CODE), LangText(T_REPORT_MATERIAL), LangText(T_REPORT_COLOR),
                              LangText(T_REPORT_LENGTH), LangText(T_REPORT_QUANTITY), LangText(T_REPORT_PRICE)}) {
        if (!first) {
            out += "</b></td><td nowrap><b>";
        }
        out += label;
        first = false;
    }
    out += "</b></td></tr>";
    double total = 0;
    const int count = inventory.CountTypesOfBars();
    for (int i = 0; i < count; ++i) {
        const TYPE_OF_BAR type = inventory.GetTypeOfBar(i);
        CheckPriceLength(type);
        for (const BAR& bar : stocks.Stock(i)) {
            if (bar.quantity >= 0) {
                continue;
            }
            // 64 bits, so that the most negative quantity a file can hold still turns positive.
            const long long owed = -static_cast<long long>(bar.quantity);
            const double price = LengthCost(static_cast<double>(owed) * bar.length, type);
            total += price;
            out += FillPattern("<tr bgcolor='#ECECEC'><td>%s</td><td>%s</td><td>%s</td><td nowrap "
                               "align='right'>%s</td><td align='right'>%d</td><td nowrap align='right'>%s "
                               "%s</td></tr>",
                               {HtmlEscape(type.profileCode), HtmlEscape(type.material), HtmlEscape(type.color),
                                ReportLength(bar.length), ReportCount(owed), ReportMoney(price), currency});
        }
    }
    out += FillPattern("<tr bgcolor='#ECECEC'><td colspan='5' nowrap><b>%s</b></td><td nowrap align='right'>%s "
                       "%s</td></tr>",
                       {LangText(T_REPORT_TOTAL_PRICE), ReportMoney(total), currency});
    out += "</table>";
    return out;
}

}  // namespace

INVENTORY_REPORT_FLAGS ReadInventoryReportFlags()
{
    INVENTORY_REPORT_FLAGS flags;
    flags.stockInfo = ReadFlagSetting(kSettingStockInfoSR);
    flags.stockDetails = ReadFlagSetting(kSettingStockDetailsSR);
    flags.totalCost = ReadFlagSetting(kSettingTotalCostSR);
    flags.barsBought = ReadFlagSetting(kSettingBarsBoughtSR);
    return flags;
}

std::string BuildInventoryReport(const CInventoryData& inventory, const INVENTORY_REPORT_FLAGS& flags)
{
    CStockCache stocks(inventory);
    std::string page = ReportHead(LangText(T_REPORT_INVENTORY_TITLE));
    page += ReportBanner();
    page += FillPattern("<h2>%s - ", {LangText(T_REPORT_INVENTORY_TITLE)});
    page += ReportDateTime(Platform().LocalTime()) + "</h2>";
    if (flags.stockInfo || flags.stockDetails) {
        page += InventorySection(inventory, flags, stocks);
    }
    if (flags.totalCost) {
        page += TotalCostSection(inventory, stocks);
    }
    if (flags.barsBought) {
        page += BarsToBuySection(inventory, stocks);
    }
    page += ReportFooter();
    return page;
}

void WriteInventoryReport(const CInventoryData& inventory, const INVENTORY_REPORT_FLAGS& flags,
                          const std::string& path)
{
    WriteAndOpenReport(path, BuildInventoryReport(inventory, flags));
}

std::string DefaultInventoryReportPath() { return ProgramFilePath("report", UniqueFileName("report", "html")); }

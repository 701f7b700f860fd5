#include "report/report_page.h"

#include <stdexcept>

#include "core/atomic_file.h"
#include "core/exception.h"
#include "core/platform.h"
#include "core/program_files.h"
#include "core/settings.h"
#include "core/texts.h"
#include "report/html_text.h"

// Below this a price length would blow a price up to nonsense or divide by zero.
static constexpr double kMinPriceLength = 0.00001;

std::string FillPattern(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    out.reserve(pattern.size() + 64);
    const std::string_view* next = values.begin();
    const auto take = [&]() -> std::string_view {
        if (next == values.end()) {
            throw std::logic_error("report pattern has more directives than values");
        }
        return *next++;
    };
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            out += pattern[i];
            continue;
        }
        const std::string_view rest = pattern.substr(i + 1);
        if (rest.starts_with('%')) {
            out += '%';
            i += 1;
        } else if (rest.starts_with('s') || rest.starts_with('d')) {
            out += take();
            i += 1;
        } else if (rest.starts_with("02d")) {
            const std::string_view value = take();
            if (value.size() < 2) {
                out.append(2 - value.size(), '0');
            }
            out += value;
            i += 3;
        } else {
            throw std::logic_error("unknown directive in a report pattern");
        }
    }
    if (next != values.end()) {
        throw std::logic_error("report pattern has fewer directives than values");
    }
    return out;
}

std::string ReportHead(const char* title)
{
    return std::string("<html><head><title>") + title + "</title></head><body>";
}

std::string ReportBanner()
{
    // The program folder is not typed in the report, but a quote in it would end the
    // attribute early, so it goes through the same escaping as the user's texts.
    return std::string("<table><tr><td width='0' valign='top'><a href='") + LangText(T_REPORT_MAKER_ADDRESS) +
           "'><img src='" + HtmlEscape(ProgramFilePath("report", "logo.png")) +
           "' alt='Velmora Soft' border='0'></a></td><td nowrap><h1>Kalomax</h1></td></tr></table><br>";
}

std::string ReportFooter()
{
    return std::string("<br><hr noshade width=100%><div align='center'><small>") + LangText(T_REPORT_MAKER_NOTICE) +
           "</small></div></body></html>";
}

std::string ReportLength(Length length) { return LengthToText(length, LengthUnit, Precision, true); }

std::string ReportMoney(double value) { return NumberToText(value, 2); }

std::string ReportCount(long long count) { return std::to_string(count); }

std::string ReportCurrency() { return HtmlEscape(Currency); }

std::string ReportDateTime(const std::tm& time)
{
    return FillPattern("%02d %s %d, %02d:%02d",
                       {ReportCount(time.tm_mday), MonthName(time.tm_mon), ReportCount(time.tm_year + 1900LL),
                        ReportCount(time.tm_hour), ReportCount(time.tm_min)});
}

std::string TypeOfBarHeading(const TYPE_OF_BAR& type)
{
    return FillPattern("<br><font color=blue size=+1><b>%s</b></font> <b>%s</b>, <font color=blue "
                       "size=+1><b>%s</b></font> <b>%s</b>, <font color=blue size=+1><b>%s</b></font> "
                       "<b>%s</b><br>",
                       {LangText(T_REPORT_PROFILE_CODE_LABEL), HtmlEscape(type.profileCode),
                        LangText(T_REPORT_MATERIAL_LABEL), HtmlEscape(type.material), LangText(T_REPORT_COLOR_LABEL),
                        HtmlEscape(type.color)});
}

void CheckPriceLength(const TYPE_OF_BAR& type)
{
    if (!(type.priceLength >= kMinPriceLength)) {
        KX_RAISE(LangText(T_STOCK_INVALID));
    }
}

void WriteReportFile(const std::string& path, const std::string& page)
{
    // Written whole through a temporary file, so an older report of the same name is never
    // left half overwritten.
    if (!ReplaceFileAtomically(path, page)) {
        KX_RAISE(LangText(T_CANNOT_CREATE_REPORT));
    }
}

void WriteAndOpenReport(const std::string& path, const std::string& page)
{
    WriteReportFile(path, page);
    Platform().OpenWithShell(path);
}

#include "report/cutting_diagram.h"

#include <algorithm>
#include <cstdio>

#include "core/settings.h"
#include "core/texts.h"
#include "job/identifier_rows.h"
#include "job/order.h"
#include "report/html_text.h"
#include "report/report_page.h"

namespace {

CUTTING_DIAGRAM DiagramOfRow(const OPTIMIZED_RESULT& layout, const IDENTIFIER_ROW& row, Length sawThickness)
{
    CUTTING_DIAGRAM diagram;
    diagram.barLength = layout.barLength;
    diagram.barCount = row.barCount;
    Length position = 0;
    Length cuts = 0;
    for (const IDENTIFIER_ENTRY& entry : row.entries) {
        for (int i = 0; i < entry.piecesPerBar; ++i) {
            if (!diagram.parts.empty() && sawThickness > 0) {
                diagram.parts.push_back({DiagramPartKind::SawCut, position, sawThickness, ""});
                position += sawThickness;
                cuts += sawThickness;
            }
            const std::string identifier = entry.identifier == kNoIdentifier ? "" : entry.identifier;
            diagram.parts.push_back({DiagramPartKind::Piece, position, entry.length, identifier});
            position += entry.length;
        }
    }
    if (layout.usedLength > position) {
        diagram.parts.push_back({DiagramPartKind::SawCut, position, layout.usedLength - position, ""});
        cuts += layout.usedLength - position;
        position = layout.usedLength;
    }
    const Length leftover = layout.barLength - position;
    Length waste = cuts;
    if (leftover > 0) {
        const DiagramPartKind kind = row.reusable ? DiagramPartKind::ReusableLeftover : DiagramPartKind::Waste;
        diagram.parts.push_back({kind, position, leftover, ""});
        if (!row.reusable) {
            waste += leftover;
        }
    }
    diagram.wastePercent = layout.barLength > 0 ? waste * 100 / layout.barLength : 0;
    return diagram;
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

const char* FillOf(DiagramPartKind kind)
{
    switch (kind) {
    case DiagramPartKind::Piece:
        return "#DCE8F5";
    case DiagramPartKind::SawCut:
        return "#000000";
    case DiagramPartKind::ReusableLeftover:
        return "#9BD99B";
    case DiagramPartKind::Waste:
        return "url(#kxWaste)";
    }
    return "#FFFFFF";
}

constexpr double kWidth = 700;
constexpr double kBarTop = 18;
constexpr double kBarHeight = 30;

} // namespace

std::string CuttingDiagramSvg(const CUTTING_DIAGRAM& diagram, Length scaleLength)
{
    const double scale = scaleLength > 0 ? kWidth / std::max(scaleLength, diagram.barLength) : 0;
    std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='702' height='52'>";
    svg += "<defs><pattern id='kxWaste' width='6' height='6' patternUnits='userSpaceOnUse' "
           "patternTransform='rotate(45)'><rect width='6' height='6' fill='#C8C8C8'/>"
           "<line x1='0' y1='0' x2='0' y2='6' stroke='#888888' stroke-width='2'/></pattern></defs>";
    std::string caption = ReportLength(diagram.barLength) + " x " + std::to_string(diagram.barCount) + " &nbsp; " +
                          LangText(T_REPORT_DIAGRAM_WASTE) + " " + ReportMoney(diagram.wastePercent) + " %";
    svg += "<text x='1' y='13' font-family='sans-serif' font-size='12'>" + caption + "</text>";
    for (const DIAGRAM_PART& part : diagram.parts) {
        const double x = 1 + part.start * scale;
        // A cut is never thinner than one pixel, so every cut shows.
        const double width = part.kind == DiagramPartKind::SawCut ? std::max(1.0, part.length * scale)
                                                                  : part.length * scale;
        svg += "<rect x='" + Number(x) + "' y='" + Number(kBarTop) + "' width='" + Number(width) + "' height='" +
               Number(kBarHeight) + "' fill='" + FillOf(part.kind) + "'" +
               (part.kind == DiagramPartKind::SawCut ? "" : " stroke='#404040' stroke-width='0.5'") + "/>";
        if (part.kind == DiagramPartKind::SawCut || width < 24) {
            continue;
        }
        std::string label = ReportLength(part.length);
        if (!part.identifier.empty()) {
            label += " " + HtmlEscape(part.identifier);
        }
        svg += "<text x='" + Number(x + width / 2) + "' y='" + Number(kBarTop + 19) +
               "' font-family='sans-serif' font-size='10' text-anchor='middle' textLength='" +
               Number(std::max(1.0, std::min(width - 4, label.size() * 5.5))) + "' lengthAdjust='spacingAndGlyphs'>" +
               label + "</text>";
    }
    svg += "<rect x='1' y='" + Number(kBarTop) + "' width='" + Number(diagram.barLength * scale) + "' height='" +
           Number(kBarHeight) + "' fill='none' stroke='#000000' stroke-width='1'/></svg><br>";
    return svg;
}

std::vector<CUTTING_DIAGRAM> CuttingDiagrams(const TYPE_OF_BAR& type, const TOB_RESULT& result, Length sawThickness)
{
    std::vector<CUTTING_DIAGRAM> diagrams;
    std::vector<ITEM_TO_BE_CUT> items = result.items;
    for (const OPTIMIZED_RESULT& layout : result.layouts) {
        for (const IDENTIFIER_ROW& row : AssignIdentifiers(layout, items, type)) {
            diagrams.push_back(DiagramOfRow(layout, row, sawThickness));
        }
    }
    return diagrams;
}

Length ScaleLength(const std::vector<CUTTING_DIAGRAM>& diagrams)
{
    Length longest = 0;
    for (const CUTTING_DIAGRAM& diagram : diagrams) {
        longest = std::max(longest, diagram.barLength);
    }
    return longest;
}

std::string CuttingDiagramsSection(const std::vector<CUTTING_DIAGRAM>& diagrams, const DiagramWriter& write)
{
    std::string out = "<br><b>";
    out += LangText(T_REPORT_CUTTING_DIAGRAMS);
    out += "</b><br>";
    const Length scaleLength = ScaleLength(diagrams);
    for (const CUTTING_DIAGRAM& diagram : diagrams) {
        out += write(diagram, scaleLength);
    }
    return out + "<br>";
}

#include "ui/cutting_diagram_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/texts.h"
#include "job/global_data.h"

namespace {

QString LengthText(Length length)
{
    return QString::fromStdString(LengthToText(length, LengthUnit, Precision, false));
}

int PixelOf(Length position, Length barLength, int barWidth)
{
    if (barLength <= 0) {
        return 0;
    }
    const double x = std::round(position * barWidth / barLength);
    return static_cast<int>(std::clamp(x, 0.0, static_cast<double>(barWidth)));
}

} // namespace

std::vector<DIAGRAM_BOX> DiagramBoxes(const CUTTING_DIAGRAM& diagram, int barWidth)
{
    std::vector<DIAGRAM_BOX> boxes;
    boxes.reserve(diagram.parts.size());
    for (const DIAGRAM_PART& part : diagram.parts) {
        DIAGRAM_BOX box;
        box.kind = part.kind;
        box.x = PixelOf(part.start, diagram.barLength, barWidth);
        box.width = PixelOf(part.start + part.length, diagram.barLength, barWidth) - box.x;
        if (part.kind == DiagramPartKind::SawCut && box.width < 1) {
            box.width = 1;
            box.x = std::min(box.x, std::max(0, barWidth - 1));
        }
        if (part.kind == DiagramPartKind::Piece) {
            box.label = LengthText(part.length);
            if (!part.identifier.empty()) {
                box.label += QLatin1Char(' ') + QString::fromStdString(part.identifier);
            }
        }
        boxes.push_back(box);
    }
    return boxes;
}

QString DiagramCaption(const CUTTING_DIAGRAM& diagram)
{
    return QStringLiteral("x %1    %2    %3 %4 %")
        .arg(diagram.barCount)
        .arg(LengthText(diagram.barLength))
        .arg(QString::fromLatin1(LangText(T_DIAGRAM_WASTE)))
        .arg(QString::number(diagram.wastePercent, 'f', 2));
}

std::vector<DIAGRAM_SECTION> DiagramSections(const CGlobalData& data, const CuttingPlan& plan, Length sawThickness)
{
    std::vector<DIAGRAM_SECTION> sections;
    for (const TOB_RESULT& result : plan.Sequence()) {
        const TYPE_OF_BAR type = data.GetTypeOfBar(result.typeIndex);
        DIAGRAM_SECTION section;
        section.heading = QString::fromStdString(type.profileCode + " / " + type.material + " / " + type.color);
        section.diagrams = CuttingDiagrams(type, result, sawThickness);
        sections.push_back(std::move(section));
    }
    return sections;
}

CDiagramCanvas::CDiagramCanvas(std::vector<DIAGRAM_SECTION> sections, QWidget* parent)
    : QWidget(parent), m_sections(std::move(sections))
{
    setObjectName(QStringLiteral("diagramCanvas"));
    int top = kMargin;
    for (int s = 0; s < static_cast<int>(m_sections.size()); ++s) {
        m_rows.push_back({s, -1});
        m_rowTop.push_back(top);
        top += kHeadingHeight;
        for (int d = 0; d < static_cast<int>(m_sections[s].diagrams.size()); ++d) {
            m_rows.push_back({s, d});
            m_rowTop.push_back(top);
            top += kDiagramHeight;
        }
    }
    m_rowTop.push_back(top + kMargin);
    setFixedHeight(m_rowTop.back());
    setMinimumWidth(200);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

int CDiagramCanvas::BarWidth() const { return std::max(1, width() - 2 * kMargin - 1); }

std::pair<int, int> CDiagramCanvas::RowsIn(int top, int bottom) const
{
    if (m_rows.empty() || bottom <= top) {
        return {0, 0};
    }
    if (top >= m_rowTop.back()) {
        return {RowCount(), RowCount()};
    }
    // m_rowTop[i] is the top of row i; the last entry ends the last row.
    const auto rowsEnd = m_rowTop.end() - 1;
    auto first = std::upper_bound(m_rowTop.begin(), rowsEnd, top);
    const int firstRow = std::max(0, static_cast<int>(first - m_rowTop.begin()) - 1);
    auto last = std::lower_bound(m_rowTop.begin(), rowsEnd, bottom);
    const int lastRow = static_cast<int>(last - m_rowTop.begin());
    return {firstRow, std::max(firstRow, lastRow)};
}

void CDiagramCanvas::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const auto [first, last] = RowsIn(area.top(), area.bottom() + 1);
    m_paintedRows = last - first;
    QFont headingFont = font();
    headingFont.setBold(true);
    if (headingFont.pointSizeF() > 0) {
        headingFont.setPointSizeF(headingFont.pointSizeF() * 1.15);
    }
    for (int i = first; i < last; ++i) {
        const ROW& row = m_rows[i];
        if (row.diagram < 0) {
            painter.setFont(headingFont);
            painter.setPen(palette().color(QPalette::Text));
            painter.drawText(QRect(kMargin, m_rowTop[i], width() - 2 * kMargin, kHeadingHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, m_sections[row.section].heading);
            painter.setFont(font());
        } else {
            PaintDiagram(painter, m_sections[row.section].diagrams[row.diagram], m_rowTop[i]);
        }
    }
}

void CDiagramCanvas::PaintDiagram(QPainter& painter, const CUTTING_DIAGRAM& diagram, int top) const
{
    const int barWidth = BarWidth();
    const int barTop = top + kBarTop;
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(kMargin, top, barWidth, kBarTop - 2), Qt::AlignLeft | Qt::AlignBottom,
                     DiagramCaption(diagram));
    const QFontMetrics metrics = painter.fontMetrics();
    for (const DIAGRAM_BOX& box : DiagramBoxes(diagram, barWidth)) {
        const QRect rect(kMargin + box.x, barTop, box.width, kBarHeight);
        switch (box.kind) {
        case DiagramPartKind::Piece:
            painter.fillRect(rect, QColor(0xDC, 0xE8, 0xF5));
            painter.setPen(QColor(0x40, 0x40, 0x40));
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            if (box.width > 12) {
                painter.setPen(Qt::black);
                painter.drawText(rect.adjusted(2, 0, -2, 0), Qt::AlignCenter,
                                 metrics.elidedText(box.label, Qt::ElideRight, box.width - 4));
            }
            break;
        case DiagramPartKind::SawCut:
            painter.fillRect(rect, Qt::black);
            break;
        case DiagramPartKind::ReusableLeftover:
            painter.fillRect(rect, QColor(0x9B, 0xD9, 0x9B));
            break;
        case DiagramPartKind::Waste:
            painter.fillRect(rect, QColor(0xC8, 0xC8, 0xC8));
            painter.fillRect(rect, QBrush(QColor(0x88, 0x88, 0x88), Qt::BDiagPattern));
            break;
        }
    }
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(kMargin, barTop, barWidth, kBarHeight));
}

CCuttingDiagramWindow::CCuttingDiagramWindow(QWidget* parent, std::vector<DIAGRAM_SECTION> sections)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("cuttingDiagramWindow"));
    setWindowTitle(QString::fromLatin1(LangText(T_DIAGRAMS_TITLE)));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("diagramScrollArea"));
    // The bars always fill the width: no horizontal scrolling, and a vertical bar that
    // does not come and go as the window is resized.
    m_scroll->setWidgetResizable(true);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_canvas = new CDiagramCanvas(std::move(sections), m_scroll);
    m_scroll->setWidget(m_canvas);
    m_scroll->verticalScrollBar()->setSingleStep(CDiagramCanvas::kDiagramHeight / 3);
    layout->addWidget(m_scroll);
    resize(820, 600);
}

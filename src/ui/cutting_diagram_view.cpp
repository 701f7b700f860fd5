#include "ui/cutting_diagram_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include "core/texts.h"
#include "job/global_data.h"

std::vector<DIAGRAM_SECTION> DiagramSections(const CGlobalData& data, const CuttingPlan& plan, Length sawThickness)
{
    std::vector<DIAGRAM_SECTION> sections;
    for (const TOB_RESULT& result : plan.Sequence()) {
        const TYPE_OF_BAR type = data.GetTypeOfBar(result.typeIndex);
        DIAGRAM_SECTION section;
        section.heading = QString::fromStdString(type.profileCode + " / " + type.material + " / " + type.color);
        section.diagrams = CuttingDiagrams(type, result, sawThickness);
        section.scaleLength = ScaleLength(section.diagrams);
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
            const DIAGRAM_SECTION& section = m_sections[row.section];
            const CUTTING_DIAGRAM& diagram = section.diagrams[row.diagram];
            PaintCuttingDiagram(painter, diagram, QRect(kMargin, m_rowTop[i], width() - 2 * kMargin, kDiagramHeight),
                                BarWidthToScale(diagram.barLength, section.scaleLength, BarWidth()),
                                palette().color(QPalette::Text));
        }
    }
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
    // The longest bars always fill the width: no horizontal scrolling, and a vertical bar that
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

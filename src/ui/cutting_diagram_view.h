#pragma once

#include <QString>
#include <QWidget>

#include <vector>

#include "report/cutting_diagram.h"

class CGlobalData;
class QScrollArea;

// One part of a diagram as drawn: `x` and `width` in pixels from the left end of the bar.
struct DIAGRAM_BOX {
    DiagramPartKind kind = DiagramPartKind::Piece;
    int x = 0;
    int width = 0;
    QString label; // pieces only: the length in the settings' unit, then the identifier
};

// The parts of a diagram on a bar `barWidth` pixels wide; every saw cut is at least one
// pixel wide so that it shows.
std::vector<DIAGRAM_BOX> DiagramBoxes(const CUTTING_DIAGRAM& diagram, int barWidth);

// "x N", the bar length and the waste percentage, in the language of the settings.
QString DiagramCaption(const CUTTING_DIAGRAM& diagram);

// The diagrams of one type of bar under its heading.
struct DIAGRAM_SECTION {
    QString heading;
    std::vector<CUTTING_DIAGRAM> diagrams;
};

// One section per type of the plan, in ascending type index.
std::vector<DIAGRAM_SECTION> DiagramSections(const CGlobalData& data, const CuttingPlan& plan, Length sawThickness);

// All diagrams one under the other, as wide as the widget; only the rows that meet the
// area being painted are drawn, so that hundreds of diagrams scroll smoothly.
class CDiagramCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMargin = 8;
    static constexpr int kHeadingHeight = 30;
    static constexpr int kDiagramHeight = 62;
    static constexpr int kBarTop = 22; // within a diagram row
    static constexpr int kBarHeight = 32;

    CDiagramCanvas(std::vector<DIAGRAM_SECTION> sections, QWidget* parent);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int TotalHeight() const { return m_rowTop.empty() ? 0 : m_rowTop.back(); }
    int BarWidth() const;
    // The rows [first, last) that meet the band of pixels [top, bottom).
    std::pair<int, int> RowsIn(int top, int bottom) const;
    // How many rows the last paint drew.
    int PaintedRows() const { return m_paintedRows; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct ROW {
        int section = 0;
        int diagram = -1; // -1 for the heading of the section
    };
    void PaintDiagram(class QPainter& painter, const CUTTING_DIAGRAM& diagram, int top) const;

    std::vector<DIAGRAM_SECTION> m_sections;
    std::vector<ROW> m_rows;
    std::vector<int> m_rowTop; // one more entry than rows: the bottom of the last
    int m_paintedRows = 0;
};

// The non-modal window of the launch dialog that shows the diagrams of its plan.
class CCuttingDiagramWindow : public QWidget {
    Q_OBJECT
public:
    CCuttingDiagramWindow(QWidget* parent, std::vector<DIAGRAM_SECTION> sections);

    CDiagramCanvas* Canvas() const { return m_canvas; }
    QScrollArea* ScrollArea() const { return m_scroll; }

private:
    QScrollArea* m_scroll;
    CDiagramCanvas* m_canvas;
};

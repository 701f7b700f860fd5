#pragma once

#include <QString>
#include <QWidget>

#include <vector>

#include "ui/cutting_diagram_painter.h"

class CGlobalData;
class QScrollArea;

// The diagrams of one type of bar under its heading, drawn to one scale: a bar of
// `scaleLength` fills the width.
struct DIAGRAM_SECTION {
    QString heading;
    std::vector<CUTTING_DIAGRAM> diagrams;
    Length scaleLength = 0;
};

// One section per type of the plan, in ascending type index.
std::vector<DIAGRAM_SECTION> DiagramSections(const CGlobalData& data, const CuttingPlan& plan, Length sawThickness);

// All diagrams one under the other, the longest bar of each type as wide as the widget; only the rows that meet the
// area being painted are drawn, so that hundreds of diagrams scroll smoothly.
class CDiagramCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMargin = 8;
    static constexpr int kHeadingHeight = 30;
    static constexpr int kDiagramHeight = 62;

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

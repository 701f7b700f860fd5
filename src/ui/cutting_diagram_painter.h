#pragma once

#include <QColor>
#include <QString>

#include <vector>

#include "report/cutting_diagram.h"

class QPainter;
class QRect;

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

// The pixels of a bar drawn to its type's scale, where `scaleLength` fills `fullWidth`;
// never less than one pixel.
int BarWidthToScale(Length barLength, Length scaleLength, int fullWidth);

// A drawn diagram: the caption above, then the bar.
inline constexpr int kDiagramBarTop = 22;
inline constexpr int kDiagramBarHeight = 32;

// Draws the caption and the bar into `row` (caption at its top, the bar kDiagramBarTop
// below it, `barWidth` pixels from its left edge); texts and outlines in `textColor`.
void PaintCuttingDiagram(QPainter& painter, const CUTTING_DIAGRAM& diagram, const QRect& row, int barWidth,
                         const QColor& textColor);

#include "ui/cutting_diagram_painter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "core/settings.h"
#include "core/texts.h"

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

int BarWidthToScale(Length barLength, Length scaleLength, int fullWidth)
{
    if (scaleLength <= 0 || barLength >= scaleLength) {
        return std::max(1, fullWidth);
    }
    return std::clamp(static_cast<int>(std::round(fullWidth * std::max(0.0, barLength) / scaleLength)), 1,
                      std::max(1, fullWidth));
}

void PaintCuttingDiagram(QPainter& painter, const CUTTING_DIAGRAM& diagram, const QRect& row, int barWidth,
                         const QColor& textColor)
{
    const int left = row.left();
    const int barTop = row.top() + kDiagramBarTop;
    painter.setPen(textColor);
    painter.drawText(QRect(left, row.top(), row.width(), kDiagramBarTop - 2), Qt::AlignLeft | Qt::AlignBottom,
                     DiagramCaption(diagram));
    const QFontMetrics metrics = painter.fontMetrics();
    for (const DIAGRAM_BOX& box : DiagramBoxes(diagram, barWidth)) {
        const QRect rect(left + box.x, barTop, box.width, kDiagramBarHeight);
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
    painter.setPen(textColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(left, barTop, barWidth, kDiagramBarHeight));
}

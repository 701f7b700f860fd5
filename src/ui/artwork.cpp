#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kSteel(0x5b, 0x6e, 0x82);
const QColor kSteelLight(0xc9, 0xd3, 0xdd);
const QColor kAccent(0xd9, 0x6c, 0x1e);
const QColor kPaper(0xfb, 0xfa, 0xf5);

// A bar seen from the side: a rounded, shaded strip.
void DrawBar(QPainter& painter, const QRectF& rect, const QColor& color)
{
    QLinearGradient shade(rect.topLeft(), rect.bottomLeft());
    shade.setColorAt(0, color.lighter(150));
    shade.setColorAt(0.5, color);
    shade.setColorAt(1, color.darker(140));
    painter.setPen(QPen(color.darker(170), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(rect, 1.5, 1.5);
}

QPixmap Canvas(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The program icon: a long bar with a saw cut and the short piece cut off.
QPixmap ProgramPixmap(int size)
{
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(1 * s, 1 * s, 30 * s, 30 * s), 5 * s, 5 * s);
    DrawBar(painter, QRectF(3 * s, 8 * s, 19 * s, 6 * s), kSteel);
    DrawBar(painter, QRectF(24 * s, 8 * s, 5 * s, 6 * s), kAccent);
    DrawBar(painter, QRectF(3 * s, 18 * s, 11 * s, 6 * s), kSteel);
    DrawBar(painter, QRectF(16 * s, 18 * s, 13 * s, 6 * s), kSteel);
    painter.setPen(QPen(kAccent, 1.6 * s, Qt::DashLine));
    painter.drawLine(QPointF(23 * s, 4 * s), QPointF(23 * s, 28 * s));
    return pixmap;
}

QIcon IconOf(QPixmap (*draw)(int))
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        icon.addPixmap(draw(size));
    }
    return icon;
}

// The job: a sheet with order lines.
QPixmap JobPixmap(int size)
{
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    painter.setPen(QPen(kSteel.darker(150), 1.2 * s));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(6 * s, 3 * s, 20 * s, 26 * s), 2 * s, 2 * s);
    for (int line = 0; line < 4; ++line) {
        const double y = (9 + line * 5) * s;
        DrawBar(painter, QRectF(9 * s, y, (line % 2 == 0 ? 14 : 10) * s, 2.6 * s), line == 0 ? kAccent : kSteel);
    }
    return pixmap;
}

// The inventory: a rack of bars of several lengths.
QPixmap InventoryPixmap(int size)
{
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    painter.setPen(QPen(kSteel.darker(160), 1.6 * s));
    painter.drawLine(QPointF(4 * s, 4 * s), QPointF(4 * s, 29 * s));
    painter.drawLine(QPointF(28 * s, 4 * s), QPointF(28 * s, 29 * s));
    painter.drawLine(QPointF(3 * s, 29 * s), QPointF(29 * s, 29 * s));
    const double lengths[] = {22, 17, 20, 12};
    for (int row = 0; row < 4; ++row) {
        DrawBar(painter, QRectF(5 * s, (6 + row * 5.5) * s, lengths[row] * s, 3.5 * s), row == 1 ? kAccent : kSteel);
    }
    return pixmap;
}

// Types of bars: three profile sections side by side.
QPixmap TypesOfBarsPixmap(int size)
{
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    painter.setPen(QPen(kSteel.darker(170), 1.2 * s));
    painter.setBrush(kSteelLight);
    // A square tube.
    QPainterPath tube;
    tube.addRect(QRectF(2 * s, 6 * s, 12 * s, 12 * s));
    tube.addRect(QRectF(5 * s, 9 * s, 6 * s, 6 * s));
    painter.drawPath(tube);
    // An angle.
    QPainterPath angle;
    angle.moveTo(18 * s, 5 * s);
    angle.lineTo(21 * s, 5 * s);
    angle.lineTo(21 * s, 15 * s);
    angle.lineTo(30 * s, 15 * s);
    angle.lineTo(30 * s, 18 * s);
    angle.lineTo(18 * s, 18 * s);
    angle.closeSubpath();
    painter.setBrush(kAccent);
    painter.drawPath(angle);
    // A round tube.
    painter.setBrush(kSteel);
    painter.drawEllipse(QPointF(16 * s, 25 * s), 5.5 * s, 5.5 * s);
    painter.setBrush(kPaper);
    painter.drawEllipse(QPointF(16 * s, 25 * s), 3 * s, 3 * s);
    return pixmap;
}

} // namespace

QIcon ProgramIcon() { return IconOf(ProgramPixmap); }
QIcon JobToolbarIcon() { return IconOf(JobPixmap); }
QIcon InventoryToolbarIcon() { return IconOf(InventoryPixmap); }
QIcon TypesOfBarsToolbarIcon() { return IconOf(TypesOfBarsPixmap); }

QPixmap AboutPicture()
{
    QPixmap pixmap(220, 120);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(0xee, 0xf2, 0xf6));
    sky.setColorAt(1, QColor(0xd5, 0xdd, 0xe6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(0, 0, 220, 120), 10, 10);
    // Three bars being cut into pieces.
    const double cuts[3][4] = {{60, 45, 70, 30}, {90, 90, 25, 0}, {40, 40, 40, 60}};
    for (int row = 0; row < 3; ++row) {
        double x = 12;
        for (int piece = 0; piece < 4 && cuts[row][piece] > 0; ++piece) {
            const bool stub = piece == 3 || cuts[row][piece + 1] == 0;
            DrawBar(painter, QRectF(x, 18 + row * 30, cuts[row][piece] - 3, 16), stub && row == 1 ? kAccent : kSteel);
            x += cuts[row][piece];
        }
    }
    painter.setPen(QPen(kAccent, 2, Qt::DashLine));
    painter.drawLine(QPointF(117, 8), QPointF(117, 112));
    return pixmap;
}

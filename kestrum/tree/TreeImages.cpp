// SPDX-License-Identifier: GPL-3.0-or-later
#include "tree/TreeImages.h"

#include <QPainter>
#include <QPolygon>

namespace {
const QColor kRed(210, 0, 0);
const QColor kGrey(140, 140, 140);
const QColor kGreen(60, 170, 60);
const QColor kLightGreen(150, 225, 150);

enum class Mark { None, Red, Grey };

QPixmap Blank()
{
    QPixmap pm(15, 15);
    pm.fill(Qt::transparent); // white is the list's transparent colour
    return pm;
}

QPixmap Box(Mark mark, bool selected)
{
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(selected ? kLightGreen : QColor(Qt::white));
    p.drawRect(1, 1, 12, 12);
    if (mark != Mark::None) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(mark == Mark::Red ? kRed : kGrey, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        const QPoint tick[] = {QPoint(4, 7), QPoint(6, 10), QPoint(11, 4)};
        p.drawPolyline(tick, 3);
    }
    return pm;
}

QPixmap Folder(bool closed, bool selected)
{
    QPixmap pm = Blank();
    QPainter p(&pm);
    p.setPen(QPen(selected ? kGreen : kGrey, selected ? 2 : 1));
    p.setBrush(Qt::NoBrush);
    // The selected forms leave room on the left for the arrow.
    const QRect frame = selected ? QRect(5, 2, 9, 11) : QRect(2, 1, 11, 12);
    p.drawRect(frame);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (closed) {
        p.setPen(QPen(kRed, 1.6));
        p.drawArc(frame.adjusted(2, 3, -2, -3), 45 * 16, 270 * 16);
    }
    if (selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        const QPoint arrow[] = {QPoint(0, 4), QPoint(4, 7), QPoint(0, 10)};
        p.drawPolygon(arrow, 3);
    }
    return pm;
}
} // namespace

std::vector<QPixmap> MakeTreeImages()
{
    return {
        Blank(),
        Box(Mark::None, false), Box(Mark::Red, false), Box(Mark::Grey, false),
        Box(Mark::None, true), Box(Mark::Red, true), Box(Mark::Grey, true),
        Folder(true, false), Folder(false, false), Folder(true, true), Folder(false, true),
    };
}

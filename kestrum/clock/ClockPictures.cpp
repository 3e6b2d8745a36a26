// SPDX-License-Identifier: GPL-3.0-or-later
#include "clock/ClockPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <cmath>

namespace {

QPixmap IconPixmap(int size, bool hands = true)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    QRadialGradient face(QPointF(13 * s, 12 * s), 18 * s);
    face.setColorAt(0, QColor(255, 255, 250));
    face.setColorAt(1, QColor(214, 226, 240));
    p.setBrush(face);
    p.setPen(QPen(QColor(20, 60, 140), 2.5 * s));
    p.drawEllipse(QRectF(2 * s, 2 * s, 28 * s, 28 * s));
    // Twelve marks, the quarters longer.
    for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        double r1 = (i % 3 == 0 ? 9.5 : 11.0) * s, r2 = 12.5 * s;
        p.setPen(QPen(QColor(20, 60, 140), (i % 3 == 0 ? 1.6 : 1.0) * s));
        p.drawLine(QPointF(16 * s + r1 * std::sin(a), 16 * s - r1 * std::cos(a)),
                   QPointF(16 * s + r2 * std::sin(a), 16 * s - r2 * std::cos(a)));
    }
    if (!hands) {
        p.end();
        return pm;
    }
    // Ten past ten, as clocks in pictures show.
    p.setPen(QPen(QColor(0, 0, 40), 2.2 * s, Qt::SolidLine, Qt::RoundCap));
    double ah = (10 + 10 / 60.0) * M_PI / 6, am = 10 * M_PI / 30;
    p.drawLine(QPointF(16 * s, 16 * s), QPointF(16 * s + 6.5 * s * std::sin(ah), 16 * s - 6.5 * s * std::cos(ah)));
    p.setPen(QPen(QColor(0, 40, 0), 1.6 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16 * s, 16 * s), QPointF(16 * s + 10 * s * std::sin(am), 16 * s - 10 * s * std::cos(am)));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 0, 0));
    p.drawEllipse(QPointF(16 * s, 16 * s), 1.5 * s, 1.5 * s);
    p.end();
    return pm;
}

}  // namespace

QIcon ClockIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64, 128}) icon.addPixmap(IconPixmap(size));
    return icon;
}

QPixmap ClockIconDial(int size)
{
    return IconPixmap(size, false);
}

QImage ClockPhoto()
{
    const int n = 345;
    QImage img(n, n, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Evening sky over hills and a lake.
    QLinearGradient sky(0, 0, 0, 220);
    sky.setColorAt(0, QColor(28, 40, 96));
    sky.setColorAt(0.55, QColor(186, 92, 120));
    sky.setColorAt(1, QColor(255, 176, 92));
    p.fillRect(0, 0, n, 230, sky);
    QRadialGradient sun(QPointF(230, 196), 60);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.35, QColor(255, 220, 120));
    sun.setColorAt(1, QColor(255, 176, 92, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(230, 196), 60, 60);
    QPainterPath far;
    far.moveTo(0, 215);
    far.cubicTo(60, 150, 110, 170, 150, 190);
    far.cubicTo(190, 160, 250, 140, 345, 200);
    far.lineTo(345, 232);
    far.lineTo(0, 232);
    p.setBrush(QColor(74, 52, 98));
    p.drawPath(far);
    QPainterPath near;
    near.moveTo(0, 232);
    near.cubicTo(80, 190, 140, 215, 200, 228);
    near.cubicTo(260, 205, 310, 212, 345, 222);
    near.lineTo(345, 240);
    near.lineTo(0, 240);
    p.setBrush(QColor(38, 36, 64));
    p.drawPath(near);
    QLinearGradient lake(0, 238, 0, n);
    lake.setColorAt(0, QColor(232, 150, 96));
    lake.setColorAt(0.3, QColor(120, 72, 110));
    lake.setColorAt(1, QColor(20, 28, 70));
    p.fillRect(0, 238, n, n - 238, lake);
    // The sun's glitter on the water.
    p.setBrush(QColor(255, 226, 150, 170));
    for (int i = 0; i < 14; ++i) {
        double y = 246 + i * 7.0;
        double w = 34 - i * 2.0;
        p.drawRect(QRectF(230 - w / 2 + (i % 2 ? 3 : -3), y, w, 2));
    }
    return img;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zephal::ui {
namespace {

// A horizontal arrow from x0 to x1 at height y, head at x1; lengths in tile units.
QPainterPath arrow(double x0, double x1, double y, double shaft, double head) {
    const double dir = x1 > x0 ? 1 : -1;
    const double neck = x1 - dir * head;
    QPainterPath path;
    path.moveTo(x0, y - shaft / 2);
    path.lineTo(neck, y - shaft / 2);
    path.lineTo(neck, y - head * 0.75);
    path.lineTo(x1, y);
    path.lineTo(neck, y + head * 0.75);
    path.lineTo(neck, y + shaft / 2);
    path.lineTo(x0, y + shaft / 2);
    path.closeSubpath();
    return path;
}

QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // drawn on a 64-unit tile
    p.setPen(Qt::NoPen);

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x2f, 0x6f, 0xb8));
    tile.setColorAt(1, QColor(0x12, 0x2f, 0x63));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 11, 11);

    // Three rising bars.
    const QColor bars[] = {QColor(0xff, 0xc8, 0x3d), QColor(0xff, 0x9a, 0x3c),
                           QColor(0xf2, 0x5f, 0x4c)};
    const double heights[] = {12, 18, 24};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(12 + 14 * i, 54 - heights[i], 11, heights[i]));
    }

    // Two-way arrow across the top.
    p.setBrush(Qt::white);
    p.drawPath(arrow(10, 54, 11, 4.5, 8));
    p.drawPath(arrow(54, 10, 21, 4.5, 8));
    return pixmap;
}

}  // namespace

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(drawIcon(size));
    return icon;
}

}  // namespace zephal::ui

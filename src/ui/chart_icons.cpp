// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace zephal::ui {
namespace {

// Every picture is drawn on a 32 x 32 grid and scaled to the size asked for.
constexpr double kGrid = 32;

const QColor kBlue(0x2f, 0x7e, 0xd8);
const QColor kRed(0xe4, 0x57, 0x2e);
const QColor kGreen(0x29, 0xa3, 0x6a);
const QColor kAmber(0xf3, 0xa7, 0x12);
const QColor kInk(0x33, 0x3b, 0x45);

void axes(QPainter& p) {
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(QPointF(4, 3), QPointF(4, 28));
    p.drawLine(QPointF(4, 28), QPointF(29, 28));
}

void flatBar(QPainter& p, double x, double top, double width, const QColor& color) {
    p.setPen(QPen(color.darker(140), 1));
    p.setBrush(color);
    p.drawRect(QRectF(x, top, width, 27 - top));
}

void bars2d(QPainter& p) {
    axes(p);
    flatBar(p, 7, 14, 6, kBlue);
    flatBar(p, 15, 6, 6, kBlue);
    flatBar(p, 23, 18, 5, kBlue);
}

void deepBar(QPainter& p, double x, double top, const QColor& color) {
    const double w = 6, d = 4, bottom = 28;
    p.setPen(QPen(color.darker(160), 0.8));
    p.setBrush(color);
    p.drawRect(QRectF(x, top, w, bottom - top));
    QPolygonF roof{QPointF(x, top), QPointF(x + d, top - d), QPointF(x + w + d, top - d),
                   QPointF(x + w, top)};
    p.setBrush(color.lighter(135));
    p.drawPolygon(roof);
    QPolygonF side{QPointF(x + w, top), QPointF(x + w + d, top - d), QPointF(x + w + d, bottom - d),
                   QPointF(x + w, bottom)};
    p.setBrush(color.darker(130));
    p.drawPolygon(side);
}

void bars3d(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(QPointF(2, 29), QPointF(26, 29));
    p.drawLine(QPointF(26, 29), QPointF(31, 24));
    deepBar(p, 3, 16, kBlue);
    deepBar(p, 11, 7, kBlue);
    deepBar(p, 19, 19, kBlue);
}

void individual(QPainter& p) {
    axes(p);
    flatBar(p, 6, 12, 4, kBlue);
    flatBar(p, 11, 6, 4, kRed);
    flatBar(p, 16, 17, 4, kGreen);
    // The legend: a framed box of colour keys.
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(21.5, 3.5, 9, 14));
    const QColor keys[] = {kBlue, kRed, kGreen};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(keys[i]);
        p.drawRect(QRectF(23, 5.5 + i * 4, 3, 3));
        p.setPen(QPen(kInk, 1));
        p.drawLine(QPointF(27, 7 + i * 4), QPointF(29.5, 7 + i * 4));
    }
}

void logarithm(QPainter& p) {
    // Log-spaced grid lines crowd toward each decade.
    p.setPen(QPen(QColor(0xb8, 0xc2, 0xcc), 1));
    for (int decade = 0; decade < 2; ++decade) {
        for (int k = 2; k <= 10; ++k) {
            const double x = 4 + 12.5 * decade + 12.5 * std::log10(double(k));
            p.drawLine(QPointF(x, 4), QPointF(x, 28));
        }
    }
    axes(p);
    QPainterPath curve;
    for (int i = 0; i <= 24; ++i) {
        const double x = 5 + i;
        const double y = 27 - 21 * std::log10(1 + 9 * i / 24.0);
        i == 0 ? curve.moveTo(x, y) : curve.lineTo(x, y);
    }
    p.setPen(QPen(kRed, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

void gear(QPainter& p) {
    const QPointF centre(16, 16);
    QPainterPath outline;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = (i / double(teeth * 4)) * 2 * M_PI;
        const double radius = (i % 4 == 0 || i % 4 == 1) ? 14 : 10.5;
        const QPointF at = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        i == 0 ? outline.moveTo(at) : outline.lineTo(at);
    }
    outline.closeSubpath();
    outline.addEllipse(centre, 4.5, 4.5);
    p.setPen(QPen(kInk.darker(120), 1));
    p.setBrush(QColor(0x70, 0x7b, 0x88));
    p.drawPath(outline);
}

void window(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf4, 0xf7, 0xfb));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    axes(p);
    flatBar(p, 7, 15, 5, kBlue);
    flatBar(p, 14, 7, 5, kRed);
    flatBar(p, 21, 12, 5, kAmber);
}

QPixmap draw(ChartIcon which, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kGrid, size / kGrid);
    switch (which) {
        case ChartIcon::Bars2D:
            bars2d(p);
            break;
        case ChartIcon::Bars3D:
            bars3d(p);
            break;
        case ChartIcon::Individual:
            individual(p);
            break;
        case ChartIcon::Logarithm:
            logarithm(p);
            break;
        case ChartIcon::Settings:
            gear(p);
            break;
        case ChartIcon::Window:
            window(p);
            break;
    }
    return pixmap;
}

}  // namespace

QIcon chartIcon(ChartIcon which) {
    QIcon icon;
    for (int size : {16, 20, 24, 32, 40, 48, 64}) icon.addPixmap(draw(which, size));
    return icon;
}

}  // namespace zephal::ui

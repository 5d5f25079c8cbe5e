// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>
#include <functional>

namespace zephal::ui::icons {
namespace {

// Pictures are drawn on a 24 x 24 grid, scaled to whatever size and device-pixel ratio the
// icon is asked for, with outlines one device pixel wide whatever the size. Nothing is drawn
// until a toolbar asks for it.
using Picture = std::function<void(QPainter&, const QPen& outline)>;

class PaintedIcon final : public QIconEngine {
public:
    explicit PaintedIcon(Picture picture) : m_picture(std::move(picture)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const double side = std::min(rect.width(), rect.height());
        const double devicePixels = side * painter->device()->devicePixelRatioF();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        if (mode == QIcon::Disabled) painter->setOpacity(0.4);
        painter->translate(rect.x() + (rect.width() - side) / 2,
                           rect.y() + (rect.height() - side) / 2);
        painter->scale(side / 24.0, side / 24.0);
        QPen outline(Qt::black, std::max(1.0, devicePixels / 24.0));
        outline.setCosmetic(true);
        outline.setJoinStyle(Qt::RoundJoin);
        m_picture(*painter, outline);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return pixmap;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    bool isNull() override { return false; }
    QIconEngine* clone() const override { return new PaintedIcon(m_picture); }

private:
    Picture m_picture;
};

QIcon render(Picture picture) {
    return QIcon(new PaintedIcon(std::move(picture)));
}

QPen tinted(QPen pen, const QColor& color) {
    pen.setColor(color);
    return pen;
}

}  // namespace

QIcon openFile() {
    return render([](QPainter& p, const QPen& outline) {
        p.setPen(tinted(outline, QColor(0x8a, 0x62, 0x14)));
        QPainterPath back;
        back.moveTo(2.5, 5);
        back.lineTo(9, 5);
        back.lineTo(11, 7.5);
        back.lineTo(21.5, 7.5);
        back.lineTo(21.5, 19.5);
        back.lineTo(2.5, 19.5);
        back.closeSubpath();
        p.setBrush(QColor(0xd9, 0xa3, 0x3a));
        p.drawPath(back);
        const QPointF front[] = {{2.5, 19.5}, {5.5, 10.5}, {23, 10.5}, {20.5, 19.5}};
        p.setBrush(QColor(0xf6, 0xd0, 0x6e));
        p.drawPolygon(front, 4);
    });
}

QIcon settings() {
    return render([](QPainter& p, const QPen& outline) {
        const QPointF centre(12, 12);
        QPainterPath gear;
        gear.addEllipse(centre, 7.5, 7.5);
        for (int tooth = 0; tooth < 8; ++tooth) {
            QPainterPath bar;
            bar.addRoundedRect(QRectF(-2.2, -11, 4.4, 5), 1, 1);
            const QTransform turn = QTransform().translate(12, 12).rotate(45.0 * tooth);
            gear = gear.united(turn.map(bar));
        }
        QPainterPath hole;
        hole.addEllipse(centre, 3.2, 3.2);
        p.setPen(tinted(outline, QColor(0x3b, 0x47, 0x54)));
        p.setBrush(QColor(0x70, 0x80, 0x92));
        p.drawPath(gear.subtracted(hole));
    });
}

QIcon help() {
    return render([](QPainter& p, const QPen& outline) {
        p.setPen(tinted(outline, QColor(0x1d, 0x4f, 0x8f)));
        p.setBrush(QColor(0x2f, 0x74, 0xc8));
        p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
        QFont font;
        font.setBold(true);
        font.setPixelSize(16);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0.5, 24, 24), Qt::AlignCenter, QStringLiteral("?"));
    });
}

QIcon clipboard() {
    return render([](QPainter& p, const QPen& outline) {
        p.setPen(tinted(outline, QColor(0x6e, 0x4a, 0x20)));
        p.setBrush(QColor(0xb0, 0x7a, 0x3c));
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 19), 1.5, 1.5);
        p.setPen(tinted(outline, QColor(0x90, 0x90, 0x90)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 6.5, 12, 14));
        p.setPen(tinted(outline, QColor(0x6a, 0x86, 0xa8)));
        for (double y : {10.5, 13.5, 16.5}) p.drawLine(QPointF(8, y), QPointF(16, y));
        p.setPen(tinted(outline, QColor(0x55, 0x5d, 0x66)));
        p.setBrush(QColor(0xc8, 0xcd, 0xd3));
        p.drawRoundedRect(QRectF(8, 1.5, 8, 4), 1, 1);
    });
}

QIcon chart() {
    return render([](QPainter& p, const QPen& outline) {
        const struct {
            QRectF bar;
            QColor fill;
        } bars[] = {{{5, 13, 4.5, 8}, QColor(0xe0, 0x55, 0x3f)},
                    {{10.75, 8, 4.5, 13}, QColor(0x3f, 0x8f, 0xd6)},
                    {{16.5, 3.5, 4.5, 17.5}, QColor(0x4c, 0xaf, 0x50)}};
        for (const auto& b : bars) {
            p.setPen(tinted(outline, b.fill.darker(150)));
            p.setBrush(b.fill);
            p.drawRect(b.bar);
        }
        p.setPen(tinted(outline, QColor(0x40, 0x40, 0x40)));
        p.drawLine(QPointF(2.5, 2.5), QPointF(2.5, 21.5));
        p.drawLine(QPointF(2.5, 21.5), QPointF(22.5, 21.5));
    });
}

}  // namespace zephal::ui::icons

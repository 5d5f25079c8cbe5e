// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace zephal::ui {
namespace {

// Where a widget was placed: its twips, the pixel origin they count from, and the pixels they
// were turned into. Kept in one property, so placing a widget sends it one property event.
struct Placement {
    QRect twips;
    QPoint origin;
    QRect applied;
};

}  // namespace
}  // namespace zephal::ui

Q_DECLARE_METATYPE(zephal::ui::Placement)

namespace zephal::ui {
namespace {

constexpr const char* kPlacement = "zephalTwips";
constexpr const char* kWindowSize = "zephalWindowTwips";
constexpr const char* kWindowApplied = "zephalWindowPixels";

Placement placement(const QWidget* widget) {
    return widget->property(kPlacement).value<Placement>();
}

// The remembered twips hold only while the pixels are still those they were turned into;
// after a move or resize by the user, the pixels are the truth.
void place(QWidget* widget, const QRect& tw, QPoint origin) {
    const double scale = pixelsPerTwip();
    const auto px = [scale](int twips) { return static_cast<int>(std::lround(twips * scale)); };
    widget->setGeometry(origin.x() + px(tw.left()), origin.y() + px(tw.top()),
                        std::max(px(tw.width()), 0), std::max(px(tw.height()), 0));
    widget->setProperty(kPlacement, QVariant::fromValue(Placement{tw, origin, widget->geometry()}));
}

QSize windowSize(const QWidget* window) {
    const QVariant stored = window->property(kWindowSize);
    if (stored.isValid() && window->property(kWindowApplied).toSize() == window->size()) {
        return stored.toSize();
    }
    return {int(std::lround(toTwips(window->width()))) + kFrameWidthTw,
            int(std::lround(toTwips(window->height()))) + kFrameHeightTw};
}

}  // namespace

double pixelsPerTwip() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi / 1440.0;
}

int toPixels(double twips) {
    return static_cast<int>(std::lround(twips * pixelsPerTwip()));
}

double toTwips(int pixels) {
    return pixels / pixelsPerTwip();
}

void setGeometryTw(QWidget* widget, const QRect& twips, QPoint pixelOrigin) {
    place(widget, twips, pixelOrigin);
}

QRect geometryTw(const QWidget* widget) {
    const QVariant stored = widget->property(kPlacement);
    const Placement p = stored.value<Placement>();
    if (stored.isValid() && p.applied == widget->geometry()) return p.twips;
    const QRect px = widget->geometry().translated(-p.origin);
    return {int(std::lround(toTwips(px.x()))), int(std::lround(toTwips(px.y()))),
            int(std::lround(toTwips(px.width()))), int(std::lround(toTwips(px.height())))};
}

// Changes one side of a widget's twips geometry and places it again from the same origin.
template <class Change>
void changeTw(QWidget* widget, Change change) {
    QRect tw = geometryTw(widget);
    change(tw);
    setGeometryTw(widget, tw, placement(widget).origin);
}

void setLeftTw(QWidget* widget, int left) {
    changeTw(widget, [left](QRect& tw) { tw.moveLeft(left); });
}

void setTopTw(QWidget* widget, int top) {
    changeTw(widget, [top](QRect& tw) { tw.moveTop(top); });
}

void setWidthTw(QWidget* widget, int width) {
    changeTw(widget, [width](QRect& tw) { tw.setWidth(width); });
}

void setHeightTw(QWidget* widget, int height) {
    changeTw(widget, [height](QRect& tw) { tw.setHeight(height); });
}

void setWindowSizeTw(QWidget* window, int width, int height) {
    const QSize pixels(std::max(toPixels(width - kFrameWidthTw), 1),
                       std::max(toPixels(height - kFrameHeightTw), 1));
    window->setProperty(kWindowSize, QSize(width, height));
    // Resize events are sent from inside resize(): the window's own handler reads these twips.
    window->setProperty(kWindowApplied, pixels);
    window->resize(pixels);
    window->setProperty(kWindowApplied, window->size());
}

void setWindowWidthTw(QWidget* window, int width) {
    setWindowSizeTw(window, width, windowSize(window).height());
}

void setWindowHeightTw(QWidget* window, int height) {
    setWindowSizeTw(window, windowSize(window).width(), height);
}

int windowWidthTw(const QWidget* window) {
    return windowSize(window).width();
}

int windowHeightTw(const QWidget* window) {
    return windowSize(window).height();
}

}  // namespace zephal::ui

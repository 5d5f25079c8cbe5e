#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace zephal::ui {
namespace {

constexpr const char* kGeometry = "zephalTwips";
constexpr const char* kOrigin = "zephalTwipsOrigin";
constexpr const char* kApplied = "zephalTwipsPixels";
constexpr const char* kWindowSize = "zephalWindowTwips";
constexpr const char* kWindowApplied = "zephalWindowPixels";

// The remembered twips hold only while the pixels are still those they were turned into;
// after a move or resize by the user, the pixels are the truth.
void apply(QWidget* widget, const QRect& tw) {
    const QPoint origin = widget->property(kOrigin).toPoint();
    const QRect px(origin.x() + toPixels(tw.left()), origin.y() + toPixels(tw.top()),
                   std::max(toPixels(tw.width()), 0), std::max(toPixels(tw.height()), 0));
    widget->setGeometry(px);
    widget->setProperty(kApplied, widget->geometry());
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

int toPixels(double twips) { return static_cast<int>(std::lround(twips * pixelsPerTwip())); }

double toTwips(int pixels) { return pixels / pixelsPerTwip(); }

void setGeometryTw(QWidget* widget, const QRect& twips, QPoint pixelOrigin) {
    widget->setProperty(kGeometry, twips);
    widget->setProperty(kOrigin, pixelOrigin);
    apply(widget, twips);
}

QRect geometryTw(const QWidget* widget) {
    const QVariant stored = widget->property(kGeometry);
    if (stored.isValid() && widget->property(kApplied).toRect() == widget->geometry()) {
        return stored.toRect();
    }
    const QPoint origin = widget->property(kOrigin).toPoint();
    const QRect px = widget->geometry().translated(-origin);
    return {int(std::lround(toTwips(px.x()))), int(std::lround(toTwips(px.y()))),
            int(std::lround(toTwips(px.width()))), int(std::lround(toTwips(px.height())))};
}

void setLeftTw(QWidget* widget, int left) {
    QRect tw = geometryTw(widget);
    tw.moveLeft(left);
    setGeometryTw(widget, tw, widget->property(kOrigin).toPoint());
}

void setTopTw(QWidget* widget, int top) {
    QRect tw = geometryTw(widget);
    tw.moveTop(top);
    setGeometryTw(widget, tw, widget->property(kOrigin).toPoint());
}

void setWidthTw(QWidget* widget, int width) {
    QRect tw = geometryTw(widget);
    tw.setWidth(width);
    setGeometryTw(widget, tw, widget->property(kOrigin).toPoint());
}

void setHeightTw(QWidget* widget, int height) {
    QRect tw = geometryTw(widget);
    tw.setHeight(height);
    setGeometryTw(widget, tw, widget->property(kOrigin).toPoint());
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

int windowWidthTw(const QWidget* window) { return windowSize(window).width(); }

int windowHeightTw(const QWidget* window) { return windowSize(window).height(); }

}  // namespace zephal::ui

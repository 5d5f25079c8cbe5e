// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_fit.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include "ui/twips.h"

namespace zephal::ui {
namespace {

// What the window manager adds round the client area: known once the window has been shown
// with its frame, else the title bar's height that the twips geometry allows for.
QSize frameExtra(const QWidget* window) {
    const QSize known = window->frameGeometry().size() - window->size();
    return {std::max(known.width(), toPixels(kFrameWidthTw)),
            std::max(known.height(), toPixels(kFrameHeightTw))};
}

}  // namespace

QScrollArea* scrollingArea(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(false);
    area->setWidget(content);
    // The content is drawn on whatever colour the window has.
    content->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
        if (now && area->widget() && area->widget()->isAncestorOf(now)) {
            area->ensureWidgetVisible(now, 0, 0);
        }
    });
    return area;
}

bool limitToScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return false;
    const QSize room = screen->availableGeometry().size() - frameExtra(window);
    const int bar = window->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize size = window->size();
    // Room for the scroll bar that the other direction will need.
    if (size.height() > room.height()) size.rwidth() += bar;
    if (size.width() > room.width()) size.rheight() += bar;
    size = size.boundedTo(room);
    if (size == window->size()) return false;
    window->resize(size);
    return true;
}

}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/focus_mark.h"

#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>

#include "ui/controls.h"

namespace zephal::ui {
namespace {

constexpr const char* kMarkName = "zephalFocusMark";
constexpr int kMarkWidth = 2;

// Lets the control paint itself, then draws the frame over it while it has the focus. Made a
// child of the control, so it goes with it.
class FocusMark final : public QObject {
public:
    explicit FocusMark(QWidget* widget) : QObject(widget) {
        setObjectName(QString::fromLatin1(kMarkName));
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* widget = static_cast<QWidget*>(watched);
        // The control's own painting first: an event sent straight to it passes no filter.
        static_cast<QObject*>(widget)->event(event);
        if (widget->hasFocus()) paint(widget);
        return true;
    }

private:
    static void paint(QWidget* widget) {
        QRect frame = widget->rect();
        QPalette::ColorRole back = QPalette::Window;
        // A push button's bevel and a tab's outline stay outside the frame; round a tool button
        // it keeps off the picture, and it leaves a scroll bar's arrows whole.
        int inset = qobject_cast<const QToolButton*>(widget) ? 0 : 1;
        if (const auto* bar = qobject_cast<const QTabBar*>(widget)) {
            if (bar->currentIndex() < 0) return;
            frame = bar->tabRect(bar->currentIndex());
            inset = 3;
        } else if (qobject_cast<const QPushButton*>(widget)) {
            back = QPalette::Button;
            inset = 3;
        } else if (qobject_cast<const QScrollBar*>(widget)) {
            back = QPalette::Button;  // the bar's own face, whatever the window's colour
        }
        frame.adjust(inset, inset, -inset, -inset);
        if (frame.width() <= 2 * kMarkWidth || frame.height() <= 2 * kMarkWidth) return;

        const QPalette& palette = widget->palette();
        const QColor color = toQColor(focusMarkColor(
            fromQColor(palette.color(back)), fromQColor(palette.color(QPalette::Highlight))));
        QPainter painter(widget);
        QPen pen(color, kMarkWidth);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // The pen is centred on the path: half a pen inside the frame keeps all of it inside.
        const double half = kMarkWidth / 2.0;
        painter.drawRect(QRectF(frame).adjusted(half, half, -half, -half));
    }
};

}  // namespace

void showFocusMark(QWidget* widget) {
    if (!hasFocusMark(widget)) new FocusMark(widget);
}

bool hasFocusMark(const QWidget* widget) {
    return widget->findChild<QObject*>(QString::fromLatin1(kMarkName),
                                       Qt::FindDirectChildrenOnly) != nullptr;
}

}  // namespace zephal::ui

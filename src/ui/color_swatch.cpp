// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/color_swatch.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "ui/controls.h"

namespace zephal::ui {
namespace {

// To a screen reader the patch is the button it works as, pressed as a click presses it.
class SwatchAccessible final : public QAccessibleWidget {
public:
    explicit SwatchAccessible(ColorSwatch* swatch)
        : QAccessibleWidget(swatch, QAccessible::Button) {}
    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            static_cast<ColorSwatch*>(widget())->press();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }
};

QAccessibleInterface* swatchInterface(const QString&, QObject* object) {
    auto* swatch = qobject_cast<ColorSwatch*>(object);
    return swatch ? new SwatchAccessible(swatch) : nullptr;
}

}  // namespace

ColorSwatch::ColorSwatch(QWidget* parent) : QFrame(parent) {
    QAccessible::removeFactory(swatchInterface);
    QAccessible::installFactory(swatchInterface);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setColor(0);
}

void ColorSwatch::setColor(std::uint32_t rgb) {
    setBackColor(this, rgb);
    update();
}

std::uint32_t ColorSwatch::color() const {
    return backColor(this);
}

void ColorSwatch::press() {
    emit clicked();
}

void ColorSwatch::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event) {
    // As with a button: the click counts only where it was pressed and released on the patch.
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click) press();
}

void ColorSwatch::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            press();
            return;
        default:
            QFrame::keyPressEvent(event);
    }
}

void ColorSwatch::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (!hasFocus()) return;
    // The patch is too small for a dotted rectangle inside; a contrasting outline shows focus.
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace zephal::ui

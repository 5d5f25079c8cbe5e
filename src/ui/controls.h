// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small operations on Qt widgets that the windows share: background colours as 24-bit RGB
// values with red in the low byte.

#include <QPalette>
#include <QWidget>
#include <cstdint>

#include "ui/dialogs.h"

namespace zephal::ui {

inline void setBackColor(QWidget* widget, std::uint32_t rgb) {
    QPalette palette = widget->palette();
    const QColor color = toQColor(rgb);
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline std::uint32_t backColor(const QWidget* widget, QPalette::ColorRole role = QPalette::Window) {
    return fromQColor(widget->palette().color(role));
}

}  // namespace zephal::ui

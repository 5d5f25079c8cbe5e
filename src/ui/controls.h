// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small operations on Qt widgets that the windows share: background colours as 24-bit RGB
// values with red in the low byte, each with a text colour that reads on it.

#include <QGuiApplication>
#include <QPalette>
#include <QWidget>
#include <cstdint>

#include "ui/dialogs.h"
#include "ui/text_colors.h"

namespace zephal::ui {

// The colour scheme's own colour for the text role where it reads on `background`, otherwise
// black or white.
inline QColor readableText(const QColor& background, QPalette::ColorRole textRole) {
    const QColor scheme = QGuiApplication::palette().color(textRole);
    return toQColor(readableTextColor(fromQColor(background), fromQColor(scheme)));
}

// Sets the background role and the text role that is drawn on it.
inline void setColorWithText(QPalette& palette, QPalette::ColorRole backRole,
                             QPalette::ColorRole textRole, const QColor& color) {
    palette.setColor(backRole, color);
    palette.setColor(textRole, readableText(color, textRole));
}

inline void setBackColor(QWidget* widget, std::uint32_t rgb) {
    QPalette palette = widget->palette();
    const QColor color = toQColor(rgb);
    setColorWithText(palette, QPalette::Window, QPalette::WindowText, color);
    setColorWithText(palette, QPalette::Button, QPalette::ButtonText, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Some colour schemes leave a field's placeholder text close to the field's colour (a dark
// scheme read from a desktop's settings may give near-black on near-black): there it is drawn
// nearer the scheme's text colour, by as much as makes it read.
inline void makePlaceholderTextReadable() {
    QPalette palette = QGuiApplication::palette();
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const auto over = [&base](const QColor& c, double share) {
        return QColor::fromRgbF(c.redF() * share + base.redF() * (1 - share),
                                c.greenF() * share + base.greenF() * (1 - share),
                                c.blueF() * share + base.blueF() * (1 - share));
    };
    const auto reads = [&base](const QColor& c) {
        return contrastRatio(fromQColor(c), fromQColor(base)) >= kReadableContrast;
    };
    const QColor placeholder = palette.color(QPalette::PlaceholderText);
    if (reads(over(placeholder, placeholder.alphaF()))) return;
    for (const double share : {0.6, 0.7, 0.8, 0.9, 1.0}) {
        if (reads(over(text, share)) || share == 1.0) {
            palette.setColor(QPalette::PlaceholderText, over(text, share));
            break;
        }
    }
    QGuiApplication::setPalette(palette);
}

inline std::uint32_t backColor(const QWidget* widget, QPalette::ColorRole role = QPalette::Window) {
    return fromQColor(widget->palette().color(role));
}

}  // namespace zephal::ui

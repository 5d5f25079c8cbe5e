// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fonts.h"

namespace zephal::ui::fonts {

void registerSubstitutes() {
    QFont::insertSubstitution(kTimesNewRoman, QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(kMsPGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(kMsMincho, QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(kComicSans, QStringLiteral("Comic Neue"));
}

QFont font(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

}  // namespace zephal::ui::fonts

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The font names the windows use, and the installed fonts that stand in for them.

#include <QFont>
#include <QString>

namespace zephal::ui::fonts {

inline const QString kTimesNewRoman = QStringLiteral("Times New Roman");
inline const QString kMsPGothic = QString::fromUtf8("ＭＳ Ｐゴシック");
inline const QString kMsMincho = QString::fromUtf8("ＭＳ 明朝");
inline const QString kComicSans = QStringLiteral("Comic Sans MS");

// Maps each name above to its stand-in; call once after the QApplication exists.
void registerSubstitutes();

QFont font(const QString& family, double points, bool bold = false);

}  // namespace zephal::ui::fonts

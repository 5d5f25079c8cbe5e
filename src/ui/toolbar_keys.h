// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Toolbar commands from the keyboard: every button is a stop of the Tab key, Space and Enter
// press it, and the frequent commands have keys of their own, named in their tool tips.

#include <QKeySequence>
#include <QString>

class QAction;
class QToolBar;

namespace zephal::ui {

// Every button of `toolbar` is reached by Tab and Shift+Tab, pressed by Space and by Enter, and
// shows a focus mark. A click still leaves the keyboard where it was.
void reachByKeys(QToolBar* toolbar);

// `key` triggers `action` while its window is in front, or with Qt::ApplicationShortcut while
// any window of the program is. The button's tool tip and accessible description name the key.
// A focused control that uses the key itself (a text box's Ctrl+C) keeps it.
void setCommandKey(QToolBar* toolbar, QAction* action, const QKeySequence& key,
                   Qt::ShortcutContext context = Qt::WindowShortcut);

// The tip and the key as the desktop writes it: "Open the data file (*.zep). (Ctrl+O)".
QString tipWithKey(const QString& tip, const QKeySequence& key);

}  // namespace zephal::ui

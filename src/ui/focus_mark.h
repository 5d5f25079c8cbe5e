// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A frame drawn inside a control while it holds the keyboard focus, so that a keyboard user
// sees at a glance where the keys go. Styles draw their own focus marks faintly or not at all
// (a scroll bar, a tool button, a button painted in a colour of the display settings); this one
// is two pixels wide, in the colour scheme's highlight where that stands out on the control's
// own colour, and in black or white where it does not. A tab bar gets the frame round its
// current tab.

class QWidget;

namespace zephal::ui {

// From now on, `widget` shows the frame whenever it has the focus; it keeps its own look.
void showFocusMark(QWidget* widget);

// Whether `widget` draws the frame (for tests).
bool hasFocusMark(const QWidget* widget);

}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows that stay on their screen. A window asks for the size its contents are laid out in;
// where the screen's available area (less the task bar, at the screen's scale) is smaller, the
// window is limited to it and the part of its contents that no longer fits scrolls.

class QScrollArea;
class QWidget;

namespace zephal::ui {

// A scroll area without a frame of its own that shows `content` at the content's own size, is
// no stop of the Tab key itself, and scrolls whatever inside it takes the keyboard focus into
// view.
QScrollArea* scrollingArea(QWidget* content, QWidget* parent);

// Limits the window, frame included, to the available area of its screen. Where its height is
// limited it first grows by the width of a vertical scroll bar, and where its width is limited by
// the height of a horizontal one, as far as the screen allows, so that the bars cover none of
// the contents. Returns whether it was limited.
bool limitToScreen(QWidget* window);

}  // namespace zephal::ui

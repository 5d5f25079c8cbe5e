// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Positions and sizes stay in twips (1/1440 inch) in the windows' code. A widget placed through
// these functions remembers its twips geometry, so reading it back is exact; the pixels follow
// from the screen's logical resolution (15 twips a pixel at 96 dpi).

#include <QPoint>
#include <QRect>

class QWidget;

namespace zephal::ui {

// Room that a top-level window's title bar and borders take, in twips: the outer size of a
// window less this is its client area. The side borders are drawn outside the client width
// by the window manager here, so only the title bar's height is taken off.
inline constexpr int kFrameWidthTw = 0;
inline constexpr int kFrameHeightTw = 450;

double pixelsPerTwip();
int toPixels(double twips);
double toTwips(int pixels);

// Geometry of a child widget, relative to its container; `pixelOrigin` is where the twips
// origin lies in the parent's pixel coordinates (for a tab page, the page's offset inside the
// tab control, since positions on a page count from the tab control's top left).
void setGeometryTw(QWidget* widget, const QRect& twips, QPoint pixelOrigin = {});
QRect geometryTw(const QWidget* widget);
void setLeftTw(QWidget* widget, int left);
void setTopTw(QWidget* widget, int top);
void setWidthTw(QWidget* widget, int width);
void setHeightTw(QWidget* widget, int height);

// Outer size of a top-level window; its client area is the outer size less the frame.
void setWindowSizeTw(QWidget* window, int width, int height);
void setWindowWidthTw(QWidget* window, int width);
void setWindowHeightTw(QWidget* window, int height);
int windowWidthTw(const QWidget* window);
int windowHeightTw(const QWidget* window);

}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Geometry of the main window's grid of quantity buttons after a read, in twips, worked out
// from the tables alone so that the window only applies it.

#include <vector>

#include "app/app_state.h"

namespace zephal {

inline constexpr int kGridTabLeft = 90;
inline constexpr int kGridTabTop = 510;
inline constexpr int kGridButtonLeft = 200;
inline constexpr int kGridRowPitch = 540;  // the top of row c is 540 * (c + 1)
inline constexpr int kGridButtonHeight = 350;
inline constexpr int kGridWindowHeight = 7000;
inline constexpr int kGridTabHeight = 5940;

struct GridLayout {
    int tabCount = 0;              // tabs of the tab control: Tmax
    std::vector<bool> tabVisible;  // per tab 0 .. tabCount - 1
    int visibleTabs = 0;           // v, also the tabs per row
    int lastFilledTab = -1;        // tabs 0 .. this one get captions and buttons
    int windowWidth = 0;
    int tabWidth = 0;
    int buttonWidth = 0;
    int longestColumn = 0;  // m, the most commands in one tab
    int windowHeight = 0;
    int tabHeight = 0;
};

GridLayout computeGridLayout(const AppState& state);

// The widths widened where the tab row is too narrow for every tab caption to read whole:
// `captionsWidth` twips of tab control, and the window and the buttons as much wider.
GridLayout widenForCaptions(GridLayout g, int captionsWidth);

// Top of the button of row c within the tab control.
constexpr int gridButtonTop(int c) {
    return kGridRowPitch * (c + 1);
}

// Button number of command c of tab t, and its inverse.
constexpr int buttonNumber(int t, int c) {
    return 20 * t + c + 1;
}
constexpr int tabOfButton(int k) {
    return (k - 1) / 20;
}
constexpr int commandOfButton(int k) {
    return (k - 1) % 20;
}

}  // namespace zephal

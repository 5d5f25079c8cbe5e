// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grid_layout.h"

#include <algorithm>

namespace zephal {
namespace {
int buttonWidthIn(int tabWidth) {
    return tabWidth - (kGridTabLeft + 400);
}
}  // namespace

GridLayout computeGridLayout(const AppState& state) {
    GridLayout g;
    g.tabCount = std::max<int>(state.Tmax, 0);
    g.tabVisible.resize(static_cast<std::size_t>(g.tabCount));
    for (int t = 0; t < g.tabCount; ++t) {
        const bool visible = state.tables.TabItems(t).Count > 0;
        g.tabVisible[static_cast<std::size_t>(t)] = visible;
        g.visibleTabs += visible ? 1 : 0;
    }
    g.windowWidth = g.visibleTabs > 3 ? 3400 + 800 * (g.visibleTabs - 3) : 3400;
    g.tabWidth = g.windowWidth - 2 * kGridTabLeft;
    g.buttonWidth = buttonWidthIn(g.tabWidth);

    g.lastFilledTab = std::min<int>(state.UTn, state.Tmax) - 1;
    for (int t = 0; t <= g.lastFilledTab; ++t) {
        g.longestColumn = std::max<int>(g.longestColumn, state.tables.TabItems(t).Count);
    }
    if (g.longestColumn > 10) {
        g.windowHeight = kGridRowPitch * g.longestColumn + 1600;
        g.tabHeight = kGridRowPitch * g.longestColumn + 540;
    } else {
        g.windowHeight = kGridWindowHeight;
        g.tabHeight = kGridTabHeight;
    }
    return g;
}

GridLayout widenForCaptions(GridLayout g, int captionsWidth) {
    if (captionsWidth <= g.tabWidth) return g;
    g.tabWidth = captionsWidth;
    g.windowWidth = g.tabWidth + 2 * kGridTabLeft;
    g.buttonWidth = buttonWidthIn(g.tabWidth);
    return g;
}

}  // namespace zephal

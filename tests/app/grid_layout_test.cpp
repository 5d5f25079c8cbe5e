// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/grid_layout.h"

#include <gtest/gtest.h>

namespace zephal {
namespace {

// Tables whose tab t holds counts[t] commands.
AppState withCounts(const std::vector<int>& counts) {
    AppState s;
    s.Tmax = 10;
    s.ResetTables();
    s.UTn = static_cast<std::int16_t>(counts.size());
    for (std::size_t t = 0; t < counts.size(); ++t) {
        s.tables.editTabItems(int(t)).Count = static_cast<std::int16_t>(counts[t]);
    }
    return s;
}

TEST(GridLayout, FiveTabsOfAtMostFourteenCommands) {
    const GridLayout g = computeGridLayout(withCounts({3, 14, 1, 2, 5}));
    EXPECT_EQ(g.visibleTabs, 5);
    EXPECT_EQ(g.windowWidth, 5000);
    EXPECT_EQ(g.tabWidth, 4820);
    EXPECT_EQ(g.buttonWidth, 4330);
    EXPECT_EQ(g.windowHeight, 9160);
    EXPECT_EQ(g.tabHeight, 8100);
    EXPECT_EQ(gridButtonTop(13), 7560);
}

TEST(GridLayout, WidthFollowsTheVisibleTabs) {
    EXPECT_EQ(computeGridLayout(withCounts({1, 1, 1})).windowWidth, 3400);
    EXPECT_EQ(computeGridLayout(withCounts({1})).windowWidth, 3400);
    EXPECT_EQ(computeGridLayout(withCounts({1, 1, 1, 1})).windowWidth, 4200);
    EXPECT_EQ(computeGridLayout(withCounts(std::vector<int>(10, 1))).windowWidth, 9000);
}

TEST(GridLayout, WiderOnlyWhereTheCaptionsNeedIt) {
    const GridLayout g = computeGridLayout(withCounts(std::vector<int>(8, 1)));  // 7400 wide
    const struct {
        const char* name;
        int captions;
        int window, tab, button;
    } rows[] = {{"captions fit", 7000, 7400, 7220, 6730},
                {"captions need 135 twips more", 7355, 7535, 7355, 6865}};
    for (const auto& r : rows) {
        const GridLayout wide = widenForCaptions(g, r.captions);
        EXPECT_EQ(std::vector<int>({wide.windowWidth, wide.tabWidth, wide.buttonWidth}),
                  std::vector<int>({r.window, r.tab, r.button}))
            << r.name;
    }
}

TEST(GridLayout, HeightFollowsTheLongestColumn) {
    EXPECT_EQ(computeGridLayout(withCounts({10})).windowHeight, 7000);
    EXPECT_EQ(computeGridLayout(withCounts({10})).tabHeight, 5940);
    EXPECT_EQ(computeGridLayout(withCounts({11})).windowHeight, 7540);
    const GridLayout full = computeGridLayout(withCounts({20}));
    EXPECT_EQ(full.windowHeight, 12400);
    EXPECT_EQ(full.tabHeight, 11340);
}

TEST(GridLayout, EmptyTabsAreHiddenAndNotCounted) {
    const GridLayout g = computeGridLayout(withCounts({2, 0, 4}));
    EXPECT_EQ(g.visibleTabs, 2);
    EXPECT_EQ(g.tabVisible, std::vector<bool>({true, false, true, false, false, false, false, false,
                                               false, false}));
}

TEST(GridLayout, RejectedTabsRaiseUTnButNeverPassTheMaximum) {
    AppState s = withCounts(std::vector<int>(10, 1));
    s.UTn = 12;
    s.tables.editTabItems(9).Count = 15;
    const GridLayout g = computeGridLayout(s);
    EXPECT_EQ(g.lastFilledTab, 9);
    EXPECT_EQ(g.longestColumn, 15);
}

TEST(GridLayout, NoTabWithCommands) {
    const GridLayout g = computeGridLayout(withCounts({}));
    EXPECT_EQ(g.visibleTabs, 0);
    EXPECT_EQ(g.lastFilledTab, -1);
    EXPECT_EQ(g.windowWidth, 3400);
}

}  // namespace
}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_state.h"

#include <gtest/gtest.h>

namespace zephal {
namespace {

AppState filled(int tabs) {
    AppState s;
    s.Tmax = static_cast<std::int16_t>(tabs);
    s.ResetTables();
    for (int t = 0; t < tabs; ++t) {
        s.tables.editTabItems(t) = {QStringLiteral("Tab %1").arg(t), 1};
        s.tables.editCommandItems(19, t) = {QStringLiteral("Q%1").arg(t), 3, 20};
        s.tables.editFunctionItems(19, 19, t) = {QStringLiteral("u%1").arg(t), float(t) + 0.5f};
    }
    return s;
}

TEST(AppState, FreshStateAndResetTables) {
    AppState s;
    EXPECT_EQ(s.ChartShown, 0);
    EXPECT_EQ(s.WindowCount, 0);
    EXPECT_FALSE(s.PlotColor.has_value());
    EXPECT_FALSE(s.UnitCommandColor.has_value());
    EXPECT_TRUE(s.ChartValues.empty());

    s = filled(10);
    s.UTn = 7;
    ASSERT_TRUE(s.ResetTables());
    EXPECT_EQ(s.UTn, 0);
    EXPECT_EQ(s.tables.tabCount(), 10);  // 10 tabs, 200 commands, 4000 function items
    EXPECT_EQ(s.tables.TabItems(3).Name, QString());
    EXPECT_EQ(s.tables.CommandItems(19, 9).Count, 0);
    EXPECT_EQ(s.tables.FunctionItems(19, 19, 9).Factor, 0.0f);

    s.Tmax = 0;
    EXPECT_FALSE(s.ResetTables());
    EXPECT_EQ(s.tables.tabCount(), 10);
}

TEST(AppState, ResizeKeepsContents) {
    AppState s = filled(10);
    s.UTn = 10;
    s.tables.resizeKeepingContents(12);
    EXPECT_EQ(s.tables.tabCount(), 12);
    for (int t = 0; t < 10; ++t) {
        EXPECT_EQ(s.tables.TabItems(t).Name, QStringLiteral("Tab %1").arg(t));
        EXPECT_EQ(s.tables.CommandItems(19, t).BaseIndex, 3);
        EXPECT_EQ(s.tables.FunctionItems(19, 19, t).Factor, float(t) + 0.5f);
    }
    EXPECT_EQ(s.tables.TabItems(11).Count, 0);
    EXPECT_EQ(s.UTn, 10);

    s.tables.resizeKeepingContents(5);
    EXPECT_EQ(s.tables.tabCount(), 5);
    EXPECT_EQ(s.tables.TabItems(4).Name, "Tab 4");
    s.tables.resizeKeepingContents(10);
    EXPECT_EQ(s.tables.TabItems(7).Name, QString());  // dropped tabs come back fresh
}

TEST(AppState, ReadingOutsideTheTablesGivesFreshRecords) {
    const AppState s = filled(2);
    EXPECT_EQ(s.tables.TabItems(5).Count, 0);
    EXPECT_EQ(s.tables.CommandItems(25, 0).Name, QString());
    EXPECT_EQ(s.tables.FunctionItems(0, -1, 0).Factor, 0.0f);
}

}  // namespace
}  // namespace zephal

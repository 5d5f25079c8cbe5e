// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "settings/command_color.h"
#include "settings/max_tabs.h"

namespace zephal {
namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | g << 8 | b << 16;
}

TEST(CommandColor, ComponentsRoundHalvesToEvenAndCapAt255) {
    const struct {
        float r, g, b;
        CommandShade shade;
        std::uint32_t expected;
    } rows[] = {
        {0, 0, 0, CommandShade::Light, rgb(128, 128, 128)},
        {0.5f, 0.25f, 0.75f, CommandShade::Light, rgb(192, 160, 224)},
        // 128.5 and 129.5: halves go to the even neighbour.
        {0.00390625f, 0.01171875f, 0, CommandShade::Light, rgb(128, 130, 128)},
        // 255.5 rounds to 256, which counts as 255; so does anything above.
        {0.99609375f, 0.9999999f, 0.9921875f, CommandShade::Light, rgb(255, 255, 255)},
        {0, 0.5f, 0.99609375f, CommandShade::Deep, rgb(0, 128, 255)},
        {1.0f / 512, 3.0f / 512, 0.9999999f, CommandShade::Deep, rgb(0, 2, 255)},
        // Red sits in the low byte.
        {0.5f, 0, 0, CommandShade::Deep, rgb(128, 0, 0)},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(commandColor(row.r, row.g, row.b, row.shade), row.expected)
            << row.r << " " << row.g << " " << row.b;
    }
}

TEST(CommandColor, UnseededDrawsRepeatAndLightStaysLight) {
    RandomNumbers first;
    RandomNumbers second;
    bool deepBelowHalf = false;
    for (int i = 0; i < 300; ++i) {
        const std::uint32_t light = randomCommandColor(first, CommandShade::Light);
        EXPECT_EQ(randomCommandColor(second, CommandShade::Light), light);
        for (int shift : {0, 8, 16}) {
            const std::uint32_t c = light >> shift & 0xFF;
            EXPECT_GE(c, 128u);
            EXPECT_LE(c, 255u);
        }
        const std::uint32_t deep = randomCommandColor(first, CommandShade::Deep);
        randomCommandColor(second, CommandShade::Deep);
        deepBelowHalf = deepBelowHalf || (deep & 0xFF) < 128;
    }
    EXPECT_TRUE(deepBelowHalf);
}

TEST(MaxTabs, OnlyWholeNumbersOfTabsFromOneUp) {
    const struct {
        const char* text;
        std::optional<std::int16_t> expected;
    } rows[] = {
        {"10", 10},  {" 7 ", 7}, {"6.5", 6},    {"7.5", 8},  {"1", 1},       {"32767", 32767},
        {"0.6", 1},  {"", {}},   {"  ", {}},    {"abc", {}}, {"12a", {}},    {"0", {}},
        {"0.4", {}}, {"-5", {}}, {"32768", {}}, {"1e9", {}}, {"-32768", {}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(maxTabsFromText(QString::fromLatin1(row.text)), row.expected)
            << '"' << row.text << '"';
    }
}

AppState tenFilledTabs() {
    AppState s;
    s.Tmax = 10;
    s.ResetTables();
    for (int t = 0; t < 10; ++t) {
        s.tables.editTabItems(t) = {QStringLiteral("Tab %1").arg(t), 1};
        s.tables.editCommandItems(0, t) = {QStringLiteral("Q%1").arg(t), 2, 3};
        s.tables.editFunctionItems(0, 2, t) = {QStringLiteral("u%1").arg(t), float(t) + 0.25f};
    }
    s.UTn = 10;
    return s;
}

TEST(MaxTabs, EditsGrowTheTablesAboveThreeAndNeverDropATab) {
    const struct {
        std::int16_t n;
        int tabs;  // table size after the edit, from 10 filled tabs and Tmax 10
    } rows[] = {{12, 12}, {5, 10}, {4, 10}, {3, 10}, {1, 10}, {10, 10}, {32767, 32767}};
    for (const auto& row : rows) {
        AppState s = tenFilledTabs();
        editMaxTabs(s, row.n);
        EXPECT_EQ(s.Tmax, row.n);
        EXPECT_EQ(s.tables.tabCount(), row.tabs) << row.n;
        EXPECT_EQ(s.UTn, 10);
        const int kept = std::min(row.tabs, 10);
        for (int t = 0; t < kept; ++t) {
            EXPECT_EQ(s.tables.TabItems(t).Name, QStringLiteral("Tab %1").arg(t));
            EXPECT_EQ(s.tables.CommandItems(0, t).BaseIndex, 2);
            EXPECT_EQ(s.tables.FunctionItems(0, 2, t).Factor, float(t) + 0.25f);
        }
        for (int t = kept; t < row.tabs; ++t) EXPECT_TRUE(s.tables.TabItems(t).Name.isEmpty());
    }
}

TEST(MaxTabs, EnteringTheMaximumAlreadyHeldChangesNothing) {
    AppState s = tenFilledTabs();
    s.Tmax = 5;  // the tables still hold 10 tabs
    editMaxTabs(s, 5);
    EXPECT_EQ(s.tables.tabCount(), 10);
}

}  // namespace
}  // namespace zephal

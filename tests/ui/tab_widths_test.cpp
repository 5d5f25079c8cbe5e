// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tab_widths.h"

#include <gtest/gtest.h>

namespace zephal::ui {
namespace {

TEST(TabWidths, WholeCaptionsWhereTheRowHoldsThem) {
    const struct {
        const char* name;
        std::vector<int> needed;
        int row;
        std::vector<int> widths;
    } rows[] = {
        {"exactly", {50, 70, 30}, 150, {50, 70, 30}},
        {"room left shared, first ones take the odd pixels", {50, 70, 30}, 155, {52, 72, 31}},
        {"one long caption is the one cut", {20, 20, 200}, 120, {20, 20, 80}},
        {"the shortest stay whole, the rest share", {30, 60, 90, 40}, 160, {30, 45, 45, 40}},
        {"none fits: equal shares", {100, 100, 120}, 100, {34, 33, 33}},
        {"no room", {10, 10}, 0, {0, 0}},
        {"no tabs", {}, 100, {}},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(tabWidths(r.needed, r.row), r.widths) << r.name;
    }
}

}  // namespace
}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/rotation.h"

#include <gtest/gtest.h>

#include <vector>

#include "chart/chart_colors.h"

namespace zephal {

void PrintTo(const ViewAngles& a, std::ostream* out) {
    *out << '(' << a.rotation << ", " << a.elevation << ')';
}
void PrintTo(const RgbComponents& c, std::ostream* out) {
    *out << '(' << c.red << ", " << c.green << ", " << c.blue << ')';
}

namespace {

TEST(RotationSpeed, EverySliderPositionGivesItsInterval) {
    const std::int16_t expected[] = {2000, 1262, 796, 502, 316, 100, 90, 80, 70, 60, 50};
    for (int v = kSpeedSliderMin; v <= kSpeedSliderMax; ++v) {
        EXPECT_EQ(rotationSpeedFromSlider(v), expected[v]) << "position " << v;
    }
    EXPECT_EQ(rotationSpeedFromSlider(kSpeedSliderDefault), 100);
    // Nothing beyond the ends: no overflow, no zero interval that would stop the timer.
    EXPECT_EQ(rotationSpeedFromSlider(-3), 2000);
    EXPECT_EQ(rotationSpeedFromSlider(40), 50);
}

TEST(RotationInterval, TurnsOnlyIn3DWithTheSwitchAndAMovementOn) {
    const struct {
        bool is2D;
        RotationOptions options;
        int expected;
    } rows[] = {
        {false, {}, 0},  // the defaults: master switch off
        {false, {true, true, false}, 100},
        {false, {true, false, true}, 100},
        {false, {true, true, true}, 100},
        {false, {true, false, false}, 0},  // switch on, nothing to move
        {true, {true, true, true}, 0},
        {false, {false, true, true}, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(rotationInterval(row.is2D, row.options, 100), row.expected)
            << row.is2D << row.options.dynamic << row.options.perpendicular
            << row.options.horizontal;
    }
    EXPECT_EQ(rotationInterval(false, {true, true, false}, 50), 50);
}

// The angles handed to the view on each tick, and those kept afterwards, over `ticks` ticks.
struct Turning {
    std::vector<ViewAngles> shown;
    ViewAngles kept;
};
Turning turn(ViewAngles from, bool perpendicular, bool horizontal, int ticks) {
    Turning run{{}, from};
    for (int i = 0; i < ticks; ++i) {
        const ViewAngles shown = steppedAngles(run.kept, perpendicular, horizontal);
        run.shown.push_back(shown);
        run.kept = wrappedAngles(shown);
    }
    return run;
}

TEST(RotationTick, ElevationReaches360AfterThirtyThreeTicksThenRestartsAtTen) {
    const Turning run = turn({}, true, true, 34);
    for (int i = 0; i < 33; ++i) {
        EXPECT_EQ(run.shown[i].elevation, 40 + 10 * i) << "tick " << i + 1;
    }
    EXPECT_EQ(run.shown[32].elevation, 360);
    EXPECT_EQ(run.shown[33].elevation, 10);
    // Rotation from 60 passes 360 on tick 30 and goes on from 10.
    EXPECT_EQ(run.shown[29].rotation, 360);
    EXPECT_EQ(run.shown[30].rotation, 10);
    EXPECT_EQ(run.shown[33].rotation, 40);
    for (const ViewAngles& a : run.shown) {
        EXPECT_GT(a.rotation, 0);
        EXPECT_GT(a.elevation, 0);
        EXPECT_LE(a.rotation, 360);
        EXPECT_LE(a.elevation, 360);
    }
}

TEST(RotationTick, EachMovementStepsOnlyItsOwnAngle) {
    const Turning rotation = turn({}, true, false, 33);
    const Turning elevation = turn({}, false, true, 33);
    const Turning still = turn({}, false, false, 3);
    for (int i = 0; i < 33; ++i) {
        EXPECT_EQ(rotation.shown[i].elevation, 30);
        EXPECT_EQ(elevation.shown[i].rotation, 60);
    }
    EXPECT_EQ(rotation.shown[32].rotation, 30);  // 360 on tick 30, then 10, 20, 30
    EXPECT_EQ(elevation.shown[32].elevation, 360);
    EXPECT_EQ(elevation.kept.elevation, 0);
    EXPECT_EQ(still.shown.back(), ViewAngles{});
}

TEST(RotationTick, AnglesSetFromOutsideBeyondAFullTurnWrapOnTheNextTick) {
    EXPECT_EQ(steppedAngles({355, 400}, true, false), (ViewAngles{365, 400}));
    EXPECT_EQ(wrappedAngles({365, 400}), (ViewAngles{0, 0}));
    EXPECT_EQ(wrappedAngles({359, 359}), (ViewAngles{359, 359}));
}

TEST(ChartColors, TheOptionChoosesAndTheLowThreeBytesSplit) {
    const std::optional<std::uint32_t> red = 255u;
    const std::optional<std::uint32_t> window = 0x80C0FFu;
    const std::optional<std::uint32_t> unset;
    const struct {
        bool useDefault;
        std::optional<std::uint32_t> plot, unit;
        RgbComponents expected;
    } rows[] = {
        {true, red, window, {255, 0, 0}},
        {false, red, window, {255, 192, 128}},
        {false, red, unset, {0, 0, 0}},  // no conversion window activated yet
        {true, unset, window, {0, 0, 0}},
        {true, 16777215u, unset, {255, 255, 255}},
        // A system colour reference: only the low three bytes count.
        {true, 0x80123456u, unset, {0x56, 0x34, 0x12}},
        {false, red, 0xFF00FF00u, {0, 255, 0}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(splitColor(chosenChartColor(row.useDefault, row.plot, row.unit)), row.expected)
            << row.useDefault << " " << row.plot.value_or(-1) << " " << row.unit.value_or(-1);
    }
}

}  // namespace
}  // namespace zephal

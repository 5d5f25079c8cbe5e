// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_colors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/command_color.h"

namespace zephal::ui {
namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | g << 8 | b << 16;
}

TEST(TextColors, ContrastByRelativeLuminance) {
    const struct {
        const char* name;
        std::uint32_t first, second;
        double expected;
    } rows[] = {
        {"black on white", rgb(0, 0, 0), rgb(255, 255, 255), 21},
        {"either way round", rgb(255, 255, 255), rgb(0, 0, 0), 21},
        {"a colour on itself", rgb(200, 30, 90), rgb(200, 30, 90), 1},
        {"mid grey on white", rgb(118, 118, 118), rgb(255, 255, 255), 4.54},
        // Red weighs 0.2126, in the low byte; blue 0.0722.
        {"red on black", rgb(255, 0, 0), rgb(0, 0, 0), 5.25},
        {"blue on black", rgb(0, 0, 255), rgb(0, 0, 0), 2.44},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(contrastRatio(row.first, row.second), row.expected, 0.01) << row.name;
    }
}

// Every colour the display settings can give a quantity button, under a light and a dark
// scheme: the random ranges through a grid of draws that takes in both ends, and the plain
// colour of the scheme's window. The text chosen for it must read at 4.5:1 or better.
struct Scheme {
    const char* name;
    std::uint32_t window;
    std::uint32_t text;
    std::uint32_t highlight;
};
struct ButtonColors {
    Scheme scheme;
    CommandShade shade;
};

class ReadableTextOnEveryButton : public testing::TestWithParam<ButtonColors> {};

TEST_P(ReadableTextOnEveryButton, ReadsAtFourAndAHalfToOne) {
    const auto [scheme, shade] = GetParam();
    std::vector<float> draws;
    for (int k = 0; k < 64; ++k) draws.push_back(k / 64.0f);
    draws.push_back(0.9999999f);  // the largest draw: a component of 255

    std::vector<std::uint32_t> colors = {scheme.window};
    for (float r : draws) {
        for (float g : draws) {
            for (float b : draws) colors.push_back(commandColor(r, g, b, shade));
        }
    }
    int unreadable = 0;
    for (const std::uint32_t background : colors) {
        const std::uint32_t text = readableTextColor(background, scheme.text);
        if (contrastRatio(background, text) < kReadableContrast && ++unreadable <= 5) {
            ADD_FAILURE() << std::hex << "text " << text << " on " << background;
        }
        // The focus mark drawn over the button stands out as well.
        const std::uint32_t mark = focusMarkColor(background, scheme.highlight);
        if (contrastRatio(background, mark) < kVisibleMarkContrast && ++unreadable <= 5) {
            ADD_FAILURE() << std::hex << "focus mark " << mark << " on " << background;
        }
    }
    EXPECT_EQ(unreadable, 0);
    // The scheme's own text stays on its own window.
    EXPECT_EQ(readableTextColor(scheme.window, scheme.text), scheme.text);
}

const Scheme kLight{"light", rgb(239, 240, 241), rgb(35, 38, 41), rgb(61, 174, 233)};
const Scheme kDark{"dark", rgb(32, 35, 38), rgb(252, 252, 252), rgb(61, 174, 233)};

INSTANTIATE_TEST_SUITE_P(Schemes, ReadableTextOnEveryButton,
                         testing::Values(ButtonColors{kLight, CommandShade::Light},
                                         ButtonColors{kLight, CommandShade::Deep},
                                         ButtonColors{kDark, CommandShade::Light},
                                         ButtonColors{kDark, CommandShade::Deep}),
                         [](const testing::TestParamInfo<ButtonColors>& row) {
                             return std::string(row.param.scheme.name) +
                                    (row.param.shade == CommandShade::Light ? "_light_colours"
                                                                            : "_deeplight_colours");
                         });

}  // namespace
}  // namespace zephal::ui

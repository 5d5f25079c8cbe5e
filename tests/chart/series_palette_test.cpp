// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/series_palette.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zephal {
namespace {

TEST(SeriesPalette, EverySeriesLooksDifferentAlsoWithAColourVisionDeficiency) {
    // Black and white differ by the whole lightness scale; red and olive are far apart, but
    // hardly so for a reader without green cones.
    EXPECT_NEAR(perceivedDifference(0x000000, 0xFFFFFF), 100, 0.1);
    EXPECT_LT(perceivedDifference(0x0000FF, 0x009999), 5);

    // Series 1 as the colour options give it: red, black (unset), white, a conversion window's
    // pastel, grey. The smallest difference shrinks as series are added.
    const struct {
        int count;
        double smallest;
    } sizes[] = {{2, 50}, {5, 25}, {10, 16}, {20, 10}};
    for (const std::uint32_t first : {0x0000FFu, 0u, 0xFFFFFFu, 0xC0A0E0u, 0x808080u}) {
        for (const auto& size : sizes) {
            const auto colors = seriesPalette(first, size.count);
            ASSERT_EQ(colors.size(), static_cast<std::size_t>(size.count));
            EXPECT_EQ(colors[0], first);
            double smallest = 100;
            for (std::size_t i = 0; i < colors.size(); ++i) {
                for (std::size_t j = i + 1; j < colors.size(); ++j) {
                    smallest = std::min(smallest, perceivedDifference(colors[i], colors[j]));
                }
            }
            EXPECT_GE(smallest, size.smallest)
                << std::hex << first << std::dec << " " << size.count;
        }
    }
    EXPECT_EQ(seriesPalette(0, 300).size(), 300u);
}

}  // namespace
}  // namespace zephal

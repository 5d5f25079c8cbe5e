// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour of the chart's first series: the user's plot colour or the colour of the
// conversion window activated last, split into its components.

#include <cstdint>
#include <optional>

namespace zephal {

struct RgbComponents {
    std::int16_t red = 0;
    std::int16_t green = 0;
    std::int16_t blue = 0;
    friend bool operator==(const RgbComponents&, const RgbComponents&) = default;
};

// The colour the chart takes: the plot colour when the default option is chosen, else the
// colour of the conversion window activated last. Either may still be unset.
std::optional<std::uint32_t> chosenChartColor(bool useDefault,
                                              std::optional<std::uint32_t> plotColor,
                                              std::optional<std::uint32_t> unitCommandColor);

// Red from the low byte, then green, then blue. A top byte (a system colour reference) is
// ignored; an unset colour is black.
RgbComponents splitColor(std::optional<std::uint32_t> color);

}  // namespace zephal

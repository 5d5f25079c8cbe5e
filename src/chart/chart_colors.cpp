// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/chart_colors.h"

namespace zephal {

std::optional<std::uint32_t> chosenChartColor(bool useDefault,
                                              std::optional<std::uint32_t> plotColor,
                                              std::optional<std::uint32_t> unitCommandColor) {
    return useDefault ? plotColor : unitCommandColor;
}

RgbComponents splitColor(std::optional<std::uint32_t> color) {
    const std::uint32_t c = color.value_or(0);
    return {static_cast<std::int16_t>(c & 0xFFu), static_cast<std::int16_t>((c & 0xFF00u) / 256),
            static_cast<std::int16_t>((c & 0xFF0000u) / 65536)};
}

}  // namespace zephal

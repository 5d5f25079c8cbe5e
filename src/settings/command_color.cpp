// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/command_color.h"

#include <algorithm>

#include "convert/number_text.h"

namespace zephal {
namespace {

std::uint32_t component(float r, CommandShade shade) {
    // The draw is a single, and so is the arithmetic on it.
    const float value = shade == CommandShade::Light ? r * 128.0f + 128.0f : r * 256.0f;
    const double rounded = number::roundHalfEven(value);
    return static_cast<std::uint32_t>(std::clamp(rounded, 0.0, 255.0));
}

}  // namespace

std::uint32_t commandColor(float r, float g, float b, CommandShade shade) {
    return component(r, shade) | component(g, shade) << 8 | component(b, shade) << 16;
}

std::uint32_t randomCommandColor(RandomNumbers& random, CommandShade shade) {
    const float r = random.next();
    const float g = random.next();
    const float b = random.next();
    return commandColor(r, g, b, shade);
}

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of the grid's quantity buttons when the display settings randomize them.

#include <cstdint>

#include "app/random_numbers.h"

namespace zephal {

enum class CommandShade {
    Light,  // components 128 to 255
    Deep,   // components 0 to 255
};

// A colour (red in the low byte) from three draws in [0, 1), red, green and blue in that order.
// Each component is rounded halves to even; a component that rounds to 256 counts as 255.
std::uint32_t commandColor(float r, float g, float b, CommandShade shade);

// Draws red, green and blue from the generator, in that order.
std::uint32_t randomCommandColor(RandomNumbers& random, CommandShade shade);

}  // namespace zephal

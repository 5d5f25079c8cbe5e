// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours for the series of one chart that tell apart at a glance, also for readers with one of
// the common colour-vision deficiencies. Series 1 keeps the colour the colour options give it;
// every further series takes, of a fixed set of mid-light colours, the one that looks least
// like any colour already taken.
//
// Colours are 24-bit RGB values, red in the low byte.

#include <cstdint>
#include <vector>

namespace zephal {

// The colours of `count` series, the first being `first`.
std::vector<std::uint32_t> seriesPalette(std::uint32_t first, int count);

// How different two colours look (CIE 1976 colour difference): the smallest difference of
// normal vision and of simulated protanopia, deuteranopia and tritanopia.
double perceivedDifference(std::uint32_t a, std::uint32_t b);

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text that stays readable on the colours the program paints behind it. The colour scheme's
// own text colour is kept where it reads well enough; where it does not (the scheme's
// near-white text of a dark scheme on a pastel button, its black on a deep colour), black or
// white takes its place. Colours are 24-bit RGB values with red in the low byte.
//
// Readable means a contrast ratio of at least 4.5:1 by the relative luminance of WCAG 2. Black
// or white always reaches it: the better of the two is never below about 4.58:1.

#include <cstdint>

namespace zephal::ui {

inline constexpr double kReadableContrast = 4.5;

// From 0 for black to 1 for white.
double relativeLuminance(std::uint32_t rgb);

// From 1 (the same luminance) to 21 (black and white), whichever colour is the lighter.
double contrastRatio(std::uint32_t first, std::uint32_t second);

// The colour for text on `background`: `preferred` where it reads, otherwise black or white,
// whichever reads better.
std::uint32_t readableTextColor(std::uint32_t background, std::uint32_t preferred);

}  // namespace zephal::ui

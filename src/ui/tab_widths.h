// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How one row of tabs shares its width among the tabs, worked out from the width each caption
// needs whole, so that the first look at the window shows whole words wherever it can.

#include <vector>

namespace zephal::ui {

// The widths of the tabs of a row `row` wide, for captions that need `needed` each. Where the
// row holds every caption whole, each tab gets what its caption needs and the room left over is
// shared equally. Where it does not, the captions that fit in an equal share of what is left keep
// their width, the shortest first, and the others share the rest equally: as many captions as
// possible read whole. The widths always fill the row exactly.
std::vector<int> tabWidths(const std::vector<int>& needed, int row);

}  // namespace zephal::ui

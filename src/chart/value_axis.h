// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The range of the chart's value axis: round numbers at both ends and at every step between,
// with zero inside (bars grow from it), and as little empty room as such a range allows.

namespace zephal {

struct ValueAxisRange {
    double low = 0;
    double high = 1;
    int segments = 5;  // steps between low and high, each labelled at its ends
};

// The range for values from `low` to `high`. No end lies beyond ±`limit` (the 3D graph holds
// its values in single precision); where round ends cannot keep to it, the ends are cut there.
ValueAxisRange valueAxisRange(double low, double high, double limit);

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart window's pictures, drawn in code so that they stay sharp at any screen resolution.

#include <QIcon>

namespace zephal::ui {

enum class ChartIcon {
    Bars2D,      // flat bars
    Bars3D,      // bars with depth
    Individual,  // bars of several colours with a legend
    Logarithm,   // a logarithmic curve on a log-spaced grid
    Settings,    // a gear
    Window,      // the chart window's own icon
};

QIcon chartIcon(ChartIcon which);

}  // namespace zephal::ui

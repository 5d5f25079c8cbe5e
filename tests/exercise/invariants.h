// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The invariants that hold after every user action, each checked against the exerciser's own
// computation: the tables for the grid, the conversion engine for the rows, the series builder
// on a grid of its own for the chart. Each returns the first thing that does not hold.

#include "model.h"

namespace zephal {
class Application;
}

namespace zephal::exercise {

// 2: every quantity button the user can see opens the quantity of its caption.
void checkGrid(Application& app, Findings& findings);

// 3: every open conversion window shows, row by row, what the engine makes of its value and
// unit, or an empty box where the engine makes nothing.
void checkConversionWindows(Model& model, Findings& findings);

// 4: the chart shows what the series builder makes of the rows it was last sent while their
// window is open, and no bars once it has closed.
void checkChart(Application& app, Model& model, Findings& findings);

}  // namespace zephal::exercise

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The invariants that hold after every user action, each checked against the exerciser's own
// work: its reading of the data files for the grid and the units, its arithmetic for the rows,
// the clipboard and the chart. Each returns the first thing that does not hold.

#include "model.h"

namespace zephal {
class Application;
}

namespace zephal::exercise {

// 2: the grid shows a button for every quantity of the tables, and each button it shows
// opens the quantity of its caption.
void checkGrid(Application& app, Model& model, Findings& findings);

// 3: every open conversion window shows its quantity's units, the unit the user picked, and
// row by row the scale and the value that plain arithmetic gives, or an empty box where no
// number can be shown.
void checkConversionWindows(Model& model, Findings& findings);

// 5: the clipboard holds the rows of the window just copied.
std::optional<Failure> checkClipboard(const WindowModel& window, const QString& copied);

// 4: the chart shows the series of the rows it was last sent while their window is open, and
// nothing of them once it has closed; its caption names that window's value as read.
void checkChart(Application& app, Model& model, Findings& findings);

}  // namespace zephal::exercise

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Toolbar pictures of the main window and the conversion window, drawn in code at whatever size
// and device-pixel ratio they are shown, so they stay sharp on any screen.

#include <QIcon>

namespace zephal::ui::icons {

QIcon openFile();   // a folder: open a unit data file
QIcon settings();   // a gear: the command display settings
QIcon help();       // a question mark: help and information
QIcon clipboard();  // a clipboard: put the results on the clipboard
QIcon chart();      // bars: show the results as a chart

}  // namespace zephal::ui::icons

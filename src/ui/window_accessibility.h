// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's top-level windows are plain widgets, which assistive technology would be told
// are "filler"; they are told to be windows instead, named by their captions, as every other
// desktop program's windows are.

namespace zephal::ui {

// Installs the rule once for the process; calling it again changes nothing.
void exposeWindowsAsFrames();

}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up measurement for bench/startup_timer: when ZEPHAL_STARTUP_PROBE holds the monotonic
// clock reading (nanoseconds) taken just before the program was started, the program prints
// the time until its main window was first painted and its resident memory then, and quits.

class QWidget;

namespace zephal {

// Watches the window when the probe is asked for; does nothing otherwise.
void installStartupProbe(QWidget* mainWindow);

}  // namespace zephal

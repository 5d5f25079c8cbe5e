// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the program says when it can open no display: which ones it tried, and what to install
// where the toolkit lacks the plugin for one. The toolkit's own text alone names neither.

#include <QString>

namespace zephal {

struct DisplaySetting {
    QString platform;        // QT_QPA_PLATFORM: a platform the user chose, or empty
    QString waylandDisplay;  // WAYLAND_DISPLAY
    QString sessionType;     // XDG_SESSION_TYPE
    QString xDisplay;        // DISPLAY
    bool waylandPlugin = true;
    bool xPlugin = true;
};

// One line, without its line end.
QString displayFailureLine(const DisplaySetting& setting);

// Until the application object has opened its display: a failure to open any display is told
// in that line, before the toolkit's own text, and the program ends with status 1 instead of
// aborting. Other messages are written as the toolkit writes them.
void noteDisplayFailure();
// Once the display is open: the toolkit's own message handling again.
void endDisplayFailureNote();

}  // namespace zephal

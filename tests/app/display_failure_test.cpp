// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_failure.h"

#include <gtest/gtest.h>

namespace zephal {
namespace {

TEST(DisplayFailure, SaysWhichDisplaysWereTriedAndWhatToInstall) {
    const struct {
        const char* name;
        DisplaySetting setting;
        const char* expected;
    } rows[] = {
        {"Wayland without its plugin, no X",
         {"", "wayland-0", "wayland", "", false, true},
         "the Wayland display \"wayland-0\" needs Qt's Wayland plugin, in the Debian package "
         "qt6-wayland; no X display is set (DISPLAY)"},
        {"both tried, neither opens",
         {"", "wayland-1", "", ":0", true, true},
         "the Wayland display \"wayland-1\" could not be opened; the X display \":0\" could not "
         "be opened"},
        {"a Wayland session names no display: the toolkit's default",
         {"", "", "wayland", "", true, true},
         "the Wayland display \"wayland-0\" could not be opened; no X display is set (DISPLAY)"},
        {"no display at all",
         {"", "", "tty", "", true, true},
         "no Wayland display is set (WAYLAND_DISPLAY); no X display is set (DISPLAY)"},
        {"X without its plugin",
         {"", "", "x11", ":1", true, false},
         "no Wayland display is set (WAYLAND_DISPLAY); the X display \":1\" needs Qt's X11 "
         "plugin, in the Debian package qt6-qpa-plugins"},
        {"the user's own platform",
         {"eglfs", "wayland-0", "", ":0", true, true},
         "the platform \"eglfs\" named by QT_QPA_PLATFORM could not be opened"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(displayFailureLine(row.setting),
                  QStringLiteral("Zephal cannot start: %1.").arg(QString::fromUtf8(row.expected)))
            << row.name;
    }
}

}  // namespace
}  // namespace zephal

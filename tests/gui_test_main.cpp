// SPDX-License-Identifier: GPL-3.0-or-later
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/fonts.h"

int main(int argc, char** argv) {
#if defined(__SANITIZE_ADDRESS__)
    // The software OpenGL driver is loaded and unloaded behind Qt's back; kept loaded, the
    // leak checker can name it (and its one-time allocations are suppressed by name).
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    // Beyond the working folder, the start-up looks for its data file in empty folders only: a
    // copy installed on this machine or kept by its user takes no part in a test.
    QTemporaryDir noData;
    qputenv("XDG_DATA_HOME", noData.path().toUtf8());
    qputenv("XDG_DATA_DIRS", noData.path().toUtf8());
    QApplication app(argc, argv);
    zephal::ui::fonts::registerSubstitutes();
    return RUN_ALL_TESTS();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "ui/fonts.h"

int main(int argc, char** argv) {
#if defined(__SANITIZE_ADDRESS__)
    // The software OpenGL driver is loaded and unloaded behind Qt's back; kept loaded, the
    // leak checker can name it (and its one-time allocations are suppressed by name).
    dlopen("/usr/lib/x86_64-linux-gnu/dri/swrast_dri.so", RTLD_NOW | RTLD_NODELETE);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zephal::ui::fonts::registerSubstitutes();
    return RUN_ALL_TESTS();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "app/application.h"
#include "app/display_failure.h"
#include "app/main_window.h"
#include "app/startup_probe.h"
#include "ui/app_icon.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"

int main(int argc, char** argv) {
    // The command line is not used: Qt sees only the program name, so no argument has effect.
    int qtArgc = argc > 0 ? 1 : 0;
    zephal::noteDisplayFailure();
    QApplication qapp(qtArgc, argv);
    zephal::endDisplayFailureNote();
    zephal::ui::makePlaceholderTextReadable();
    QApplication::setApplicationName(zephal::ui::kApplicationTitle);
    // Lets the desktop match the windows with the menu entry, for its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZEPHAL_APP_ID));
    zephal::ui::fonts::registerSubstitutes();
    QApplication::setWindowIcon(zephal::ui::appIcon());

    zephal::ui::QtDialogs dialogs;
    zephal::Application app(dialogs);
    zephal::installStartupProbe(&app.form1());
    app.Main();
    if (app.ended()) return 0;
    return QApplication::exec();
}

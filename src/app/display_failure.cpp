// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display_failure.h"

#include <QDir>
#include <QLibraryInfo>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace zephal {
namespace {

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Whether a platform plugin whose file name starts so lies where the toolkit looks for one.
bool havePlugin(const QString& prefix) {
    QStringList folders = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH")
                              .split(QDir::listSeparator(), Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    for (const QString& folder : folders) {
        if (!QDir(folder).entryList({prefix + QLatin1Char('*')}, QDir::Files).isEmpty()) {
            return true;
        }
    }
    return false;
}

void writeMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const DisplaySetting setting{
            qEnvironmentVariable("QT_QPA_PLATFORM"),   qEnvironmentVariable("WAYLAND_DISPLAY"),
            qEnvironmentVariable("XDG_SESSION_TYPE"),  qEnvironmentVariable("DISPLAY"),
            havePlugin(QStringLiteral("libqwayland")), havePlugin(QStringLiteral("libqxcb"))};
        std::fprintf(stderr, "%s\n", qPrintable(displayFailureLine(setting)));
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    if (type == QtFatalMsg) {
        std::fflush(stderr);
        // Nothing has started that would need to end: no core dump for a missing display.
        std::_Exit(1);
    }
}

}  // namespace

QString displayFailureLine(const DisplaySetting& s) {
    QStringList tried;
    if (!s.platform.isEmpty()) {
        tried << QStringLiteral("the platform %1 named by QT_QPA_PLATFORM could not be opened")
                     .arg(quoted(s.platform));
    } else {
        if (!s.waylandDisplay.isEmpty() || s.sessionType == QLatin1String("wayland")) {
            const QString display =
                s.waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : s.waylandDisplay;
            tried << (s.waylandPlugin
                          ? QStringLiteral("the Wayland display %1 could not be opened")
                          : QStringLiteral("the Wayland display %1 needs Qt's Wayland plugin, "
                                           "in the Debian package qt6-wayland"))
                         .arg(quoted(display));
        } else {
            tried << QStringLiteral("no Wayland display is set (WAYLAND_DISPLAY)");
        }
        if (s.xDisplay.isEmpty()) {
            tried << QStringLiteral("no X display is set (DISPLAY)");
        } else {
            tried << (s.xPlugin ? QStringLiteral("the X display %1 could not be opened")
                                : QStringLiteral("the X display %1 needs Qt's X11 plugin, in the "
                                                 "Debian package qt6-qpa-plugins"))
                         .arg(quoted(s.xDisplay));
        }
    }
    return QStringLiteral("Zephal cannot start: ") + tried.join(QStringLiteral("; ")) +
           QLatin1Char('.');
}

void noteDisplayFailure() {
    qInstallMessageHandler(writeMessage);
}

void endDisplayFailureNote() {
    qInstallMessageHandler(nullptr);
}

}  // namespace zephal

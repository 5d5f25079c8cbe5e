// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool: writes the program's icon as PNG files in the layout of an icon theme,
//   render_icons OUTPUT_FOLDER SIZE...
// giving OUTPUT_FOLDER/hicolor/SIZExSIZE/apps/zephal.png for each size, so that installing the
// folder under share/icons lets desktop menus and task bars find the icon by name.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "ui/app_icon.h"

int main(int argc, char** argv) {
    // Runs during the build, where there may be no display, whatever platform the shell names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Warnings about the bare build environment (no runtime folder) would only clutter the
    // build log; this tool reports its own failures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: render_icons OUTPUT_FOLDER SIZE...\n");
        return 2;
    }
    const QIcon icon = zephal::ui::appIcon();
    for (qsizetype i = 2; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        // The icon holds its own drawing at each of these sizes; any other would be a scaled
        // copy, blurred, so it is refused rather than installed.
        const QPixmap pixmap = ok ? icon.pixmap(QSize(size, size)) : QPixmap();
        if (pixmap.size() != QSize(size, size) || !icon.availableSizes().contains(pixmap.size())) {
            std::fprintf(stderr, "render_icons: no %s pixel drawing of the icon\n",
                         qPrintable(args[i]));
            return 1;
        }
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(args[1]).arg(size);
        const QString file = folder + QStringLiteral("/zephal.png");
        if (!QDir().mkpath(folder) || !pixmap.save(file, "PNG")) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QTreeView>
#include <QUrl>
#include <algorithm>

namespace zephal::ui {

QColor toQColor(std::uint32_t rgb) {
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

std::uint32_t fromQColor(const QColor& color) {
    return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 |
           std::uint32_t(color.blue()) << 16;
}

QString qtFileFilter(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString& pattern = parts[i + 1];
        if (description.isEmpty() && pattern.isEmpty()) continue;
        const QString suffix = u'(' + pattern + u')';
        filters << (description.endsWith(suffix) ? description : description + u' ' + suffix);
    }
    return filters.join(QStringLiteral(";;"));
}

void QtDialogs::message(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, text, QMessageBox::Ok, parent);
    // Messages quote the data file word for word: "<i>Heat</i>" is shown as those characters.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

QString QtDialogs::openFileName(QWidget* parent, const QString& pipeFilter, const QString& folder,
                                const QStringList& sideBar) {
    QFileDialog dialog(parent, QString(), folder, qtFileFilter(pipeFilter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    // A desktop's own dialog has no room for places of the program's: Qt's dialog is used so
    // that the folders where data files live are one click away.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QString& place : sideBar) {
        const QUrl url = QUrl::fromLocalFile(place);
        if (QFileInfo(place).isDir() && !places.contains(url)) places << url;
    }
    dialog.setSidebarUrls(places);
    // Sizes, kinds and dates of the files in full, the names taking the room that is left.
    const QFontMetrics metrics = dialog.fontMetrics();
    if (auto* view = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        const char* const widest[] = {"", "000.00 KiB", "plain text document",
                                      "00 Dec 0000 00:00:00"};
        for (int column = 1; column < header->count() && column < 4; ++column) {
            header->resizeSection(column,
                                  metrics.horizontalAdvance(QString::fromLatin1(widest[column])) +
                                      metrics.averageCharWidth() * 3);
        }
    }
    dialog.resize(std::max(dialog.width(), metrics.averageCharWidth() * 110),
                  std::max(dialog.height(), metrics.height() * 26));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<std::uint32_t> QtDialogs::pickColor(QWidget* parent, std::uint32_t initial) {
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    if (!chosen.isValid()) return std::nullopt;
    return fromQColor(chosen);
}

}  // namespace zephal::ui

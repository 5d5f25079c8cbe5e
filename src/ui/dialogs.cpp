// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

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

QString QtDialogs::openFileName(QWidget* parent, const QString& pipeFilter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), qtFileFilter(pipeFilter));
}

std::optional<std::uint32_t> QtDialogs::pickColor(QWidget* parent, std::uint32_t initial) {
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    if (!chosen.isValid()) return std::nullopt;
    return fromQColor(chosen);
}

}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/recording_dialogs.h"

namespace zephal::ui {

void RecordingDialogs::message(QWidget*, const QString& text) {
    messages << text;
    if (onMessage) onMessage(text);
}

QString RecordingDialogs::openFileName(QWidget*, const QString& pipeFilter, const QString& folder,
                                       const QStringList& sideBar) {
    filtersAsked << pipeFilter;
    foldersAsked << folder;
    sideBarsOffered.push_back(sideBar);
    if (fileAnswers.empty()) return {};
    QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::uint32_t> RecordingDialogs::pickColor(QWidget*, std::uint32_t initial) {
    colorsOffered.push_back(initial);
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

}  // namespace zephal::ui

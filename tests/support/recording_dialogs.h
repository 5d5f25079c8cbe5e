// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dialogs of the tests: answers from queues the test fills, and every message kept word for
// word, so that a test drives a window without a modal box ever opening.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "ui/dialogs.h"

namespace zephal::ui {

// An empty queue answers "cancel".
class RecordingDialogs final : public Dialogs {
public:
    QStringList messages;
    std::deque<QString> fileAnswers;
    QStringList filtersAsked;
    QStringList foldersAsked;
    std::vector<QStringList> sideBarsOffered;
    std::deque<std::optional<std::uint32_t>> colorAnswers;
    std::vector<std::uint32_t> colorsOffered;
    std::function<void(const QString&)> onMessage;  // runs while the "box" is open

    void message(QWidget* parent, const QString& text) override;
    QString openFileName(QWidget* parent, const QString& pipeFilter, const QString& folder,
                         const QStringList& sideBar) override;
    std::optional<std::uint32_t> pickColor(QWidget* parent, std::uint32_t initial) override;
};

}  // namespace zephal::ui

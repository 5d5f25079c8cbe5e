// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plays user actions on the windows of a running application, in-process, through the same
// handlers and signals that a user's clicks and keys reach, and keeps the model up to date with
// what each action must have done.

#include <QString>
#include <optional>
#include <vector>

#include "action.h"
#include "model.h"

namespace zephal {
class Application;
class Chart1;
class Form3;
class Setting;
class frmAbout;
namespace ui {
class RecordingDialogs;
}
}  // namespace zephal

class QLineEdit;

namespace zephal::exercise {

class Player {
public:
    Player(Application& app, ui::RecordingDialogs& dialogs, Model& model,
           std::vector<QString> pool);

    // The action as it is to be played: the window, entry and row numbers it gives reduced to
    // those that exist, and the fields it does not use cleared; nothing when there is nothing
    // to play it on. Changes nothing.
    std::optional<Action> resolve(const Action& action) const;
    // Plays a resolved action.
    void play(const Action& action);

    // A failure that only the moment of the action shows: the caption of the window a visible
    // quantity button opened, or the clipboard right after a copy.
    std::optional<Failure> takeFailure();

private:
    std::optional<Action> resolveConversion(const Action& action) const;
    std::optional<Action> resolveChart(const Action& action) const;
    void playMain(const Action& action);
    void clickQuantity(int k);
    void findQuantity(const QString& query);
    WindowModel* opened(int k, bool chartLoaded);
    void playSettings(const Action& action);
    void playConversion(const Action& action);
    void playChart(const Action& action);
    void playHelp(const Action& action);

    std::vector<int> shownButtons() const;
    bool buttonShown(int k) const;
    Setting& shownSetting();
    Form3* shownChartSetting();
    frmAbout& shownHelp();
    Chart1* shownChart() const;

    Application& m_app;
    ui::RecordingDialogs& m_dialogs;
    Model& m_model;
    std::vector<QString> m_pool;
    std::optional<Failure> m_failure;
};

// Replaces the box's text by typing the text key by key over it, as a user who selected it all.
void typeOver(QLineEdit* box, const QString& text);

}  // namespace zephal::exercise

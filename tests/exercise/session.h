// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One exercised session: a fresh application on the test screen, started as the program starts
// (with a copy of the shipped data file in its working folder), and the actions played on it
// one by one, every invariant checked after each.

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "action.h"
#include "model.h"
#include "player.h"
#include "support/recording_dialogs.h"

namespace zephal {
class Application;
}

namespace zephal::exercise {

struct Outcome {
    int played = 0;                  // actions played, the failing one included
    std::optional<Failure> failure;  // the first invariant that did not hold
};

class Session {
public:
    // `setAside` lists invariants ("3") or kinds of failure ("3:value-kept") not to report, to
    // look past a known fault.
    Session(const QString& shippedFile, std::set<std::string> setAside);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Plays the actions until one fails. `playing` sees each action as it is about to be played
    // (resolved, see Player::resolve); actions with nothing to act on are passed over.
    Outcome play(const std::vector<Action>& actions,
                 const std::function<void(const Action&)>& playing = {});

private:
    std::optional<Failure> check();

    QString m_previousFolder;
    QTemporaryDir m_folder;
    ui::RecordingDialogs m_dialogs;
    std::unique_ptr<Application> m_app;
    Model m_model;
    std::unique_ptr<Player> m_player;
    std::set<std::string> m_setAside;
    std::optional<Failure> m_startFailure;
};

}  // namespace zephal::exercise

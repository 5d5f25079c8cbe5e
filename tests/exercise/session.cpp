// SPDX-License-Identifier: GPL-3.0-or-later
#include "session.h"

#include <cxxabi.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <exception>
#include <typeinfo>

#include "app/application.h"
#include "data_pool.h"
#include "invariants.h"

namespace zephal::exercise {
namespace {

// What a user's event loop would have done between two actions: deliver what the windows
// posted to themselves (redraws, layouts) and delete the windows that were closed. The display's
// own events (focus, exposure) are left out, so that a session replays the same every time.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The exception's type as C++ names it: "std::out_of_range", not "St12out_of_range".
std::string typeName(const std::exception& e) {
    int status = 0;
    char* plain = abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status);
    const std::string name = status == 0 && plain ? plain : typeid(e).name();
    std::free(plain);
    return name;
}

Failure escaped(const std::exception& e) {
    return Failure{1, "exception " + typeName(e),
                   "an exception escaped a handler: " + typeName(e) + ": " + e.what()};
}

}  // namespace

Session::Session(const QString& shippedFile, std::set<std::string> setAside)
    : m_previousFolder(QDir::currentPath()), m_setAside(std::move(setAside)) {
    std::vector<QString> pool = writeDataPool(m_folder.path(), shippedFile);
    QDir::setCurrent(m_folder.path());
    // What start-up reads, as the exerciser reads it.
    QFile started(QStringLiteral("zephal.zep"));
    if (started.open(QIODevice::ReadOnly)) m_model.tables.read(started.readAll(), true);
    m_app = std::make_unique<Application>(m_dialogs);
    m_app->onEnd = [] {};
    m_player = std::make_unique<Player>(*m_app, m_dialogs, m_model, std::move(pool));
    try {
        m_app->Main();
        settle();
        m_startFailure = check();
    } catch (const std::exception& e) {
        m_startFailure = escaped(e);
    }
}

Session::~Session() {
    m_player.reset();
    m_app.reset();
    settle();
    QDir::setCurrent(m_previousFolder);
}

std::optional<Failure> Session::check() {
    Findings findings(&m_setAside);
    if (auto failure = m_player->takeFailure()) findings.add(*failure);
    if (!findings.done()) checkGrid(*m_app, m_model, findings);
    if (!findings.done()) checkConversionWindows(m_model, findings);
    if (!findings.done()) checkChart(*m_app, m_model, findings);
    return findings.first();
}

Outcome Session::play(const std::vector<Action>& actions,
                      const std::function<void(const Action&)>& playing) {
    Outcome outcome;
    if (m_startFailure) {
        outcome.failure = m_startFailure;
        return outcome;
    }
    for (const Action& action : actions) {
        ++outcome.played;
        try {
            if (const std::optional<Action> resolved = m_player->resolve(action)) {
                if (playing) playing(*resolved);
                m_player->play(*resolved);
            }
            settle();
            outcome.failure = check();
        } catch (const std::exception& e) {
            outcome.failure = escaped(e);
        } catch (...) {
            outcome.failure =
                Failure{1, "exception", "an exception of unknown type escaped a handler"};
        }
        if (outcome.failure) break;
    }
    return outcome;
}

}  // namespace zephal::exercise

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the exerciser expects of the program, kept beside it while a session plays: the tables
// as its own reading of the data files makes them, per open conversion window the units it was
// opened with and the unit the exerciser picked, and which window's rows the chart data came
// from last. The player keeps it up to date from the actions it plays; the invariants compare
// the program with it.

#include <QPointer>
#include <QString>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "convert/conversion_window.h"
#include "own_tables.h"

namespace zephal::exercise {

struct WindowModel {
    QPointer<Form2> window;
    OwnUnitList units;  // as the tables held them when the window opened
    int selected = -1;  // the unit of the value: the base, then each one picked
};

struct Model {
    OwnTables tables;
    // Conversion windows in the order they were opened; closed ones drop out.
    std::vector<WindowModel> windows;
    // The window whose ticked rows the chart data holds; null once it has closed.
    QPointer<Form2> sender;
    bool sent = false;       // some window has sent chart data
    std::int16_t owner = 0;  // window number of the conversion window activated last

    std::vector<WindowModel*> open() {
        std::vector<WindowModel*> list;
        for (WindowModel& w : windows) {
            if (w.window) list.push_back(&w);
        }
        return list;
    }
    WindowModel* find(const Form2* window) {
        for (WindowModel& w : windows) {
            if (w.window == window) return &w;
        }
        return nullptr;
    }
};

// A text as a failure message shows it: quoted, line ends written out, so that a message stays
// on one line.
inline std::string quoted(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return '"' + shown.toStdString() + '"';
}

// An invariant that does not hold: its number (1 to 5), a short kind that stays the same
// while a failing session is shrunk, and what was seen.
struct Failure {
    int invariant = 0;
    std::string kind;
    std::string message;
    std::string signature() const { return std::to_string(invariant) + ":" + kind; }
};

// Collects the first failure that is not set aside; a check goes on past those that are, so a
// known fault does not hide the next one behind it.
class Findings {
public:
    // `setAside` holds invariant numbers ("3") and invariants with a kind ("3:value-kept").
    explicit Findings(const std::set<std::string>* setAside = nullptr) : m_setAside(setAside) {}
    bool wanted(int invariant) const {
        return !m_setAside || !m_setAside->contains(std::to_string(invariant));
    }
    // Records the failure unless it is set aside; true once a failure is recorded.
    bool add(Failure failure) {
        if (!m_first && wanted(failure.invariant) &&
            !(m_setAside &&
              m_setAside->contains(std::to_string(failure.invariant) + ":" + failure.kind))) {
            m_first = std::move(failure);
        }
        return done();
    }
    bool done() const { return m_first.has_value(); }
    const std::optional<Failure>& first() const { return m_first; }

private:
    const std::set<std::string>* m_setAside;
    std::optional<Failure> m_first;
};

}  // namespace zephal::exercise

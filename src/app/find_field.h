// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLineEdit>
#include <QListWidget>

#include "app/unit_finder.h"

namespace zephal {

class Application;

// The main window's quick find: a field for a unit, a quantity or a value with its unit, and
// under it a list of the best matches.
//
// The list is a window of its own, so that it can be wider than the narrowest main window, and
// one that never takes the focus: the field keeps it while the list is open, and its arrow
// keys move through the list. A match opens the way a click on the quantity's button does, then
// picks the unit and enters the value in the new conversion window, so that every handler runs
// as it does for a user.
class FindField final : public QLineEdit {
public:
    FindField(Application& app, QWidget* parent);

    // The matches follow these from now on (after every read that ends normally).
    void setFinder(UnitFinder finder);
    QListWidget* list() const { return m_list; }

    // Ctrl+F in any window of the program: the main window comes to the front, and the field
    // takes the focus with its text selected.
    void focusFromAnywhere();
    // Opens match `row` of the list.
    void openMatch(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showMatches();
    void placeList();
    void moveCurrent(int step);

    Application& m_app;
    UnitFinder m_finder;
    FindResult m_result;
    QListWidget* m_list;
};

}  // namespace zephal

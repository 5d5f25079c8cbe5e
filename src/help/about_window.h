// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include "ui/window.h"

namespace zephal {

class Application;

// frmAbout, the help and information window: a table of consistent unit systems, notes with
// physical constants and the SI prefixes, and the program's name and version. It reads and
// writes no shared state.
class frmAbout final : public ui::Window {
public:
    explicit frmAbout(Application& app);

    void Form_Load();

    QTabWidget* SSTab1;
    QListWidget* List2;  // "Analysis unit table"
    QListWidget* List1;  // "Description"
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* lblLicence;  // names the licence the program is under

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Resize();
    QPoint pageOrigin() const;

    // Widths at load, in twips: the window never grows wider than this.
    int m_loadWidth = 0;
    int m_loadTabWidth = 0;
};

}  // namespace zephal

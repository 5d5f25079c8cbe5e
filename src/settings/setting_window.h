// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>
#include <vector>

#include "ui/window.h"

namespace zephal {

class Application;

// Setting, the command display settings: the maximum number of tabs, the table reset option,
// and the colours and fonts of the main window's quantity buttons. The states of its controls
// are the settings; other windows read them directly (Check2, Check1[1]).
class Setting final : public ui::Window {
public:
    explicit Setting(Application& app);

    void Form_Load() {}
    // Applies the settings: Tmax from the maximum-tabs field, then the colour and font of every
    // run-time button of the grid and the main window's font name.
    void Form1_set();
    // Gives one grid button the colour and font of the current settings; for buttons built
    // after Form1_set ran, so they look like the rest.
    void styleCommandButton(QPushButton* button);

    void Command1_Click(int Index);
    void Text1_Change();

    QLabel* Label1;  // index 0, the only member
    QLineEdit* Text1;
    QCheckBox* Check2;
    QLabel* Label2;
    std::vector<QCheckBox*> Check1;      // 0 randomize colours, 1 Japanese font
    std::vector<QRadioButton*> Option1;  // 0 light colours, 1 deep colours
    std::vector<QPushButton*> Command1;  // 0 "Ok", 1 "Close"

private:
    std::uint32_t RandomCommandColor();

    Application& m_app;
};

}  // namespace zephal

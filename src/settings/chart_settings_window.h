// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <vector>

#include "ui/window.h"

namespace zephal {

class Application;
namespace ui {
class ColorSwatch;
}

// Form3, the chart settings: rotation options, rotation speed and plot colour. The states of
// its controls are the settings; the chart window reads them (Check1, Option1[0]).
class Form3 final : public ui::Window {
public:
    explicit Form3(Application& app);

    void Form_Load();

    void Check1_Click(int Index);
    void Slider1_Change();
    void Option1_Click(int Index);
    void Picture1_Click();
    void Command1_Click(int Index);

    QGroupBox* Frame1;
    std::vector<QRadioButton*> Option1;  // 0 the plot colour, 1 the conversion window's colour
    ui::ColorSwatch* Picture1;
    QGroupBox* Frame2;
    std::vector<QCheckBox*> Check1;  // 0 dynamic rotation, 1 perpendicular, 2 horizontal
    QLabel* Label1;                  // index 1, the only member
    QSlider* Slider1;
    std::vector<QPushButton*> Command1;  // 0 "Refresh ", 1 "Close"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void placeOverOwner();

    Application& m_app;
    bool m_placed = false;
};

}  // namespace zephal

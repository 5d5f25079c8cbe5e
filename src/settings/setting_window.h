#pragma once
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "ui/window.h"

namespace zephal {

class Application;

// Setting, the command display settings: maximum number of tabs and the table reset option.
// The states of its controls are the settings; other windows read them directly.
class Setting final : public ui::Window {
public:
    explicit Setting(Application& app);

    void Form_Load() {}
    // Applies the settings to the main window's grid: Tmax from the maximum-tabs field.
    void Form1_set();

    QLabel* Label1;
    QLineEdit* Text1;
    QCheckBox* Check2;
    QLabel* Label2;

private:
    Application& m_app;
};

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setting_window.h"

#include <QShortcut>

#include "app/application.h"
#include "app/main_window.h"
#include "settings/command_color.h"
#include "settings/max_tabs.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace zephal {
namespace {
constexpr double kLatinButtonPoints = 8;
constexpr double kJapaneseButtonPoints = 9;
constexpr double kWindowPoints = 8.25;
}  // namespace

Setting::Setting(Application& app) : m_app(app) {
    setWindowTitle(QStringLiteral("Setting"));
    makeFixedToolWindow();
    // The program's Latin face at the size the control positions were laid out for.
    setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, kWindowPoints));

    Label1 = new QLabel(QStringLiteral("Convert Item Max Tabs : "), this);
    ui::setGeometryTw(Label1, {180, 225, 1905, 330});
    Text1 = new QLineEdit(QStringLiteral("10"), this);
    Text1->setAccessibleName(QStringLiteral("Convert Item Max Tabs"));
    Label1->setBuddy(Text1);
    ui::setGeometryTw(Text1, {2160, 225, 735, 285});
    Check2 = new QCheckBox(QStringLiteral("Reset unit data at opening *.zep file"), this);
    Check2->setChecked(true);
    ui::setGeometryTw(Check2, {180, 675, 3525, 285});
    Label2 = new QLabel(QStringLiteral("(It has not checked in addition.)"), this);
    ui::setGeometryTw(Label2, {450, 1035, 2940, 195});

    Check1.push_back(new QCheckBox(QStringLiteral("Color command display (randomize)"), this));
    Check1[0]->setChecked(true);
    ui::setGeometryTw(Check1[0], {180, 1395, 3075, 360});
    Option1.push_back(new QRadioButton(QStringLiteral("Light color"), this));
    Option1[0]->setChecked(true);
    ui::setGeometryTw(Option1[0], {405, 1890, 2130, 195});
    Option1.push_back(new QRadioButton(QStringLiteral("Deeplight color"), this));
    ui::setGeometryTw(Option1[1], {405, 2250, 2130, 195});
    Check1.push_back(new QCheckBox(QStringLiteral("Useing Japanese font of unit items"), this));
    ui::setGeometryTw(Check1[1], {180, 2610, 3435, 360});

    Command1.push_back(new QPushButton(QStringLiteral("Ok"), this));
    ui::setGeometryTw(Command1[0], {450, 3330, 1320, 375});
    Command1.push_back(new QPushButton(QStringLiteral("Close"), this));
    ui::setGeometryTw(Command1[1], {2160, 3330, 1320, 375});
    for (int index = 0; index < static_cast<int>(Command1.size()); ++index) {
        connect(Command1[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
                [this, index] { Command1_Click(index); });
    }
    // Connected after the default text is in, so a fresh window leaves Tmax alone.
    connect(Text1, &QLineEdit::textChanged, this, &Setting::Text1_Change);
    // Escape does what "Close" does: the window keeps its state.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            [this] { Command1_Click(1); });

    setFixedSize(ui::toPixels(3915), ui::toPixels(3900));
}

void Setting::Form1_set() {
    if (const auto tabs = maxTabsFromText(Text1->text())) m_app.state().Tmax = *tabs;

    Form1& main = m_app.form1();
    // Element 0 is the design-time template and keeps its look.
    for (std::size_t k = 1; k < main.Command1.size(); ++k) styleCommandButton(main.Command1[k]);
    if (main.Command1.size() > 1) {
        QFont font = main.font();
        font.setFamily(Check1[1]->isChecked() ? ui::fonts::kMsPGothic : ui::fonts::kTimesNewRoman);
        main.setFont(font);
    }
}

void Setting::styleCommandButton(QPushButton* button) {
    const std::uint32_t color =
        Check1[0]->isChecked() ? RandomCommandColor() : ui::backColor(&m_app.form1());
    ui::setBackColor(button, color);

    QFont font = button->font();
    if (Check1[1]->isChecked()) {
        font.setFamily(ui::fonts::kMsPGothic);
        font.setPointSizeF(kJapaneseButtonPoints);
    } else {
        font.setFamily(ui::fonts::kTimesNewRoman);
        font.setPointSizeF(kLatinButtonPoints);
    }
    button->setFont(font);
}

std::uint32_t Setting::RandomCommandColor() {
    const CommandShade shade = Option1[0]->isChecked() ? CommandShade::Light : CommandShade::Deep;
    return randomCommandColor(m_app.state().random, shade);
}

void Setting::Text1_Change() {
    // Text that is no number of tabs changes nothing; the field keeps what the user typed.
    if (const auto tabs = maxTabsFromText(Text1->text())) editMaxTabs(m_app.state(), *tabs);
}

void Setting::Command1_Click(int Index) {
    switch (Index) {
        case 0:
            Form1_set();
            break;
        case 1:
            hide();
            break;
        default:
            break;
    }
}

}  // namespace zephal

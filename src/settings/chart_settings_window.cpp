// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/chart_settings_window.h"

#include <QApplication>
#include <QScreen>
#include <QShortcut>

#include "app/application.h"
#include "chart/chart_window.h"
#include "chart/rotation.h"
#include "ui/chart_view.h"
#include "ui/color_swatch.h"
#include "ui/dialogs.h"
#include "ui/twips.h"

namespace zephal {
namespace {
constexpr int kClientWidthTw = 4560;
constexpr int kClientHeightTw = 4590;
constexpr double kWindowPoints = 8.25;
}  // namespace

Form3::Form3(Application& app) : m_app(app) {
    setWindowTitle(QStringLiteral("Chart setting"));
    makeFixedToolWindow();
    // The system's dialog face at the size the positions were laid out for: with it the blank
    // run in the first option's caption is wide enough to hold the swatch.
    QFont face = QApplication::font();
    face.setPointSizeF(kWindowPoints);
    setFont(face);

    // Children of a frame are placed relative to the frame, as the positions are given.
    Frame1 = new QGroupBox(QStringLiteral("Plot color"), this);
    ui::setGeometryTw(Frame1, {90, 45, 4380, 1050});
    Option1.push_back(
        new QRadioButton(QStringLiteral("Default  ( Changed by Click ->          ) "), Frame1));
    ui::setGeometryTw(Option1[0], {180, 315, 3750, 180});
    // Made after the option so that it lies over the blank run of the option's caption.
    Picture1 = new ui::ColorSwatch(Frame1);
    // Named for what it does, as a button is.
    Picture1->setAccessibleName(QStringLiteral("Choose the plot color"));
    Picture1->setToolTip(QStringLiteral("Choose the plot color"));
    ui::setGeometryTw(Picture1, {3000, 300, 300, 200});
    Option1.push_back(new QRadioButton(QStringLiteral("Unit Coomand  color"), Frame1));
    Option1[1]->setChecked(true);
    ui::setGeometryTw(Option1[1], {180, 720, 2220, 180});

    Frame2 = new QGroupBox(QStringLiteral("Rotation"), this);
    ui::setGeometryTw(Frame2, {90, 1215, 4380, 2580});
    Check1.push_back(new QCheckBox(QStringLiteral("Dynamic Rotation for 3D Chart"), Frame2));
    ui::setGeometryTw(Check1[0], {180, 315, 3885, 330});
    Check1.push_back(new QCheckBox(QStringLiteral("Perpendicular Rotation"), Frame2));
    Check1[1]->setChecked(true);
    ui::setGeometryTw(Check1[1], {360, 810, 3615, 330});
    Check1.push_back(new QCheckBox(QStringLiteral("Horizontal Rotation"), Frame2));
    ui::setGeometryTw(Check1[2], {360, 1305, 3615, 330});
    Label1 = new QLabel(QStringLiteral("Rotation speed"), Frame2);
    ui::setGeometryTw(Label1, {360, 1845, 1545, 330});
    Slider1 = new QSlider(Qt::Horizontal, Frame2);
    Slider1->setAccessibleName(QStringLiteral("Rotation speed"));
    Label1->setBuddy(Slider1);
    Slider1->setRange(kSpeedSliderMin, kSpeedSliderMax);
    Slider1->setSingleStep(1);
    Slider1->setPageStep(kSpeedSliderDefault);
    Slider1->setTickInterval(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setValue(kSpeedSliderDefault);
    ui::setGeometryTw(Slider1, {1980, 1800, 2130, 465});

    Command1.push_back(new QPushButton(QStringLiteral("Refresh "), this));
    ui::setGeometryTw(Command1[0], {540, 4005, 1455, 330});
    Command1.push_back(new QPushButton(QStringLiteral("Close"), this));
    ui::setGeometryTw(Command1[1], {2565, 4005, 1455, 330});

    // Connected after the defaults are in, so that a fresh window changes nothing elsewhere.
    for (int i = 0; i < static_cast<int>(Check1.size()); ++i) {
        connect(Check1[static_cast<std::size_t>(i)], &QCheckBox::stateChanged, this,
                [this, i] { Check1_Click(i); });
    }
    connect(Slider1, &QSlider::valueChanged, this, &Form3::Slider1_Change);
    for (int i = 0; i < static_cast<int>(Option1.size()); ++i) {
        // Only the option that becomes selected reports, not the one that loses it.
        connect(Option1[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool selected) {
                    if (selected) Option1_Click(i);
                });
    }
    connect(Picture1, &ui::ColorSwatch::clicked, this, &Form3::Picture1_Click);
    for (int i = 0; i < static_cast<int>(Command1.size()); ++i) {
        connect(Command1[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { Command1_Click(i); });
    }
    // Escape does what "Close" does: the window keeps its state.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            [this] { Command1_Click(1); });

    setFixedSize(ui::toPixels(kClientWidthTw), ui::toPixels(kClientHeightTw));
}

void Form3::Form_Load() {
    Picture1->setColor(m_app.state().PlotColor.value_or(0));
}

void Form3::Check1_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(Check1.size())) return;
    Chart1& chart = m_app.chart1();
    const auto i = static_cast<std::size_t>(Index);
    chart.m20[i]->setChecked(Check1[i]->checkState() == Qt::Checked);
    chart.Timer_sets();
}

void Form3::Slider1_Change() {
    AppState& s = m_app.state();
    s.RotSpeed = rotationSpeedFromSlider(Slider1->value());
    // Without a chart window the new interval waits for the next one to start turning.
    if (s.ChartShown) m_app.chart1().Timer_sets();
}

void Form3::Option1_Click(int) {
    m_app.chart1().Chart_color();
}

void Form3::Picture1_Click() {
    AppState& s = m_app.state();
    const auto chosen = m_app.dialogs().pickColor(this, s.PlotColor.value_or(0));
    // A cancel leaves the colour, the swatch and the chart as they were, and says nothing.
    if (!chosen) return;
    s.PlotColor = *chosen;
    Picture1->setColor(*chosen);
    m_app.chart1().Chart_color();
}

void Form3::Command1_Click(int Index) {
    switch (Index) {
        case 0: {
            Chart1& chart = m_app.chart1();
            const ViewAngles start;
            chart.lngRotation = start.rotation;
            chart.lngElevation = start.elevation;
            chart.MSChart1->grid().setView3d(static_cast<float>(chart.lngRotation),
                                             static_cast<float>(chart.lngElevation));
            break;
        }
        case 1:
            hide();
            break;
        default:
            break;
    }
}

void Form3::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        placeOverOwner();
    }
    ui::Window::showEvent(event);
}

void Form3::placeOverOwner() {
    // Centred on the chart window that shows it; on the screen when there is none to see.
    QRect owner;
    if (const Chart1* chart = m_app.chart1Loaded(); chart && chart->isVisible()) {
        owner = chart->frameGeometry();
    } else if (const QScreen* screen = QApplication::primaryScreen()) {
        owner = screen->availableGeometry();
    }
    if (owner.isEmpty()) return;
    QRect frame = frameGeometry();
    frame.moveCenter(owner.center());
    move(frame.topLeft());
}

}  // namespace zephal

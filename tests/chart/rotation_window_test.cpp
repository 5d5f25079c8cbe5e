// SPDX-License-Identifier: GPL-3.0-or-later
// The turning 3D chart and the chart colours, driven through the chart window, its rotation
// menu and the chart settings window. Ticks are driven by calling the timer's handler.

#include <gtest/gtest.h>

#include <Q3DBars>
#include <Q3DCamera>
#include <Q3DScene>
#include <QApplication>
#include <QDir>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_window.h"
#include "convert/conversion_window.h"
#include "settings/chart_settings_window.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/chart_view.h"
#include "ui/color_swatch.h"

namespace zephal {
namespace {

struct Angles {
    float rotation, elevation;
    friend bool operator==(const Angles&, const Angles&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Angles& a) {
        return out << '(' << a.rotation << ", " << a.elevation << ')';
    }
};

// A program started in a temporary folder with one quantity, and a chart window holding three
// values, as a conversion window would have sent them.
class RotationTest : public ::testing::Test {
protected:
    RotationTest() : m_previous(QDir::currentPath()) {
        QDir::setCurrent(folder.folder());
        folder.writeLines("zephal.zep",
                          {"0,Mechanics", "1,Length", "3,metre (m),1", "2,millimetre (mm),1000"});
        app.onEnd = [] {};
        app.Main();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
        AppState& s = app.state();
        s.ChartValues = {ValueRef(), [] { return QString("2"); }, [] { return QString("8"); },
                         [] { return QString("4"); }};
        s.ChartUnits = {std::nullopt, "N", "kN", "mN"};
        s.ChartCount = 3;
    }
    ~RotationTest() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* menu = qobject_cast<QMenu*>(w)) menu->hide();
        }
        QDir::setCurrent(m_previous);
    }

    Chart1& chart() { return app.chart1(); }
    Form3& settings() { return app.form3(); }
    ChartGrid& grid() { return chart().MSChart1->grid(); }
    Angles view() { return {grid().rotation(), grid().elevation()}; }
    // The chart in 3D with "Dynamic Rotation" on, turning.
    Chart1& turning() {
        Chart1& c = chart();
        c.Toolbar1_ButtonClick(3);
        settings().Check1[0]->setChecked(true);
        EXPECT_TRUE(c.Timer1->isActive());
        return c;
    }
    std::vector<Angles> ticks(int count) {
        std::vector<Angles> shown;
        for (int i = 0; i < count; ++i) {
            chart().Timer1_Timer();
            shown.push_back(view());
        }
        return shown;
    }
    QStringList marks() {
        QStringList out;
        for (int i = 0; i < 3; ++i) {
            out << QString("%1%2")
                       .arg(chart().m20[static_cast<std::size_t>(i)]->isChecked())
                       .arg(settings().Check1[static_cast<std::size_t>(i)]->isChecked());
        }
        return out;
    }
    static void unload(QWidget& window) {
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    test::TempFolder folder;
    ui::RecordingDialogs dialogs;
    Application app{dialogs};

private:
    QString m_previous;
};

TEST_F(RotationTest, DynamicRotationStartsTheTimerAtRotSpeedOnlyIn3D) {
    Chart1& c = chart();
    c.Toolbar1_ButtonClick(3);
    EXPECT_FALSE(c.Timer1->isActive()) << "the defaults leave the chart still";

    settings().Check1[0]->setChecked(true);
    EXPECT_TRUE(c.m20[0]->isChecked());
    ASSERT_TRUE(c.Timer1->isActive());
    EXPECT_EQ(c.Timer1->interval(), 100);
    settings().Check1[0]->setChecked(false);
    EXPECT_FALSE(c.m20[0]->isChecked());
    EXPECT_FALSE(c.Timer1->isActive());

    // The option switched on while the chart is 2D waits for the switch to 3D.
    c.Toolbar1_ButtonClick(2);
    c.m20[0]->trigger();
    EXPECT_FALSE(c.Timer1->isActive());
    c.Toolbar1_ButtonClick(3);
    EXPECT_TRUE(c.Timer1->isActive());
}

TEST_F(RotationTest, MenuMarksAndCheckBoxesStayInStep) {
    Chart1& c = chart();
    EXPECT_EQ(marks(), QStringList({"00", "11", "00"}));
    // A menu choice as the user makes it: Qt flips the mark, the item flips once in all.
    for (int i = 0; i < 3; ++i) c.m20[static_cast<std::size_t>(i)]->trigger();
    EXPECT_EQ(marks(), QStringList({"11", "00", "11"}));
    // A call from code flips once as well.
    c.m20_Click(2);
    EXPECT_EQ(marks(), QStringList({"11", "00", "00"}));
    // And the other way: the settings window's boxes set the marks.
    settings().Check1[1]->setChecked(true);
    settings().Check1[0]->setChecked(false);
    EXPECT_EQ(marks(), QStringList({"00", "11", "00"}));
    // Indices outside the menu do nothing.
    c.m20_Click(-1);
    c.m20_Click(4);
    EXPECT_EQ(marks(), QStringList({"00", "11", "00"}));
}

TEST_F(RotationTest, EachTickHandsTheSteppedAnglesToTheChart) {
    const struct {
        const char* name;
        bool perpendicular, horizontal;
        Angles tick30, tick33, tick34;
    } rows[] = {
        {"perpendicular", true, false, {360, 30}, {30, 30}, {40, 30}},
        {"horizontal", false, true, {60, 330}, {60, 360}, {60, 10}},
        {"both", true, true, {360, 330}, {30, 360}, {40, 10}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Chart1& c = turning();
        // The marks start afresh with each chart window; the boxes follow a menu choice.
        if (c.m20[1]->isChecked() != row.perpendicular) c.m20[1]->trigger();
        if (c.m20[2]->isChecked() != row.horizontal) c.m20[2]->trigger();
        c.m20_Click(3);
        ASSERT_TRUE(c.Timer1->isActive());

        const std::vector<Angles> shown = ticks(34);
        EXPECT_EQ(shown[0],
                  (Angles{row.perpendicular ? 70.f : 60.f, row.horizontal ? 40.f : 30.f}));
        EXPECT_EQ(shown[29], row.tick30);
        EXPECT_EQ(shown[32], row.tick33);
        EXPECT_EQ(shown[33], row.tick34);
        for (const Angles& a : shown) {
            EXPECT_GT(a.rotation, 0);
            EXPECT_GT(a.elevation, 0);
        }
        unload(c);
    }
}

TEST_F(RotationTest, TheThreeDViewFollowsEveryTick) {
    Chart1& c = turning();
    c.show();
    c.MSChart1->flush();
    Q3DBars* bars = c.MSChart1->bars3d();
    if (!bars) GTEST_SKIP() << "no OpenGL on this display";
    Q3DCamera* camera = bars->scene()->activeCamera();
    c.m20[2]->trigger();
    float lastX = camera->xRotation(), lastY = camera->yRotation();
    for (int i = 0; i < 5; ++i) {
        c.Timer1_Timer();
        c.MSChart1->flush();
        EXPECT_NE(camera->xRotation(), lastX) << "tick " << i + 1;
        EXPECT_NE(camera->yRotation(), lastY) << "tick " << i + 1;
        lastX = camera->xRotation();
        lastY = camera->yRotation();
    }
}

TEST_F(RotationTest, TwoDStopsAndThreeDGoesOnFromTheSameAngles) {
    Chart1& c = turning();
    ticks(4);
    c.Toolbar1_ButtonClick(2);
    EXPECT_FALSE(c.Timer1->isActive());
    EXPECT_EQ(c.lngRotation, 100);
    c.Toolbar1_ButtonClick(3);
    ASSERT_TRUE(c.Timer1->isActive());
    EXPECT_EQ(c.Timer1->interval(), 100);
    EXPECT_EQ(ticks(1).back(), (Angles{110, 30}));
}

TEST_F(RotationTest, ClosingStopsTheTimerAndTheNextWindowStartsAfresh) {
    Chart1& c = turning();
    ticks(3);
    c.close();
    EXPECT_FALSE(c.Timer1->isActive()) << "no tick between the close and the window's end";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // The box is still on; the next window turns from 60 and 30 once it is 3D.
    Chart1& again = chart();
    EXPECT_EQ(view(), (Angles{60, 30}));
    EXPECT_FALSE(again.Timer1->isActive());
    again.Toolbar1_ButtonClick(3);
    EXPECT_TRUE(again.Timer1->isActive());
    EXPECT_EQ(ticks(1).back(), (Angles{70, 30}));
}

TEST_F(RotationTest, BothResetsReturnTheViewAndLeaveTheTimerRunning) {
    Chart1& c = turning();
    c.m20[2]->trigger();
    const struct {
        const char* name;
        std::function<void()> reset;
    } resets[] = {
        {"Refresh Chart", [&] { c.m20[3]->trigger(); }},
        {"Refresh ", [&] { settings().Command1[0]->click(); }},
    };
    for (const auto& r : resets) {
        SCOPED_TRACE(r.name);
        ticks(7);
        r.reset();
        EXPECT_EQ(view(), (Angles{60, 30}));
        EXPECT_EQ(c.lngRotation, 60);
        EXPECT_EQ(c.lngElevation, 30);
        EXPECT_TRUE(c.Timer1->isActive());
        EXPECT_EQ(ticks(1).back(), (Angles{70, 40}));
    }
    EXPECT_EQ(settings().Command1[0]->text(), "Refresh ");
}

TEST_F(RotationTest, BothMovementsOffStopTheTimerWithDynamicRotationOn) {
    Chart1& c = turning();
    settings().Check1[1]->setChecked(false);
    EXPECT_FALSE(c.m20[1]->isChecked());
    EXPECT_FALSE(c.Timer1->isActive());
    // With nothing to move a tick changes nothing.
    EXPECT_EQ(ticks(1).back(), (Angles{60, 30}));
    settings().Check1[2]->setChecked(true);
    EXPECT_TRUE(c.Timer1->isActive());
}

TEST_F(RotationTest, TheSliderSetsTheIntervalOfTheTurningChart) {
    Chart1& c = turning();
    const int expected[] = {2000, 1262, 796, 502, 316, 100, 90, 80, 70, 60, 50};
    for (int v : {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 5}) {
        settings().Slider1->setValue(v);
        EXPECT_EQ(app.state().RotSpeed, expected[v]) << v;
        EXPECT_EQ(c.Timer1->interval(), expected[v]) << v;
    }
    // Keyboard steps on the slider go through the same handler.
    settings().Slider1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(c.Timer1->interval(), 316);
}

TEST_F(RotationTest, TheSliderWithoutAChartWindowSetsRotSpeedForTheNextOne) {
    settings().Slider1->setValue(10);
    EXPECT_EQ(app.state().RotSpeed, 50);
    EXPECT_EQ(app.chart1Loaded(), nullptr);
    EXPECT_EQ(app.state().ChartShown, 0);
    EXPECT_EQ(turning().Timer1->interval(), 50);

    // Closing the chart keeps the speed for the chart opened next.
    unload(chart());
    EXPECT_EQ(turning().Timer1->interval(), 50);
}

TEST_F(RotationTest, SeriesOneTakesTheChosenColour) {
    Chart1& c = chart();
    // The default option, before any conversion window was activated: black.
    EXPECT_EQ(grid().series1Color(), 0u);
    settings().Option1[0]->setChecked(true);
    EXPECT_EQ(grid().series1Color(), 255u);
    c.MSChart1->flush();
    EXPECT_EQ(c.MSChart1->seriesColor(1), QColor(255, 0, 0));

    app.state().PlotColor = 16777215u;
    c.Chart_color();
    EXPECT_EQ(c.MSChart1->seriesColor(1), QColor(255, 255, 255));
    // A rebuild keeps the colour last applied.
    c.Combo1->setCurrentIndex(2);
    EXPECT_EQ(grid().series1Color(), 16777215u);

    // A conversion window activated while the chart is loaded passes on its colour.
    settings().Option1[1]->setChecked(true);
    app.form1().Command1_Click(1);
    Form2& window = *app.conversionWindows().back();
    window.Form_Activate();
    ASSERT_TRUE(app.state().UnitCommandColor.has_value());
    EXPECT_EQ(grid().series1Color(), *app.state().UnitCommandColor & 0xFFFFFFu);
}

TEST_F(RotationTest, TheColourDialog) {
    Chart1& c = chart();
    Form3& f = settings();
    f.Option1[0]->setChecked(true);

    // Cancelled: nothing changes and nothing is said.
    f.Picture1_Click();
    EXPECT_EQ(dialogs.colorsOffered, std::vector<std::uint32_t>({255u}));
    EXPECT_EQ(app.state().PlotColor, 255u);
    EXPECT_EQ(f.Picture1->color(), 255u);
    EXPECT_EQ(grid().series1Color(), 255u);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // A colour picked under "Unit Coomand  color" is kept but the chart keeps its colour.
    f.Option1[1]->setChecked(true);
    const auto before = grid().series1Color();
    dialogs.colorAnswers.push_back(0x00A000u);
    f.Picture1_Click();
    EXPECT_EQ(app.state().PlotColor, 0x00A000u);
    EXPECT_EQ(f.Picture1->color(), 0x00A000u);
    EXPECT_EQ(grid().series1Color(), before);
    f.Option1[0]->setChecked(true);
    EXPECT_EQ(grid().series1Color(), 0x00A000u);

    // The next dialog starts from the colour chosen last.
    dialogs.colorAnswers.push_back(0x123456u);
    f.Picture1_Click();
    EXPECT_EQ(dialogs.colorsOffered.back(), 0x00A000u);
    EXPECT_EQ(grid().series1Color(), 0x123456u);
    EXPECT_EQ(c.MSChart1->seriesColor(1), QColor(0x56, 0x34, 0x12));
}

}  // namespace
}  // namespace zephal

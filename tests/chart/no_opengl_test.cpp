// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window on a display that cannot give OpenGL: CTest runs this program on a virtual
// screen started without the GLX extension (and once on the ordinary one). Switching to 3D must
// show the one-line note in the chart's place, every chart action must go on working, and
// nothing may crash.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProcessEnvironment>

#include "app/application.h"
#include "chart/chart_window.h"
#include "support/recording_dialogs.h"
#include "ui/chart_view.h"

namespace zephal {
namespace {

TEST(WithoutOpenGl, ThreeDShowsTheNoteAndNothingBreaks) {
    ui::RecordingDialogs dialogs;
    Application app(dialogs);
    AppState& s = app.state();
    s.Tmax = 10;
    s.ResetTables();
    s.RotSpeed = 100;
    s.PlotColor = 255;
    s.ChartValues.resize(3);
    s.ChartUnits.resize(3);
    for (int k = 1; k <= 2; ++k) {
        s.ChartValues[std::size_t(k)] = [k]() -> std::optional<QString> {
            return QString::number(k * 10);
        };
        s.ChartUnits[std::size_t(k)] = QStringLiteral("u%1").arg(k);
    }
    s.ChartCount = 2;

    Chart1& chart = app.chart1();
    chart.showModeless();
    chart.Toolbar1_ButtonClick(3);  // 3D
    QApplication::processEvents();

    const bool expectNoGl = qEnvironmentVariableIsSet("ZEPHAL_EXPECT_NO_OPENGL");
    if (expectNoGl) {
        ASSERT_NE(chart.MSChart1->unavailable3d(), nullptr);
        EXPECT_TRUE(chart.MSChart1->unavailable3d()->isVisible());
        EXPECT_FALSE(chart.MSChart1->unavailable3d()->text().isEmpty());
        EXPECT_EQ(chart.MSChart1->bars3d(), nullptr);
    } else {
        EXPECT_TRUE(
            chart.MSChart1->bars3d() != nullptr ||
            (chart.MSChart1->unavailable3d() && chart.MSChart1->unavailable3d()->isVisible()));
    }
    for (int index = 4; index <= 6; ++index) chart.Toolbar1_ButtonClick(index);
    for (int item = 0; item < 4; ++item) chart.m20_Click(item);
    for (int tick = 0; tick < 5; ++tick) chart.Timer1_Timer();
    chart.Toolbar1_ButtonClick(2);  // back to 2D
    chart.Toolbar1_ButtonClick(3);
    QApplication::processEvents();
    chart.close();
    EXPECT_EQ(s.ChartShown, 0);
}

}  // namespace
}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
// One rebuild of the chart window's chart: the percentage series of 20 units built into the
// grid and the view drawn again, in 2D and in 3D. Run it on a display (Xvfb will do; 3D then
// uses the software OpenGL).
//
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/bench/bench_chart_rebuild
//
// The values alternate between two sets, so every rebuild changes every bar. The plain "Value"
// case also alternates their scale tenfold, so the value axis is labelled anew each time.

#include <benchmark/benchmark.h>

#include <Q3DBars>
#include <QApplication>
#include <QChartView>
#include <QEvent>

#include "app/application.h"
#include "chart/chart_window.h"
#include "chart/series_builder.h"
#include "support/recording_dialogs.h"
#include "ui/chart_view.h"
#include "ui/fonts.h"
#include "ui/graph_3d_widget.h"

namespace zephal {
namespace {

constexpr int kUnits = 20;

void rebuild(benchmark::State& state, bool threeD, int position) {
    ui::RecordingDialogs dialogs;
    Application app(dialogs);
    std::vector<std::optional<QString>> boxes(kUnits);
    AppState& s = app.state();
    s.ChartValues.assign(1, ValueRef());
    s.ChartUnits.assign(1, std::nullopt);
    for (int k = 0; k < kUnits; ++k) {
        s.ChartValues.push_back([&boxes, k] { return boxes[static_cast<std::size_t>(k)]; });
        s.ChartUnits.push_back(QStringLiteral("unit %1").arg(k + 1));
    }
    s.ChartCount = kUnits;
    const auto fill = [&boxes, position](int round) {
        const double scale = position == kSeriesValue && round % 2 ? 10 : 1;
        for (int k = 0; k < kUnits; ++k) {
            boxes[static_cast<std::size_t>(k)] =
                QString::number(((k * 7 + round) % 23 + 1.5) * scale);
        }
    };
    fill(0);

    Chart1& chart = app.chart1();
    chart.show();
    chart.Combo1->setCurrentIndex(position);
    if (threeD) chart.Toolbar1_ButtonClick(3);
    chart.MSChart1->flush();
    QCoreApplication::processEvents();
    if (threeD && !chart.MSChart1->bars3d()) {
        state.SkipWithError("no OpenGL on this display");
        return;
    }

    int round = 0;
    for (auto _ : state) {
        fill(++round % 2);
        chart.Combo1_Click();
        chart.MSChart1->flush();
        QCoreApplication::processEvents();  // the 2D chart lays its items out here
        if (threeD) {
            // What the window does when the window system asks it for a frame: the graph
            // renders its picture, and the window paints it.
            chart.MSChart1->graph3d()->repaint();
        } else {
            chart.MSChart1->chartView2d()->viewport()->repaint();
        }
    }
}

BENCHMARK_CAPTURE(rebuild, 2d_percent, false, kSeriesValuePercent)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(rebuild, 3d_percent, true, kSeriesValuePercent)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(rebuild, 2d_value_rescaled, false, kSeriesValue)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace zephal

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    zephal::ui::fonts::registerSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A conversion of 20 rows (the arithmetic alone, the window's Converts writing its boxes, and
// the same with the chart window shown, which every conversion sends the rows to), and opening a
// conversion window of 20 units from the click to the window drawn on screen. Run on a display:
// xvfb-run -a -s "-screen 0 1600x1200x24" build/bench/bench_conversion
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_window.h"
#include "convert/conversion.h"
#include "convert/conversion_window.h"
#include "support/recording_dialogs.h"
#include "ui/chart_view.h"
#include "ui/fonts.h"

namespace {

constexpr int kUnits = 20;

// One tab, one quantity of 20 units, as the start-up reads it.
struct Program {
    Program() {
        QByteArray bytes = "0,Bench\r\n1,Twenty units\r\n";
        for (int i = 0; i < kUnits; ++i) {
            bytes += (i == 0 ? "3," : "2,") + QByteArray("Unit number ") + QByteArray::number(i) +
                     " (u" + QByteArray::number(i) + ")," +
                     QByteArray::number(1.0 + i * 0.3048, 'g', 7) + "\r\n";
        }
        QFile file(dir.filePath("zephal.zep"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        file.close();
        QDir::setCurrent(dir.path());
        app.onEnd = [] {};
        app.Main();
    }
    zephal::Form2& open() {
        app.form1().Command1_Click(1);
        return *app.conversionWindows().back();
    }

    QTemporaryDir dir;
    zephal::ui::RecordingDialogs dialogs;
    zephal::Application app{dialogs};
};

void BM_ConvertRowsArithmetic(benchmark::State& st) {
    std::vector<double> factors;
    for (int i = 0; i < kUnits; ++i)
        factors.push_back(zephal::convert::widenFactor(1.0f + i * 0.3048f));
    const QString entered = QStringLiteral("12.75");
    for (auto _ : st) {
        const auto x = zephal::convert::enteredValue(entered);
        for (int i = 0; i < kUnits; ++i) {
            benchmark::DoNotOptimize(zephal::convert::convertRow(x, factors, i, 3));
        }
    }
}
BENCHMARK(BM_ConvertRowsArithmetic)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_ConvertsWindow(benchmark::State& st) {
    Program program;
    zephal::Form2& window = program.open();
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : st) {
        // A new value each time, so that every box really changes.
        window.Text1->blockSignals(true);
        window.Text1->setText(QString::number(++step % 1000) + QStringLiteral(".25"));
        window.Text1->blockSignals(false);
        program.app.state().ConvertLock = 0;
        window.Converts();
    }
}
BENCHMARK(BM_ConvertsWindow)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// What one keystroke costs while the 2D chart is shown: the conversion, the rows sent to the
// chart, its rebuild and its drawing.
void BM_ConvertsWindowWithChart(benchmark::State& st) {
    Program program;
    zephal::Form2& window = program.open();
    window.Toolbar1_ButtonClick(4);
    zephal::Chart1& chart = program.app.chart1();
    chart.MSChart1->flush();
    QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : st) {
        window.Text1->blockSignals(true);
        window.Text1->setText(QString::number(++step % 1000) + QStringLiteral(".25"));
        window.Text1->blockSignals(false);
        program.app.state().ConvertLock = 0;
        window.Converts();
        chart.MSChart1->flush();
        QCoreApplication::processEvents();
        chart.repaint();
    }
}
BENCHMARK(BM_ConvertsWindowWithChart)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_OpenWindow(benchmark::State& st) {
    Program program;
    for (auto _ : st) {
        QElapsedTimer timer;
        timer.start();
        zephal::Form2& window = program.open();
        while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        st.SetIterationTime(timer.nsecsElapsed() / 1e9);
        delete &window;
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// The same, up to the moment the click handler returns: window built, loaded and shown, but
// not yet drawn by the display.
void BM_OpenWindowUntilShowReturns(benchmark::State& st) {
    Program program;
    for (auto _ : st) {
        QElapsedTimer timer;
        timer.start();
        zephal::Form2& window = program.open();
        st.SetIterationTime(timer.nsecsElapsed() / 1e9);
        delete &window;
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenWindowUntilShowReturns)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(30)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    QApplication qapp(argc, argv);
    zephal::ui::fonts::registerSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

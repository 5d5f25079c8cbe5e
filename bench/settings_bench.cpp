// SPDX-License-Identifier: GPL-3.0-or-later
// The display settings applied to the 200 buttons of the grid ("Ok"), a read laid out under the
// largest maximum of tabs, and opening the help window from the click to the window on screen.
// Run on a display: xvfb-run -a -s "-screen 0 1600x1200x24" build/bench/bench_settings
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QWindow>

#include "app/application.h"
#include "app/main_window.h"
#include "help/about_window.h"
#include "settings/setting_window.h"
#include "support/recording_dialogs.h"
#include "ui/fonts.h"

namespace {

// A program started in a folder holding a file of two tabs of three quantities.
struct Program {
    Program() {
        QFile file(dir.filePath("zephal.zep"));
        file.open(QIODevice::WriteOnly);
        for (int t = 0; t < 2; ++t) {
            file.write("0,Tab\r\n");
            for (int c = 0; c < 3; ++c) file.write("1,Quantity\r\n3,Metre (m),1\r\n");
        }
        file.close();
        QDir::setCurrent(dir.path());
        app.onEnd = [] {};
        app.Main();
    }

    QTemporaryDir dir;
    zephal::ui::RecordingDialogs dialogs;
    zephal::Application app{dialogs};
};

void BM_OkStylesTheGrid(benchmark::State& st) {
    Program program;
    zephal::Setting& setting = program.app.setting();
    bool japanese = false;
    for (auto _ : st) {
        japanese = !japanese;  // a real change of font every time
        setting.Check1[1]->setChecked(japanese);
        setting.Command1_Click(0);
    }
}
BENCHMARK(BM_OkStylesTheGrid)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_ReadUnderLargestMaximum(benchmark::State& st) {
    Program program;
    program.app.setting().Text1->setText(QStringLiteral("32767"));
    for (auto _ : st) program.app.form1().SetData(QStringLiteral("zephal.zep"));
}
BENCHMARK(BM_ReadUnderLargestMaximum)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_OpenHelpWindow(benchmark::State& st) {
    Program program;
    for (auto _ : st) {
        QElapsedTimer timer;
        timer.start();
        zephal::frmAbout& about = program.app.about();
        about.show();
        while (!about.windowHandle() || !about.windowHandle()->isExposed()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        st.SetIterationTime(timer.nsecsElapsed() / 1e9);
        about.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenHelpWindow)
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

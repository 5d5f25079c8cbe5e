// SPDX-License-Identifier: GPL-3.0-or-later
// The turning 3D chart at its fastest setting: 20 bars in an 800 x 600 chart, turning around
// both axes with the timer at 50 ms (slider at 10). For each tick it times the whole redraw,
// from the timer's tick to the end of the frame drawn for it, and reports the median and the
// slowest tick, how many ticks came in the time, and the program's CPU use while turning.
// Run on a display (Xvfb will do; the 3D chart then uses the software OpenGL):
//
//   xvfb-run -a -s "-screen 0 1600x1200x24" build/bench/bench_rotation [seconds] [slider]
//
// seconds: how long to turn (10); slider: the speed slider's position, 0 to 10 (10).

#include <unistd.h>

#include <Q3DBars>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/application.h"
#include "chart/chart_window.h"
#include "settings/chart_settings_window.h"
#include "support/recording_dialogs.h"
#include "ui/chart_view.h"
#include "ui/fonts.h"
#include "ui/graph_3d_widget.h"
#include "ui/twips.h"

namespace {

constexpr int kUnits = 20;
constexpr int kChartWidthPx = 800;
constexpr int kChartHeightPx = 600;

// CPU time of this process, all threads (the software renderer's included), in seconds.
double processCpuSeconds() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return 0;
    const QByteArray line = stat.readAll();
    // Fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return 0;
    const double ticks = fields[11].toDouble() + fields[12].toDouble();  // utime + stime
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Times each tick of the chart's timer: to the end of its first frame, and to the end of the
// last frame drawn before the next tick (the graph may draw more than once for one change). A
// frame is an update of the chart window in which the graph drew a new picture, timed to the
// end of the update, when the window is on the screen.
class TimingApplication final : public QApplication {
public:
    using QApplication::QApplication;

    QObject* timer = nullptr;
    QWidget* window = nullptr;
    const zephal::ui::Graph3dWidget* graph = nullptr;
    std::vector<double> firstFrameMs;  // tick to the end of its first frame
    std::vector<double> redrawMs;      // tick to the end of its last frame: the whole redraw
    std::vector<double> renderMs;      // each frame alone
    int ticks = 0;
    int frames = 0;

    void reset() {
        firstFrameMs.clear();
        redrawMs.clear();
        renderMs.clear();
        ticks = frames = 0;
        m_inTick = false;
    }
    void finishTick() {
        if (m_inTick && m_framesThisTick > 0) redrawMs.push_back(m_lastFrameEnd);
        m_inTick = false;
    }

    bool notify(QObject* receiver, QEvent* event) override {
        if (receiver == timer && timer && event->type() == QEvent::Timer) {
            finishTick();
            ++ticks;
            m_inTick = true;
            m_framesThisTick = 0;
            m_sinceTick.start();
            return QApplication::notify(receiver, event);
        }
        if (window && event->type() == QEvent::UpdateRequest &&
            (receiver == window || receiver == window->windowHandle())) {
            QElapsedTimer render;
            render.start();
            const int before = graph->frames();
            const bool handled = QApplication::notify(receiver, event);
            if (graph->frames() == before) return handled;
            ++frames;
            renderMs.push_back(static_cast<double>(render.nsecsElapsed()) / 1e6);
            if (m_inTick) {
                m_lastFrameEnd = static_cast<double>(m_sinceTick.nsecsElapsed()) / 1e6;
                if (m_framesThisTick++ == 0) firstFrameMs.push_back(m_lastFrameEnd);
            }
            return handled;
        }
        return QApplication::notify(receiver, event);
    }

private:
    bool m_inTick = false;
    int m_framesThisTick = 0;
    double m_lastFrameEnd = 0;
    QElapsedTimer m_sinceTick;
};

double percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(i, values.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
    TimingApplication qapp(argc, argv);
    zephal::ui::fonts::registerSubstitutes();
    const double seconds = argc > 1 ? std::max(1.0, std::atof(argv[1])) : 10.0;
    const int slider = argc > 2 ? std::atoi(argv[2]) : 10;

    using namespace zephal;
    ui::RecordingDialogs dialogs;
    Application app(dialogs);
    AppState& s = app.state();
    // What the main window's load step sets.
    s.PlotColor = 255u;
    s.RotSpeed = 100;
    std::vector<QString> boxes;
    s.ChartValues.assign(1, ValueRef());
    s.ChartUnits.assign(1, std::nullopt);
    for (int k = 0; k < kUnits; ++k) {
        boxes.push_back(QString::number((k * 7) % 23 + 1.5));
        s.ChartValues.push_back([&boxes, k] { return boxes[static_cast<std::size_t>(k)]; });
        s.ChartUnits.push_back(QStringLiteral("u%1").arg(k + 1));
    }
    s.ChartCount = kUnits;

    Chart1& chart = app.chart1();
    // The chart takes the window's size less fixed margins (Form_Resize); size the window so
    // that the chart is 800 x 600 pixels.
    const double tw = 1 / ui::pixelsPerTwip();
    ui::setWindowSizeTw(&chart, static_cast<int>(kChartWidthPx * tw + 7 * 45),
                        static_cast<int>(kChartHeightPx * tw + 2.3 * 495 + 1));
    chart.move(20, 20);
    chart.showModeless();
    chart.Toolbar1_ButtonClick(3);
    chart.MSChart1->flush();
    if (!chart.MSChart1->bars3d()) {
        std::fprintf(stderr, "no OpenGL on this display\n");
        return 1;
    }

    Form3& settings = app.form3();
    settings.Option1[0]->setChecked(true);  // the plot colour, red
    settings.Slider1->setValue(slider);
    settings.Check1[2]->setChecked(true);  // both movements
    settings.show();
    settings.move(chart.frameGeometry().right() + 20, 20);
    QApplication::processEvents();

    qapp.timer = chart.Timer1;
    qapp.window = &chart;
    qapp.graph = chart.MSChart1->graph3d();
    settings.Check1[0]->setChecked(true);  // "Dynamic Rotation for 3D Chart": turning

    // Measure after the first second, once the window system has settled.
    double cpuStart = 0;
    QElapsedTimer wall;
    QTimer::singleShot(1000, Qt::PreciseTimer, &qapp, [&] {
        qapp.reset();
        cpuStart = processCpuSeconds();
        wall.start();
        // exit, not quit: quit would close the windows first.
        QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &qapp,
                           [] { QCoreApplication::exit(0); });
    });
    QApplication::exec();
    qapp.finishTick();

    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    const double cpu = processCpuSeconds() - cpuStart;
    const int interval = chart.Timer1->interval();
    const auto& redraws = qapp.redrawMs;
    const auto late =
        std::count_if(redraws.begin(), redraws.end(), [&](double ms) { return ms > interval; });
    std::printf("chart %dx%d px, %d bars, interval %d ms, %.1f s\n", chart.MSChart1->width(),
                chart.MSChart1->height(), kUnits, interval, elapsed);
    std::printf("ticks %d (%.1f/s, the timer asks %.1f/s), frames %d\n", qapp.ticks,
                qapp.ticks / elapsed, 1000.0 / interval, qapp.frames);
    std::printf("tick to its first frame drawn: median %.2f ms, slowest %.2f ms\n",
                percentile(qapp.firstFrameMs, 0.5), percentile(qapp.firstFrameMs, 1.0));
    std::printf(
        "tick to its last frame drawn (whole redraw): median %.2f ms, 90%% %.2f ms, "
        "slowest %.2f ms; over the interval: %ld of %zu\n",
        percentile(redraws, 0.5), percentile(redraws, 0.9), percentile(redraws, 1.0),
        static_cast<long>(late), redraws.size());
    std::printf("one frame alone: median %.2f ms, slowest %.2f ms\n",
                percentile(qapp.renderMs, 0.5), percentile(qapp.renderMs, 1.0));
    std::printf("CPU while turning: %.1f %% of one core (%.2f s in %.1f s)\n", 100 * cpu / elapsed,
                cpu, elapsed);
    return 0;
}

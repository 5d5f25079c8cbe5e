// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup_probe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace zephal {
namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

class Probe final : public QObject {
public:
    Probe(QWidget* window, long long startedAt) : QObject(window), m_startedAt(startedAt) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            // Report once the paint has been handed to the display.
            QTimer::singleShot(0, this, [this] {
                const double ms = (monotonicNanoseconds() - m_startedAt) / 1e6;
                std::printf("startup_ms=%.1f rss_kb=%ld\n", ms, residentKilobytes());
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    long long m_startedAt;
    bool m_reported = false;
};

}  // namespace

void installStartupProbe(QWidget* mainWindow) {
    const QByteArray value = qgetenv("ZEPHAL_STARTUP_PROBE");
    if (value.isEmpty()) return;
    new Probe(mainWindow, value.toLongLong());
}

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a unit data file at the full limits: 10 tabs, 20 commands, 20 units (4,210 lines).
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "units/unit_reader.h"

namespace {

QString writeFullFile(const QTemporaryDir& dir) {
    QByteArray bytes = "# full limits\r\n";
    for (int t = 0; t < 10; ++t) {
        bytes += "0,Tab " + QByteArray::number(t) + "\r\n";
        for (int c = 0; c < 20; ++c) {
            bytes += "1,Quantity " + QByteArray::number(c) + "\r\n";
            for (int i = 0; i < 20; ++i) {
                bytes += (i == 0 ? "3," : "2,") + QByteArray("Unit number ") +
                         QByteArray::number(i) + " (u" + QByteArray::number(i) + ")," +
                         QByteArray::number(1.0 + i * 0.3048, 'g', 7) + "\r\n";
            }
        }
    }
    const QString path = dir.filePath("full.zep");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

void BM_ReadFullFile(benchmark::State& st) {
    QTemporaryDir dir;
    const QString path = writeFullFile(dir);
    zephal::AppState state;
    state.Tmax = 10;
    zephal::units::ReaderHost host{[](const QString&) {}, [](const QString&) {},
                                   [] { return true; }};
    for (auto _ : st) {
        const auto result = zephal::units::SetData(path, state, host);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ReadFullFile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();

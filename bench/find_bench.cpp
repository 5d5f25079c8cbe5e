// SPDX-License-Identifier: GPL-3.0-or-later
// Quick find on a file at the full limits (10 tabs, 20 quantities a tab, 20 units a quantity:
// 4,000 units), named after the shipped file's units and quantities over and over: one match of
// a typed text, as each keystroke asks for, and the building of the index, as each read asks for
// (which reads what every quantity measures).
//   build/bench/bench_find
#include <benchmark/benchmark.h>

#include <QStringList>

#include "app/unit_finder.h"
#include "units/unit_reader.h"

namespace {

zephal::AppState fullLimitState() {
    zephal::AppState shipped;
    shipped.Tmax = 10;
    const zephal::units::ReaderHost host{[](const QString&) {}, [](const QString&) {},
                                         [] { return true; }};
    zephal::units::SetData(QStringLiteral(ZEPHAL_SOURCE_DIR "/data/zephal.zep"), shipped, host);
    QStringList captions, units;
    for (int t = 0; t < 10; ++t) {
        for (int c = 0; c < shipped.tables.TabItems(t).Count; ++c) {
            const zephal::CommandItem& command = shipped.tables.CommandItems(c, t);
            captions << command.Name;
            for (int i = 0; i < command.Count; ++i)
                units << shipped.tables.FunctionItems(c, i, t).Name;
        }
    }

    zephal::AppState state;
    state.Tmax = 10;
    state.ResetTables();
    state.UTn = 10;
    for (int t = 0; t < 10; ++t) {
        state.tables.editTabItems(t) = {QStringLiteral("Tab %1").arg(t), 20};
        for (int c = 0; c < 20; ++c) {
            const int quantity = 20 * t + c;
            state.tables.editCommandItems(c, t) = {captions[quantity % captions.size()], 0, 20};
            for (int i = 0; i < 20; ++i) {
                state.tables.editFunctionItems(c, i, t) = {
                    units[(20 * quantity + i) % units.size()], 1};
            }
        }
    }
    return state;
}

const zephal::AppState& state() {
    static const zephal::AppState s = fullLimitState();
    return s;
}

void BM_Find(benchmark::State& st, const char16_t* typed) {
    const zephal::UnitFinder finder(state());
    const QString query = QString::fromUtf16(typed);
    for (auto _ : st) benchmark::DoNotOptimize(finder.find(query));
}

void BM_BuildIndex(benchmark::State& st) {
    for (auto _ : st) benchmark::DoNotOptimize(zephal::UnitFinder(state()));
}

// Texts that match many entries, one, none, and a value with its unit, which is matched twice;
// units read as expressions: one the file lacks, one that reads two ways, a plural, a word for
// a quantity, and the longest expression that is read, with every kind of word and sign.
#define FIND_BENCHMARK(name, typed)         \
    BENCHMARK_CAPTURE(BM_Find, name, typed) \
        ->Unit(benchmark::kMicrosecond)     \
        ->Repetitions(9)                    \
        ->ReportAggregatesOnly(true)
FIND_BENCHMARK(one_letter, u"m");
FIND_BENCHMARK(symbol, u"MPa");
FIND_BENCHMARK(value_and_unit, u"355 MPa");
FIND_BENCHMARK(long_symbol, u"kgf*s^2/m^4");
FIND_BENCHMARK(words, u"kilonewton per");
FIND_BENCHMARK(nothing, u"xyz");
FIND_BENCHMARK(unit_not_listed, u"355 N/cm2");
FIND_BENCHMARK(two_readings, u"W/mK");
FIND_BENCHMARK(plural, u"tons");
FIND_BENCHMARK(quantity_word, u"Young's modulus");
FIND_BENCHMARK(longest_expression,
               u"kNm/(mm2 s)*kip-ft/lb in^0.5/(W/mK) kgf*cm-2 deg C psf/klf/#*\u221Am");
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();

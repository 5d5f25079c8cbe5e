// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed or pasted into the find field, against the shipped data file and against a
// file at every limit: no crash, matches within the grid, and no text slower than 10 ms.
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/unit_finder.h"
#include "units/unit_reader.h"

namespace {

zephal::AppState shippedState() {
    zephal::AppState state;
    state.Tmax = 10;
    const zephal::units::ReaderHost host{[](const QString&) {}, [](const QString&) {},
                                         [] { return true; }};
    zephal::units::SetData(QStringLiteral(ZEPHAL_SOURCE_DIR "/data/zephal.zep"), state, host);
    return state;
}

// Every tab, quantity and unit filled, with the shipped file's units in turn, so that a query
// meets as many entries and quantities of each kind as a file can hold.
zephal::AppState fullState(const zephal::AppState& shipped) {
    std::vector<zephal::CommandItem> commands;
    std::vector<std::vector<zephal::FunctionItem>> units;
    for (int t = 0; t < 10; ++t) {
        for (int c = 0; c < shipped.tables.TabItems(t).Count; ++c) {
            commands.push_back(shipped.tables.CommandItems(c, t));
            units.emplace_back();
            for (int i = 0; i < commands.back().Count; ++i) {
                units.back().push_back(shipped.tables.FunctionItems(c, i, t));
            }
        }
    }
    zephal::AppState state;
    state.Tmax = 10;
    state.ResetTables();
    state.UTn = 10;
    for (int t = 0; t < 10; ++t) {
        state.tables.editTabItems(t) = {QStringLiteral("Tab %1").arg(t), 20};
        for (int c = 0; c < 20; ++c) {
            const std::size_t q = static_cast<std::size_t>(20 * t + c) % commands.size();
            state.tables.editCommandItems(c, t) = {commands[q].Name, 0, 20};
            for (int i = 0; i < 20; ++i) {
                state.tables.editFunctionItems(c, i, t) =
                    units[q][static_cast<std::size_t>(i) % units[q].size()];
            }
        }
    }
    return state;
}

// The processor time of this thread, not the time on the clock: the machine's other work
// counts for nothing. The fastest of three runs, so that a cache gone cold is not a finding.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return 1e3 * static_cast<double>(now.tv_sec) + 1e-6 * static_cast<double>(now.tv_nsec);
}

double slowestMilliseconds(const zephal::UnitFinder& finder, const QString& text) {
    double best = 1e9;
    for (int run = 0; run < 3 && best > 10; ++run) {
        const double start = threadMilliseconds();
        const zephal::FindResult result = finder.find(text);
        const double took = threadMilliseconds() - start;
        best = std::min(best, took);
        if (result.matches.size() > std::size_t(zephal::kMaxFindMatches)) std::abort();
        for (const zephal::FindMatch& match : result.matches) {
            if (match.button < 1 || match.button > 200) std::abort();
            if (match.unit < -1 || match.unit > 19) std::abort();
            if (match.label.isEmpty()) std::abort();
        }
    }
    return best;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const zephal::AppState shipped = shippedState();
    static const zephal::UnitFinder finders[] = {zephal::UnitFinder(shipped),
                                                 zephal::UnitFinder(fullState(shipped))};
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const zephal::UnitFinder& finder : finders) {
        const double took = slowestMilliseconds(finder, text);
        if (took > 10) {
            std::fprintf(stderr, "a query of %lld characters took %.1f ms\n",
                         static_cast<long long>(text.size()), took);
            std::abort();
        }
    }
    return 0;
}

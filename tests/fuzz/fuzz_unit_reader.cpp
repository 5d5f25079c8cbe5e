// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a unit data file: the reader must end, the tables stay within their limits, and
// every row a window would show has names for a screen reader.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

#include "convert/conversion.h"
#include "units/unit_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    // The first byte picks the maximum number of tabs and the reset option.
    const int control = size > 0 ? data[0] : 0;
    const int fd = memfd_create("zep", MFD_CLOEXEC);
    if (fd < 0) return 0;
    if (size > 1 && ::write(fd, data + 1, size - 1) != ssize_t(size - 1)) std::abort();
    const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);

    zephal::AppState state;
    state.Tmax = 10;
    state.ResetTables();
    state.Tmax = static_cast<std::int16_t>((control & 0x0F) - 2);  // -2 .. 13
    int messages = 0;
    zephal::units::ReaderHost host{[](const QString&) {}, [&](const QString&) { ++messages; },
                                   [&] { return (control & 0x10) == 0; }};
    zephal::units::SetData(path, state, host);
    ::close(fd);

    for (int t = 0; t < state.tables.tabCount(); ++t) {
        const auto& tab = state.tables.TabItems(t);
        if (tab.Count < 0 || tab.Count > 20) std::abort();
        for (int c = 0; c < 20; ++c) {
            const auto& command = state.tables.CommandItems(c, t);
            if (command.Count < 0 || command.Count > 20) std::abort();
            if (command.BaseIndex < 0 || command.BaseIndex > 19) std::abort();
            // What a screen reader hears of each row names its unit, whatever the file says.
            const auto table = zephal::convert::buildUnitTable(state.tables, {t, c});
            for (qsizetype i = 0; i < table.items.size(); ++i) {
                const auto names = zephal::convert::rowNames(table.names[i], table.items[i],
                                                             static_cast<int>(i) + 1);
                if (names.unit.isEmpty() || !names.value.endsWith(names.unit)) std::abort();
            }
        }
    }
    return 0;
}

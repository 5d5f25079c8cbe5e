// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary cell texts through the series builder: every series, layout and log switch, boxes
// that have gone away; the build must end with the grid consistent, intMaxRow an entry, every
// bar it leaves out an entry, and the note and each bar's pop-up text made without a crash.
#include <QString>
#include <QStringList>
#include <cstdlib>

#include "chart/chart_grid.h"
#include "chart/point_caption.h"
#include "chart/series_builder.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    if (size < 1) return 0;
    const int control = data[0];
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QStringList cells = text.split(u'\n');
    const int n = std::min<int>(int(cells.size()), 64);

    std::vector<zephal::ValueRef> values(std::size_t(n) + 1);
    std::vector<std::optional<QString>> units(std::size_t(n) + 1);
    for (int k = 1; k <= n; ++k) {
        const QString cell = cells[k - 1];
        // A cell starting with "~" stands for a value box whose window has closed.
        values[std::size_t(k)] = [cell]() -> std::optional<QString> {
            if (cell.startsWith(u'~')) return std::nullopt;
            return cell;
        };
        units[std::size_t(k)] = QStringLiteral("u%1").arg(k);
    }

    zephal::ChartGrid grid;
    grid.setChartType((control & 0x40) ? zephal::kChartType3D : zephal::kChartType2D);
    const zephal::SeriesInput input{
        values, units, static_cast<std::int16_t>(n), control & 0x07,
        zephal::ChartModes{(control & 0x08) != 0, (control & 0x10) != 0}};
    std::vector<zephal::NoBar> noBars;
    const std::int16_t maxRow = zephal::buildSeries(grid, input, &noBars);
    if (maxRow < 1 || (n > 0 && maxRow > n)) std::abort();
    const int entries = input.modes.blnIndividual ? grid.columnCount() : grid.rowCount();
    if (entries != n) std::abort();
    for (const zephal::NoBar& bar : noBars) {
        if (bar.entry < 1 || bar.entry > n) std::abort();
    }
    (void)zephal::noBarNote(noBars, units);
    for (int k = 1; k <= n; ++k) {
        input.modes.blnIndividual ? grid.setColumn(k) : grid.setRow(k);
        (void)zephal::pointCaption({grid.data().value_or(QString()), cells[k - 1], input.position,
                                    input.modes.blnLogChart, cells[0]});
    }
    return 0;
}

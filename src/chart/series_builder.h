// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The series builder of the chart window: reads the chart data a conversion window sent, lays
// the chart grid out for the current layout and writes one of six series into it as text.
//
// A cell whose value cannot be worked out (a text that is not a number or a box that is gone,
// a division by zero, the square root of a negative value, the logarithm of a value that is not
// positive, a percentage beyond single precision) is left without a value, so the chart draws
// no bar for it rather than a number that belongs to something else. Grid operations that the
// grid refuses are skipped and the build goes on.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/app_state.h"

namespace zephal {

class ChartGrid;

// Positions of the series list.
enum SeriesPosition : int {
    kSeriesValue = 0,
    kSeriesValuePercent = 1,
    kSeriesInverse = 2,
    kSeriesInversePercent = 3,
    kSeriesSquareRoot = 4,
    kSeriesSquareRootPercent = 5,
};

// The percentage series sit at the odd positions.
inline bool isPercentageSeries(int position) {
    return position % 2 != 0;
}

// The chart window's two layout switches; they outlive a close of the window.
struct ChartModes {
    bool blnIndividual = false;  // one series per unit, named in the legend
    bool blnLogChart = false;    // base-10 logarithms of the values
};

// What one build reads.
struct SeriesInput {
    const std::vector<ValueRef>& values;               // ChartValues, entry 0 unused
    const std::vector<std::optional<QString>>& units;  // ChartUnits, same bounds
    std::int16_t count = 0;                            // ChartCount
    int position = kSeriesValue;                       // selected position of the series list
    ChartModes modes;
};

// log10(v) for v > 0, else 0. The builder takes no logarithm of a value that is not positive.
double Log_value(double v);

// Why an entry of the chart data has no bar.
enum class NoBarReason {
    NoResult,  // its box shows no number
    InverseOfZero,
    RootOfNegative,
    LogOfNotPositive,
    BeyondRange,    // an inverse or a percentage no single holds
    LargestIsZero,  // a percentage of a largest value of 0
};
struct NoBar {
    int entry = 0;  // 1-based, as in ChartValues
    NoBarReason reason = NoBarReason::NoResult;
};

// Builds the series into the grid; returns intMaxRow, the entry of the largest value of a
// percentage series (1 for the other series and when nothing was larger). Each entry left
// without a bar is added to `noBars`, when given, with the reason.
std::int16_t buildSeries(ChartGrid& grid, const SeriesInput& input,
                         std::vector<NoBar>* noBars = nullptr);

// The words the chart window shows under the bars: "No bar for mm, km: inverse of 0", the units
// grouped by reason ("...; for ft: beyond the range"); empty when every bar is drawn.
QString noBarNote(const std::vector<NoBar>& noBars,
                  const std::vector<std::optional<QString>>& units);

}  // namespace zephal

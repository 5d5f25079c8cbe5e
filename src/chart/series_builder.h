#pragma once
// The series builder of the chart window: reads the chart data a conversion window sent, lays
// the chart grid out for the current layout and writes one of six series into it as text.
//
// Every step runs on its own: a step that cannot run (a value that is not a number, a division
// by zero, the square root of a negative value, an entry beyond the data, a size the grid
// refuses) is skipped and leaves what it would have changed as it was. That is why a
// percentage entry whose value cannot be computed receives the percentage computed before it.

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

// log10(v) for v > 0, else 0.
double Log_value(double v);

// Builds the series into the grid; returns intMaxRow, the entry of the largest value of a
// percentage series (1 for the other series and when nothing was larger).
std::int16_t buildSeries(ChartGrid& grid, const SeriesInput& input);

}  // namespace zephal

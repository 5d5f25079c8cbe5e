// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The numbers the exerciser expects, worked out by plain arithmetic in double precision: its
// own reading of what a value box holds, each row's scale and value, and each series of the
// chart. The program keeps 7 significant digits, so a number shown is compared with these
// within that tolerance, never digit for digit.

#include <QString>
#include <optional>
#include <vector>

namespace zephal::exercise {

// What a box may show for a number worked out here.
struct Expected {
    std::optional<double> value;  // a number within tolerance of this; nothing: an empty box
    bool either = false;          // so close to the end of the single range that both may do
};

// The value box's text as its reader must take it: blanks left out, the longest number at the
// start ("," ends it), &H and &O whole numbers; text without a number is 0.
double ownTypedValue(const QString& text);

// A number as a box must show it: nothing beyond the single range or, unless 0, below the
// smallest normal single, where 7 digits can no longer be held.
Expected ownShown(double value);

// The scale and the value of row i of a window with these factors, `selected` the unit of the
// value, `typed` the value box's text.
struct ExpectedRow {
    Expected scale, value;
};
ExpectedRow ownRow(const std::vector<double>& factors, int i, int selected, const QString& typed);

// The cells of series `position` (0 to 5) of these values, nothing where a cell has no bar.
std::vector<std::optional<double>> ownSeries(const std::vector<std::optional<double>>& values,
                                             int position, bool log);

// True when the text shows what is expected: a number within `tolerance` (relative, plus
// `absolute`), or empty where nothing is.
bool ownMatches(const QString& shown, const Expected& expected, double tolerance,
                double absolute = 0);

// The value box's number written as the chart caption names it: 7 significant digits, or 15
// where a single cannot hold it.
QString ownValueAsRead(const QString& typed);

}  // namespace zephal::exercise

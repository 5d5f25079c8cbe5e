// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text the chart window pops up for a bar: its value, to the 7 digits the data carry, and
// the unit that value is in, which for the inverse and square-root series is not the unit of
// the row but its reciprocal or its root.

#include <QString>

namespace zephal {

struct PointInput {
    QString data;         // the cell as text; empty when it holds no value
    QString label;        // the unit name of the bar
    int position = 0;     // the series (SeriesPosition)
    bool log = false;     // the cell holds a base-10 logarithm
    QString largestUnit;  // percentage series: the unit name of the largest entry
};

QString pointCaption(const PointInput& point);

// The unit of series `position` for a row in `unit`: "1/mi" for an inverse, "√mi" for a square
// root, and `unit` itself otherwise. A unit of several parts is put in parentheses first
// ("1/(kN･m)"), so that the sign takes the whole of it.
QString seriesUnit(const QString& unit, int position);

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/point_caption.h"

#include <cmath>

#include "chart/series_builder.h"
#include "convert/number_text.h"

namespace zephal {
namespace {

// The point pop-up's separator between the unit of the largest entry and the bar's label.
const QString kPercentSeparator = QString(QChar(0xFF65));

bool severalParts(const QString& unit) {
    for (const QChar c : unit) {
        if (c == u'/' || c == u'･' || c == u'·' || c == u'*' || c == u'^' || c == u' ' || c == u'-')
            return true;
    }
    return false;
}

}  // namespace

QString seriesUnit(const QString& unit, int position) {
    if (unit.isEmpty()) return unit;
    const QString whole = severalParts(unit) ? u'(' + unit + u')' : unit;
    switch (position) {
        case kSeriesInverse:
        case kSeriesInversePercent:
            return QStringLiteral("1/") + whole;
        case kSeriesSquareRoot:
        case kSeriesSquareRootPercent:
            return QStringLiteral("√") + whole;
        default:
            return unit;
    }
}

QString pointCaption(const PointInput& point) {
    // A cell that could not be worked out has no bar and no number to tell.
    if (point.data.isEmpty()) return point.label + QStringLiteral(": no value");
    QString value;
    if (point.log) {
        value = number::writeScientific3(std::pow(10.0, number::readLenient(point.data)));
    } else {
        // The inverses and roots are worked out in double precision from 7-digit values: more
        // digits than 7 would only be noise.
        const auto v = number::readStrict(point.data);
        value = v ? number::writeSevenDigits(*v) : point.data;
    }
    const QString unit = seriesUnit(point.label, point.position);
    if (isPercentageSeries(point.position)) {
        return value + QStringLiteral("% ") + seriesUnit(point.largestUnit, point.position) +
               kPercentSeparator + unit;
    }
    return value + u' ' + unit;
}

}  // namespace zephal

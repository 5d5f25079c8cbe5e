// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/point_caption.h"

#include <gtest/gtest.h>

#include "chart/series_builder.h"

namespace zephal {
namespace {

// The pop-up names the unit the value is in, to the 7 digits the data carry.
TEST(PointCaption, ValueToSevenDigitsInTheSeriesUnit) {
    const struct {
        PointInput point;
        const char* caption;
    } cases[] = {
        {{"1234.5", "mm", kSeriesValue, false, ""}, "1234.5 mm"},
        {{"321.868795978958", "mi", kSeriesInverse, false, ""}, "321.8688 1/mi"},
        {{"2.23606797749979", "mi", kSeriesSquareRoot, false, ""}, "2.236068 √mi"},
        {{"0.5", "kN･m", kSeriesInverse, false, ""}, "0.5 1/(kN･m)"},
        {{"3", "mm", kSeriesValue, true, ""}, "1.000e+03 mm"},
        {{"25", "N", kSeriesValuePercent, false, "kN"}, "25% kN･N"},
        {{"25", "N", kSeriesInversePercent, false, "kN"}, "25% 1/kN･1/N"},
        {{"", "mm", kSeriesInverse, false, ""}, "mm: no value"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pointCaption(c.point), QString::fromUtf8(c.caption)) << c.caption;
    }
}

}  // namespace
}  // namespace zephal

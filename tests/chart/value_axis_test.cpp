// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/value_axis.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace zephal {
namespace {

TEST(ValueAxisRange, RoundEndsWithoutAnEmptyStep) {
    const struct {
        double low, high, limit;
        ValueAxisRange expected;
    } cases[] = {
        {-10, 2500, DBL_MAX, {-500, 2500, 6}},
        {2, 8, DBL_MAX, {0, 8, 8}},
        {0, 7.3, DBL_MAX, {0, 7.5, 3}},
        {-4.3, -0.2, DBL_MAX, {-5, 0, 5}},
        {-3.2, 5.4, DBL_MAX, {-4, 6, 5}},
        {0, 1, DBL_MAX, {0, 1, 5}},
        {0, 0, DBL_MAX, {0, 1, 5}},  // nothing to draw
        {1e-38, 3e-38, DBL_MAX, {0, 3e-38, 6}},
        {0, 3.4e38, DBL_MAX, {0, 3.5e38, 7}},
        // Single precision ends below 3.5E+38: the ends are cut where round labels still fit.
        {0, 3.4e38, FLT_MAX, {0, 3.4e38, 2}},
        {-3e38, 3.4e38, FLT_MAX, {-3.4e38, 3.4e38, 4}},
    };
    for (const auto& c : cases) {
        const ValueAxisRange r = valueAxisRange(c.low, c.high, c.limit);
        EXPECT_DOUBLE_EQ(r.low, c.expected.low) << c.low << " " << c.high;
        EXPECT_DOUBLE_EQ(r.high, c.expected.high) << c.low << " " << c.high;
        EXPECT_EQ(r.segments, c.expected.segments) << c.low << " " << c.high;
    }
}

}  // namespace
}  // namespace zephal

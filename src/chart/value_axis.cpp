// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/value_axis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace zephal {
namespace {

// More steps than this crowd the labels of a chart at its default size.
constexpr int kMaxSegments = 8;
// Steps are these times a power of ten.
constexpr std::array<double, 4> kMantissas = {1, 2, 2.5, 5};
// A value a hair past a multiple of the step (0.6 / 0.2 = 3.0000000000000004) is on it.
constexpr double kSlack = 1e-9;

}  // namespace

ValueAxisRange valueAxisRange(double low, double high, double limit) {
    low = std::min(low, 0.0);
    high = std::max(high, 0.0);
    if (!(high > low)) high = low + 1;

    // From the finest step to the coarsest; of equal spans the finer step wins, as it reads
    // closer. Not every coarser step spans more: 0 to 4.9 takes 0 to 5 in steps of 2.5 but
    // 0 to 6 in steps of 2.
    const int top = static_cast<int>(std::ceil(std::log10((high - low) / kMaxSegments)));
    std::optional<ValueAxisRange> best;
    for (int exponent = top - 1; exponent <= top + 1; ++exponent) {
        for (const double mantissa : kMantissas) {
            const double step = mantissa * std::pow(10.0, exponent);
            const double first = std::floor(low / step + kSlack);
            const double last = std::ceil(high / step - kSlack);
            if (last - first > kMaxSegments) continue;
            const ValueAxisRange range{first * step, last * step, static_cast<int>(last - first)};
            if (-range.low > limit || range.high > limit) continue;
            if (!best || range.high - range.low < best->high - best->low) best = range;
        }
    }
    if (best) return *best;
    // No round step keeps the ends within the limit: the steps divide the limit's first two
    // digits (3.4E+38 of 3.402823E+38) as finely as they allow.
    const double unit = std::pow(10.0, std::floor(std::log10(limit)) - 1);
    const auto digits = static_cast<long long>(std::floor(limit / unit));
    int parts = kMaxSegments;
    while (digits % parts != 0) --parts;
    const double step = static_cast<double>(digits) * unit / parts;
    const double first = std::max(std::floor(low / step + kSlack), -static_cast<double>(parts));
    const double last = std::min(std::ceil(high / step - kSlack), static_cast<double>(parts));
    return {first * step, last * step, static_cast<int>(last - first)};
}

}  // namespace zephal

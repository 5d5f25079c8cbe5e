// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/series_builder.h"

#include <cmath>

#include "chart/chart_grid.h"
#include "convert/number_text.h"

namespace zephal {

double Log_value(double v) {
    if (v > 0) return std::log(v) / std::log(10.0);
    return 0;
}

namespace {

class Build {
public:
    Build(ChartGrid& grid, const SeriesInput& input) : m_grid(grid), m_in(input) {}

    std::int16_t run() {
        layOut();
        writeSeries();
        if (m_in.modes.blnIndividual && m_grid.chartType() == kChartType2D) {
            m_grid.setRowLabel(QString());
        }
        return m_intMaxRow;
    }

private:
    int n() const { return m_in.count; }
    bool individual() const { return m_in.modes.blnIndividual; }

    // The text of ChartValues entry k; nothing when there is no such entry or its box is gone.
    std::optional<QString> text(int k) const {
        if (k < 0 || static_cast<std::size_t>(k) >= m_in.values.size()) return std::nullopt;
        const ValueRef& ref = m_in.values[static_cast<std::size_t>(k)];
        if (!ref) return std::nullopt;
        return ref();
    }

    std::optional<double> x(int k) const {
        const auto t = text(k);
        if (!t) return std::nullopt;
        const auto v = number::readStrict(*t);
        if (!v || !std::isfinite(*v)) return std::nullopt;
        return v;
    }

    // The value a series computes from entry k, or nothing when it cannot be computed.
    std::optional<double> base(int k) const {
        const auto v = x(k);
        if (!v) return std::nullopt;
        switch (m_in.position) {
            case kSeriesInverse:
            case kSeriesInversePercent: {
                if (*v == 0) return std::nullopt;
                const double inverse = 1.0 / *v;
                if (!std::isfinite(inverse)) return std::nullopt;
                return inverse;
            }
            case kSeriesSquareRoot:
            case kSeriesSquareRootPercent:
                if (*v < 0) return std::nullopt;
                return std::sqrt(*v);
            default:
                return v;
        }
    }

    std::optional<QString> unitLabel(int k) const {
        if (k < 0 || static_cast<std::size_t>(k) >= m_in.units.size()) return std::nullopt;
        return m_in.units[static_cast<std::size_t>(k)].value_or(QString());
    }

    bool select(int k) { return individual() ? m_grid.setColumn(k) : m_grid.setRow(k); }

    void layOut() {
        if (individual()) {
            m_grid.setRowCount(1);
            m_grid.setRow(1);
            m_grid.setColumnCount(n());
        } else {
            m_grid.setColumnCount(1);
            m_grid.setColumn(1);
            m_grid.setRowCount(n());
        }
        for (int k = 1; k <= n(); ++k) {
            if (!select(k)) continue;
            const auto t = text(k);
            if (!t || !m_grid.setData(*t)) m_grid.clearData();
            if (const auto label = unitLabel(k)) {
                if (individual()) {
                    m_grid.setColumnLabel(*label);
                } else {
                    m_grid.setRowLabel(*label);
                }
            }
        }
    }

    // Writes v, or its logarithm on the logarithmic scale, into the selected cell; a value
    // that cannot be drawn leaves the cell without one.
    void write(std::optional<double> v, bool single) {
        if (v && m_in.modes.blnLogChart) {
            if (*v > 0) {
                m_grid.setData(number::writeDouble(Log_value(*v)));
                return;
            }
        } else if (v) {
            m_grid.setData(single ? number::writeSingle(static_cast<float>(*v))
                                  : number::writeDouble(*v));
            return;
        }
        m_grid.clearData();
    }

    void writeSeries() {
        switch (m_in.position) {
            case kSeriesValue:
                // Plain values keep the texts the layout wrote.
                if (!m_in.modes.blnLogChart) return;
                [[fallthrough]];
            case kSeriesInverse:
            case kSeriesSquareRoot:
                for (int k = 1; k <= n(); ++k) {
                    if (select(k)) write(base(k), false);
                }
                return;
            case kSeriesValuePercent:
            case kSeriesInversePercent:
            case kSeriesSquareRootPercent:
                writePercentages();
                return;
            default:
                return;
        }
    }

    // Percentages of the largest value, which starts as the first entry's value at full
    // precision; until a value is found it is unset and compares as 0.
    void writePercentages() {
        std::optional<double> m;
        if (const auto b = base(1)) m = *b;
        for (int k = 1; k <= n(); ++k) {
            const auto b = base(k);
            if (!b) continue;
            const auto c = number::toSingle(*b);
            if (c.ok() && c.value > m.value_or(0)) {
                m = c.value;
                m_intMaxRow = static_cast<std::int16_t>(k);
            }
        }
        for (int k = 1; k <= n(); ++k) {
            if (!select(k)) continue;
            std::optional<double> percent;
            const auto b = base(k);
            if (b && m && *m != 0) {
                if (const auto c = number::toSingle(*b / *m * 100); c.ok()) percent = c.value;
            }
            write(percent, true);
        }
    }

    ChartGrid& m_grid;
    const SeriesInput& m_in;
    std::int16_t m_intMaxRow = 1;
};

}  // namespace

std::int16_t buildSeries(ChartGrid& grid, const SeriesInput& input) {
    return Build(grid, input).run();
}

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/series_builder.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>

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
    Build(ChartGrid& grid, const SeriesInput& input, std::vector<NoBar>* noBars)
        : m_grid(grid), m_in(input), m_noBars(noBars) {}

    std::int16_t run() {
        layOut();
        writeSeries();
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

    // The value a series computes from entry k; when it cannot be computed, nothing, and
    // `why` says why.
    std::optional<double> base(int k, NoBarReason* why = nullptr) const {
        const auto fail = [why](NoBarReason reason) {
            if (why) *why = reason;
            return std::optional<double>();
        };
        const auto v = x(k);
        if (!v) return fail(NoBarReason::NoResult);
        switch (m_in.position) {
            case kSeriesInverse:
            case kSeriesInversePercent: {
                if (*v == 0) return fail(NoBarReason::InverseOfZero);
                const double inverse = 1.0 / *v;
                if (!std::isfinite(inverse)) return fail(NoBarReason::BeyondRange);
                return inverse;
            }
            case kSeriesSquareRoot:
            case kSeriesSquareRootPercent:
                if (*v < 0) return fail(NoBarReason::RootOfNegative);
                return std::sqrt(*v);
            default:
                return v;
        }
    }

    void noBar(int k, NoBarReason reason) {
        if (m_noBars) m_noBars->push_back({k, reason});
    }

    std::optional<QString> unitLabel(int k) const {
        if (k < 0 || static_cast<std::size_t>(k) >= m_in.units.size()) return std::nullopt;
        return m_in.units[static_cast<std::size_t>(k)].value_or(QString());
    }

    bool select(int k) { return individual() ? m_grid.setColumn(k) : m_grid.setRow(k); }

    void layOut() {
        // The one category of the individual layout and the one series of the other are
        // nameless: a name left from the other layout would name a unit this chart may not hold.
        if (individual()) {
            m_grid.setRowCount(1);
            m_grid.setRow(1);
            m_grid.setRowLabel(QString());
            m_grid.setColumnCount(n());
        } else {
            m_grid.setColumnCount(1);
            m_grid.setColumn(1);
            m_grid.setColumnLabel(QString());
            m_grid.setRowCount(n());
        }
        for (int k = 1; k <= n(); ++k) {
            if (!select(k)) continue;
            const auto t = text(k);
            if (!t || !m_grid.setData(*t)) {
                m_grid.clearData();
                if (m_in.position == kSeriesValue && !m_in.modes.blnLogChart) {
                    noBar(k, NoBarReason::NoResult);
                }
            }
            if (const auto label = unitLabel(k)) {
                if (individual()) {
                    m_grid.setColumnLabel(*label);
                } else {
                    m_grid.setRowLabel(*label);
                }
            }
        }
    }

    // Writes v, or its logarithm on the logarithmic scale, into the cell of entry k; a value
    // that cannot be drawn leaves the cell without one, for the reason `why`.
    void write(int k, std::optional<double> v, bool single, NoBarReason why) {
        if (v && m_in.modes.blnLogChart) {
            if (*v > 0) {
                m_grid.setData(number::writeDouble(Log_value(*v)));
                return;
            }
            why = NoBarReason::LogOfNotPositive;
        } else if (v) {
            m_grid.setData(single ? number::writeSingle(static_cast<float>(*v))
                                  : number::writeDouble(*v));
            return;
        }
        m_grid.clearData();
        noBar(k, why);
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
                    if (!select(k)) continue;
                    NoBarReason why = NoBarReason::NoResult;
                    const auto v = base(k, &why);
                    write(k, v, false, why);
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
            NoBarReason why = NoBarReason::NoResult;
            const auto b = base(k, &why);
            if (b && m && *m != 0) {
                const auto c = number::toSingle(*b / *m * 100);
                if (c.ok()) {
                    percent = c.value;
                } else {
                    why = NoBarReason::BeyondRange;
                }
            } else if (b) {
                why = NoBarReason::LargestIsZero;
            }
            write(k, percent, true, why);
        }
    }

    ChartGrid& m_grid;
    const SeriesInput& m_in;
    std::vector<NoBar>* m_noBars;
    std::int16_t m_intMaxRow = 1;
};

QString reasonText(NoBarReason reason) {
    switch (reason) {
        case NoBarReason::NoResult:
            return QStringLiteral("no result");
        case NoBarReason::InverseOfZero:
            return QStringLiteral("inverse of 0");
        case NoBarReason::RootOfNegative:
            return QStringLiteral("root of a negative value");
        case NoBarReason::LogOfNotPositive:
            return QStringLiteral("logarithm of a value that is not positive");
        case NoBarReason::BeyondRange:
            return QStringLiteral("beyond the range");
        case NoBarReason::LargestIsZero:
            return QStringLiteral("percentage of a largest value of 0");
    }
    return {};
}

}  // namespace

std::int16_t buildSeries(ChartGrid& grid, const SeriesInput& input, std::vector<NoBar>* noBars) {
    return Build(grid, input, noBars).run();
}

QString noBarNote(const std::vector<NoBar>& noBars,
                  const std::vector<std::optional<QString>>& units) {
    // Reasons in the order of their first entry, each with its units in entry order.
    std::vector<std::pair<NoBarReason, QStringList>> groups;
    for (const NoBar& bar : noBars) {
        const auto k = static_cast<std::size_t>(bar.entry);
        QString unit = k < units.size() ? units[k].value_or(QString()) : QString();
        if (unit.isEmpty()) unit = QStringLiteral("unit %1").arg(bar.entry);
        auto group = std::find_if(groups.begin(), groups.end(),
                                  [&bar](const auto& g) { return g.first == bar.reason; });
        if (group == groups.end()) {
            groups.push_back({bar.reason, {}});
            group = groups.end() - 1;
        }
        group->second << unit;
    }
    QStringList parts;
    for (const auto& [reason, names] : groups) {
        parts << names.join(QStringLiteral(", ")) + QStringLiteral(": ") + reasonText(reason);
    }
    if (parts.isEmpty()) return {};
    return QStringLiteral("No bar for ") + parts.join(QStringLiteral("; for "));
}

}  // namespace zephal

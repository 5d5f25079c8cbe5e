// SPDX-License-Identifier: GPL-3.0-or-later
#include "own_arithmetic.h"

#include <QRegularExpression>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "own_tables.h"

namespace zephal::exercise {
namespace {

// How near the ends of the single range a number may come before it is not sure to fit.
constexpr double kEdge = 1e-6;

// &H and &O whole numbers: up to 16 bits (or 18 octal) as a 16-bit two's complement number, up
// to 32 (or 33) as a 32-bit one, longer ones as they stand.
double radixValue(const QString& digits, int radix) {
    double value = 0;
    for (const QChar c : digits) value = value * radix + QString(c).toInt(nullptr, radix);
    const qsizetype bits = digits.size() * (radix == 16 ? 4 : 3);
    if (bits <= (radix == 16 ? 16 : 18) && value <= 65535) {
        return value >= 32768 ? value - 65536 : value;
    }
    if (bits <= (radix == 16 ? 32 : 33) && value <= 4294967295.0) {
        return value >= 2147483648.0 ? value - 4294967296.0 : value;
    }
    return value;
}

QString printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

}  // namespace

double ownTypedValue(const QString& text) {
    QString s = text;
    s.remove(u' ').remove(u'\t').remove(u'\n');
    static const QRegularExpression radix(QStringLiteral("^&([hH][0-9a-fA-F]*|[oO][0-7]*)"));
    if (const QRegularExpressionMatch m = radix.match(s); m.hasMatch()) {
        const QString digits = m.captured(1).mid(1);
        return digits.isEmpty() ? 0
                                : radixValue(digits, m.captured(1)[0].toUpper() == u'H' ? 16 : 8);
    }
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eEdD][+-]?\\d+)?"));
    const QRegularExpressionMatch m = number.match(s);
    return m.hasMatch() ? *ownStrictNumber(m.captured(0)) : 0;
}

Expected ownShown(double value) {
    const double size = std::fabs(value);
    if (!std::isfinite(value)) return {};
    if (size == 0) return {value};
    if (size > FLT_MAX * (1 + kEdge) || size < FLT_MIN * (1 - kEdge)) return {};
    return {value, size > FLT_MAX * (1 - kEdge) || size < FLT_MIN * (1 + kEdge)};
}

ExpectedRow ownRow(const std::vector<double>& factors, int i, int selected, const QString& typed) {
    const int n = static_cast<int>(factors.size());
    if (selected < 0 || selected >= n || i < 0 || i >= n) return {};
    const double base = factors[static_cast<std::size_t>(selected)];
    if (base == 0) return {};
    const double factor = factors[static_cast<std::size_t>(i)];
    ExpectedRow row;
    row.scale = ownShown(factor / base);
    const Expected entered = ownShown(ownTypedValue(typed));
    if (!entered.value) return row;
    // The value goes into a single before it converts.
    const float x = static_cast<float>(std::clamp<double>(*entered.value, -FLT_MAX, FLT_MAX));
    row.value = ownShown(static_cast<double>(x) * factor / base);
    row.value.either = row.value.either || entered.either;
    return row;
}

std::vector<std::optional<double>> ownSeries(const std::vector<std::optional<double>>& values,
                                             int position, bool log) {
    const auto base = [position](std::optional<double> v) -> std::optional<double> {
        if (!v) return v;
        if (position == 2 || position == 3) {
            if (*v == 0 || !std::isfinite(1 / *v)) return std::nullopt;
            return 1 / *v;
        }
        if (position == 4 || position == 5) {
            if (*v < 0) return std::nullopt;
            return std::sqrt(*v);
        }
        return v;
    };
    const auto scaled = [log](std::optional<double> v) -> std::optional<double> {
        if (!log || !v) return v;
        if (*v > 0) return std::log10(*v);
        return std::nullopt;
    };
    std::vector<std::optional<double>> cells;
    if (position < 0 || position > 5) return values;
    if (position % 2 == 0) {
        for (const auto& v : values) cells.push_back(scaled(base(v)));
        return cells;
    }
    // Percentages of the largest value; it starts as the first one, and only a larger single
    // replaces it.
    std::optional<double> largest = values.empty() ? std::nullopt : base(values.front());
    for (const auto& v : values) {
        const auto b = base(v);
        if (!b || std::fabs(*b) > FLT_MAX) continue;
        const double single = static_cast<float>(*b);
        if (single > largest.value_or(0)) largest = single;
    }
    for (const auto& v : values) {
        const auto b = base(v);
        std::optional<double> percent;
        if (b && largest && *largest != 0 && std::fabs(*b / *largest * 100) <= FLT_MAX) {
            percent = *b / *largest * 100;
        }
        cells.push_back(scaled(percent));
    }
    return cells;
}

bool ownMatches(const QString& shown, const Expected& expected, double tolerance, double absolute) {
    if (shown.isEmpty()) return !expected.value || expected.either;
    if (!expected.value) return expected.either;
    const auto number = ownStrictNumber(shown);
    return number && std::fabs(*number - *expected.value) <=
                         tolerance * std::fabs(*expected.value) + absolute;
}

QString ownValueAsRead(const QString& typed) {
    const double x = ownTypedValue(typed);
    if (x == 0) return QStringLiteral("0");
    if (std::isinf(x)) return x > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    const double size = std::fabs(x);
    if (size <= FLT_MAX && size >= FLT_MIN) {
        return printed("%.7G", static_cast<double>(static_cast<float>(x)));
    }
    return printed("%.15G", x);
}

}  // namespace zephal::exercise

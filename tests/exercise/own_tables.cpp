// SPDX-License-Identifier: GPL-3.0-or-later
#include "own_tables.h"

#include <QRegularExpression>
#include <cfloat>
#include <cmath>

namespace zephal::exercise {
namespace {

// Lines end with CR LF, CR or LF; a leading byte-order mark is no part of the first line.
QStringList splitLines(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n')) lines.removeLast();
    return lines;
}

std::optional<int> maxTabsOf(const QString& text) {
    const auto n = ownStrictNumber(text);
    if (!n || std::isnan(*n)) return std::nullopt;
    const double rounded = std::nearbyint(*n);
    if (rounded < 1 || rounded > 32767) return std::nullopt;
    return static_cast<int>(rounded);
}

}  // namespace

std::optional<double> ownStrictNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[ \\t]*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eEdD][+-]?\\d+)?)[ \\t]*$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch()) return std::nullopt;
    QString plain = m.captured(1);
    plain.replace(u'd', u'e').replace(u'D', u'e');
    return std::strtod(plain.toLatin1().constData(), nullptr);
}

QString ownSymbol(const QString& item) {
    const qsizetype open = item.indexOf(u'(');
    if (open < 0) {
        qsizetype from = 0, to = item.size();
        while (from < to && item[from] == u' ') ++from;
        while (to > from && item[to - 1] == u' ') --to;
        return item.mid(from, to - from);
    }
    qsizetype close = item.indexOf(u')');
    if (close < 0) close = item.size() - 1;
    return close - open - 1 < 0 ? QString() : item.mid(open + 1, close - open - 1);
}

bool OwnTables::read(const QByteArray& bytes, bool reset) {
    const OwnTables before = *this;
    if (reset) {
        m_tabs.assign(static_cast<std::size_t>(m_tmax), OwnTab());
        m_utn = 0;
    }
    if (!readRecords(splitLines(bytes))) {
        *this = before;
        return false;
    }
    m_buttons.clear();
    for (int t = 0; t < std::min(m_utn, m_tmax) && t < static_cast<int>(m_tabs.size()); ++t) {
        const OwnTab& tab = m_tabs[static_cast<std::size_t>(t)];
        for (int c = 0; c < tab.count; ++c) {
            m_buttons.push_back({t, c, tab.quantities[static_cast<std::size_t>(c)].name});
        }
    }
    return true;
}

bool OwnTables::readRecords(const QStringList& lines) {
    QString fields[3];
    int tab = 0, quantity = 0;
    bool sawTab = false, refused = false;
    const auto inTables = [this](int t) { return t >= 0 && t < static_cast<int>(m_tabs.size()); };
    for (const QString& line : lines) {
        if (line.isEmpty() || line.contains(u'#') || line.contains(u'\'')) continue;
        // A field the line does not supply keeps the last value given; text after a third
        // comma is dropped.
        const QStringList parts = line.split(u',');
        for (qsizetype f = 0; f < std::min<qsizetype>(parts.size(), 3); ++f) fields[f] = parts[f];
        const auto type = ownStrictNumber(fields[0]);
        if (!type || std::fabs(std::nearbyint(*type)) > 32767) return false;
        switch (static_cast<int>(std::nearbyint(*type))) {
            case 0:
                sawTab = true;
                refused = false;
                if (++m_utn > m_tmax) break;
                tab = m_utn - 1;
                if (!inTables(tab)) return false;
                m_tabs[static_cast<std::size_t>(tab)].name = fields[1];
                m_tabs[static_cast<std::size_t>(tab)].count = 0;
                break;
            case 1: {
                if (!inTables(tab)) return false;
                OwnTab& t = m_tabs[static_cast<std::size_t>(tab)];
                refused = t.count >= kOwnSlots;
                if (refused) break;
                quantity = t.count++;
                t.quantities[static_cast<std::size_t>(quantity)].name = fields[1];
                t.quantities[static_cast<std::size_t>(quantity)].count = 0;
                break;
            }
            case 2:
            case 3: {
                if (refused) break;
                if (!inTables(tab)) return false;
                OwnQuantity& q = m_tabs[static_cast<std::size_t>(tab)]
                                     .quantities[static_cast<std::size_t>(quantity)];
                if (q.count >= kOwnSlots) break;
                const auto factor = ownStrictNumber(fields[2]);
                if (!factor || std::fabs(*factor) > FLT_MAX) return false;
                if (*type == 3) q.base = q.count;
                q.units[static_cast<std::size_t>(q.count++)] = {fields[1], *factor};
                break;
            }
            default:
                return false;
        }
    }
    return sawTab;
}

void OwnTables::typeMaxTabs(const QString& typed) {
    for (qsizetype n = 1; n <= typed.size(); ++n) {
        const auto tabs = maxTabsOf(typed.left(n));
        if (!tabs || *tabs == m_tmax) continue;
        m_tmax = *tabs;
        // The tables grow with the field from 4 tabs on, and never shrink there.
        if (m_tmax >= 4 && m_tmax > static_cast<int>(m_tabs.size())) {
            m_tabs.resize(static_cast<std::size_t>(m_tmax));
        }
    }
}

void OwnTables::confirmMaxTabs(const QString& field) {
    if (const auto tabs = maxTabsOf(field)) m_tmax = *tabs;
}

OwnUnitList OwnTables::unitList(int k) const {
    OwnUnitList list;
    const int t = k >= 1 ? (k - 1) / kOwnSlots : -1;
    if (t < 0 || t >= static_cast<int>(m_tabs.size())) return list;
    const OwnQuantity& q = m_tabs[static_cast<std::size_t>(t)]
                               .quantities[static_cast<std::size_t>((k - 1) % kOwnSlots)];
    list.caption = q.name;
    for (int i = 0; i < q.count; ++i) {
        const OwnUnit& unit = q.units[static_cast<std::size_t>(i)];
        list.items << unit.item;
        list.factors.push_back(unit.factor);
        list.symbols << ownSymbol(unit.item);
    }
    list.base = q.base < q.count ? q.base : -1;
    return list;
}

}  // namespace zephal::exercise

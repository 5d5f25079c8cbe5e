// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_finder.h"

#include <algorithm>

#include "app/grid_layout.h"
#include "convert/conversion.h"
#include "convert/number_text.h"

namespace zephal {
namespace {

enum Rank { kExactSymbol, kExact, kPrefix, kWord, kNoMatch };
enum Field : std::uint8_t { kSymbol, kName };

const QString kLabelDash = QStringLiteral(" \u2014 ");

struct Respelling {
    char16_t from;
    const char16_t* to;
};
// ".", the middle dot, the dot operator and the katakana middle dots (full and half width)
// between units; the powers; the degree signs; the micro sign and the Greek mu.
constexpr Respelling kRespellings[] = {
    {u'.', u"*"},         {u'\u00B7', u"*"},    {u'\u22C5', u"*"},  {u'\u30FB', u"*"},
    {u'\uFF65', u"*"},    {u'\u00B2', u"^2"},   {u'\u00B3', u"^3"}, {u'\u00B0', u"deg"},
    {u'\u2103', u"degC"}, {u'\u2109', u"degF"}, {u'\u00B5', u"u"},  {u'\u03BC', u"u"},
};

QString folded(QStringView text) {
    return unitSpelling(text).toCaseFolded();
}

}  // namespace

QString unitSpelling(QStringView text) {
    QString out;
    out.reserve(text.size() + 4);
    for (QChar c : text) {
        // Every character respelled lies above U+00AF, except ".".
        if (c.unicode() < u'\u00B0' && c != u'.') {
            out += c;
            continue;
        }
        const auto* respelled =
            std::find_if(std::begin(kRespellings), std::end(kRespellings),
                         [c](const Respelling& r) { return r.from == c.unicode(); });
        if (respelled == std::end(kRespellings)) {
            out += c;
        } else {
            out += respelled->to;
        }
    }
    return out;
}

UnitFinder::UnitFinder(const AppState& state) {
    const GridLayout grid = computeGridLayout(state);
    const UnitTables& tables = state.tables;
    for (int t = 0; t <= grid.lastFilledTab && t < grid.tabCount; ++t) {
        if (!grid.tabVisible[static_cast<std::size_t>(t)]) continue;
        const int commands = std::min<int>(tables.TabItems(t).Count, kCommandsPerTab);
        for (int c = 0; c < commands; ++c) {
            const CommandItem& command = tables.CommandItems(c, t);
            const int button = buttonNumber(t, c);
            const QString caption = folded(command.Name).trimmed();
            add({button, -1, command.Name, {}, {{}, caption}, caption.size()});
            const int units = std::min<int>(command.Count, kFunctionsPerCommand);
            for (int i = 0; i < units; ++i) {
                const QString& item = tables.FunctionItems(c, i, t).Name;
                const QString symbol = unitSpelling(convert::shortUnitName(item));
                const QString name = folded(item).trimmed();
                const qsizetype open = name.indexOf(u'(');
                add({button,
                     i,
                     command.Name + kLabelDash + item,
                     symbol,
                     {symbol.toCaseFolded(), name},
                     open < 0 ? name.size() : QStringView(name).left(open).trimmed().size()});
            }
        }
    }
    std::sort(m_starts.begin(), m_starts.end(),
              [](const Start& a, const Start& b) { return a.first < b.first; });
}

void UnitFinder::add(Entry entry) {
    const auto index = static_cast<std::uint32_t>(m_entries.size());
    for (const std::uint8_t field : {kSymbol, kName}) {
        const QString& text = entry.fields[field];
        for (qsizetype at = 0; at < text.size(); ++at) {
            if (at == 0 || !text[at - 1].isLetterOrNumber() || !text[at].isLetterOrNumber()) {
                m_starts.push_back(
                    {text[at].unicode(), index, field, static_cast<std::uint32_t>(at)});
            }
        }
    }
    m_entries.push_back(std::move(entry));
}

std::vector<UnitFinder::Ranked> UnitFinder::rank(QStringView query) const {
    const QString spelled = unitSpelling(query);
    const QString queryFolded = spelled.toCaseFolded();
    // A query that starts with a letter or digit matches at a field's start or a word's start;
    // one that starts with a sign matches wherever that sign stands.
    const auto [from, to] =
        std::equal_range(m_starts.begin(), m_starts.end(), Start{queryFolded.front().unicode()},
                         [](const Start& a, const Start& b) { return a.first < b.first; });
    std::vector<Ranked> ranked;
    std::vector<int> slot(m_entries.size(), -1);
    for (auto start = from; start != to; ++start) {
        const Entry& entry = m_entries[start->entry];
        const QString& text = entry.fields[start->field];
        if (!QStringView(text).mid(start->offset).startsWith(queryFolded)) continue;
        Rank rank = kWord;
        if (start->offset == 0 && start->field == kSymbol) {
            rank = text.size() != queryFolded.size() ? kPrefix
                   : entry.symbol == spelled         ? kExactSymbol
                                                     : kExact;
        } else if (start->offset == 0) {
            rank = entry.namePart == queryFolded.size() ? kExact : kPrefix;
        }
        int& at = slot[start->entry];
        if (at < 0) {
            at = static_cast<int>(ranked.size());
            ranked.push_back({kNoMatch, 0, start->entry});
        }
        Ranked& best = ranked[static_cast<std::size_t>(at)];
        if (rank < best.rank || (rank == best.rank && text.size() < best.length)) {
            best.rank = rank;
            best.length = text.size();
        }
    }
    const auto better = [](const Ranked& a, const Ranked& b) {
        if (a.rank != b.rank) return a.rank < b.rank;
        if (a.length != b.length) return a.length < b.length;
        return a.entry < b.entry;
    };
    const std::size_t kept = std::min<std::size_t>(ranked.size(), kMaxFindMatches);
    std::partial_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(kept),
                      ranked.end(), better);
    ranked.resize(kept);
    return ranked;
}

FindResult UnitFinder::find(QStringView text) const {
    const QStringView query = text.trimmed();
    if (query.isEmpty()) return {};
    std::vector<Ranked> ranked = rank(query);
    QString valueText;
    if (ranked.empty() || ranked.front().rank > kPrefix) {
        const qsizetype length = number::leadingNumberLength(query);
        const QStringView unit = query.mid(length).trimmed();
        if (length > 0 && !unit.isEmpty()) {
            std::vector<Ranked> withValue = rank(unit);
            if (!withValue.empty()) {
                ranked = std::move(withValue);
                valueText = query.left(length).trimmed().toString();
            }
        }
    }
    FindResult result;
    result.valueText = valueText;
    for (const Ranked& r : ranked) {
        const Entry& entry = m_entries[r.entry];
        result.matches.push_back({entry.button, entry.unit, entry.label});
    }
    return result;
}

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_finder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/grid_layout.h"
#include "convert/conversion.h"
#include "convert/number_text.h"

namespace zephal {
namespace {

enum Rank {
    kExactSymbol,
    kSymbolStart,
    kExact,
    kSameSize,
    kWholeWord,
    kSameQuantity,
    kPrefix,
    kWord,
    kNoMatch
};
enum Field : std::uint8_t { kSymbol, kName };

const QString kLabelDash = QStringLiteral(" \u2014 ");
// Two sizes this close are one: the factors of a file hold 7 digits, and a unit built from
// several of them carries the rounding of each.
constexpr double kSameLog = 1e-5;

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

// Words for a quantity by what it measures, whatever a file calls it: each with a unit of that
// quantity, and the units that mark the quantity most would mean by it.
struct QuantityWordSource {
    const char16_t* phrases;  // separated by "|"
    const char16_t* unit;
    bool notEnergy;
    const char16_t* usualSymbols;
};
constexpr QuantityWordSource kQuantityWords[] = {
    {u"ei|gj|flexural rigidity|torsional rigidity|bending stiffness", u"N*m^2", true, u""},
    {u"torque|moment|bending moment|torsional moment", u"N*m", true, u""},
    {u"modulus|young's modulus|youngs modulus|young modulus|e-modulus|e modulus|"
     u"elastic modulus|modulus of elasticity|shear modulus|stress|pressure",
     u"Pa", false, u"Pa|kPa|MPa|GPa|bar|psi|ksi"},
    {u"weight density|specific weight|unit weight", u"N/m^3", false, u""},
    {u"load|force|point load", u"N", false, u"N|kN|MN|kgf|tf|lbf|kip"},
};

QString folded(QStringView text) {
    return unitSpelling(text).toCaseFolded();
}

// Case folded, one blank between words, and the typographic apostrophe as the plain one.
QString phraseOf(QStringView text) {
    QString out;
    for (QChar c : text.trimmed()) {
        if (c.isSpace()) {
            if (!out.endsWith(u' ')) out += u' ';
        } else {
            out += c == u'\u2019' ? QChar(u'\'') : c;
        }
    }
    return out.toCaseFolded();
}

// A symbol that is one word ("kcal", "Btu", "sh tn"), which a data file can teach.
bool isWord(QStringView symbol) {
    if (symbol.trimmed().isEmpty()) return false;
    return std::all_of(symbol.begin(), symbol.end(),
                       [](QChar c) { return c.isLetter() || c == u' '; });
}

// The singular an engineer's plural stands for: "kips", "inches", "feet", "tons".
QStringList singulars(QStringView query) {
    QStringList out;
    if (query.size() < 3 ||
        !std::all_of(query.begin(), query.end(), [](QChar c) { return c.isLetter(); })) {
        return out;
    }
    if (query.compare(u"feet", Qt::CaseInsensitive) == 0) out << QStringLiteral("foot");
    if (query.endsWith(u"es", Qt::CaseInsensitive)) out << query.chopped(2).toString();
    if (query.endsWith(u's', Qt::CaseInsensitive)) out << query.chopped(1).toString();
    return out;
}

// The words of a unit in the one spelling, in a fixed order on each side of the "/": equal for
// "ft*lbf" and "lbf*ft", "N/mm^2" and a reading of "N/mm2".
QString wordsKey(QStringView spelled) {
    const auto side = [](QStringView part) {
        QStringList words;
        for (const QStringView word : part.split(u'*')) words << word.trimmed().toString();
        words.sort();
        return words.join(u'*');
    };
    const qsizetype slash = spelled.indexOf(u'/');
    if (slash < 0) return side(spelled);
    return side(spelled.left(slash)) + u'/' + side(spelled.mid(slash + 1));
}

// The lenient reading of a typed value, 1 when none was typed.
double valueOf(const QString& value) {
    return value.isEmpty() ? 1.0 : number::readLenient(value);
}

std::optional<QString> singleText(double value) {
    const auto single = number::toSingle(value);
    if (!single.ok()) return std::nullopt;
    return number::writeSingle(single.value);
}

// A factor as a logarithm, or NaN when it gives no size.
double logOf(double factor) {
    return factor > 0 && std::isfinite(factor) ? std::log(factor)
                                               : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

// The best match so far of every entry and quantity, ranked. Kept light, as a letter typed
// alone matches thousands of places in a file at the full limits.
class UnitFinder::Matches {
public:
    struct Candidate {
        int rank = kNoMatch;
        qsizetype length = 0;
        std::size_t order = 0;
        int unit = -1;
        int said = -1;  // what a reading says of it, or -1: the entry's label, the typed value
    };
    struct Said {
        QString label;
        QString value;
        QString note;
    };

    Matches(std::size_t places, QString value) : m_value(std::move(value)), m_slot(places, -1) {}

    const QString& value() const { return m_value; }

    void offer(std::size_t order, int rank, qsizetype length, int unit, Said said = {},
               bool saying = false) {
        int& at = m_slot[order];
        if (at >= 0) {
            const Candidate& held = m_candidates[static_cast<std::size_t>(at)];
            if (rank > held.rank || (rank == held.rank && length >= held.length)) return;
        } else {
            at = static_cast<int>(m_candidates.size());
            m_candidates.emplace_back();
        }
        int index = -1;
        if (saying) {
            index = static_cast<int>(m_said.size());
            m_said.push_back(std::move(said));
        }
        m_candidates[static_cast<std::size_t>(at)] = {rank, length, order, unit, index};
    }
    int best() const {
        int best = kNoMatch;
        for (const Candidate& c : m_candidates) best = std::min(best, c.rank);
        return best;
    }
    bool empty() const { return m_candidates.empty(); }
    const Said* said(const Candidate& c) const {
        return c.said < 0 ? nullptr : &m_said[static_cast<std::size_t>(c.said)];
    }

    std::vector<Candidate> bestFirst() {
        const auto better = [](const Candidate& a, const Candidate& b) {
            if (a.rank != b.rank) return a.rank < b.rank;
            if (a.length != b.length) return a.length < b.length;
            return a.order < b.order;
        };
        std::vector<Candidate> best = m_candidates;
        const std::size_t kept = std::min<std::size_t>(best.size(), kMaxFindMatches);
        std::partial_sort(best.begin(), best.begin() + static_cast<std::ptrdiff_t>(kept),
                          best.end(), better);
        best.resize(kept);
        return best;
    }

private:
    QString m_value;
    std::vector<int> m_slot;
    std::vector<Candidate> m_candidates;
    std::vector<Said> m_said;
};

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
    const std::size_t most = static_cast<std::size_t>(std::max(grid.tabCount, 0)) *
                             kCommandsPerTab * (kFunctionsPerCommand + 1);
    m_entries.reserve(std::min<std::size_t>(most, 4200));
    m_starts.reserve(8 * m_entries.capacity());
    for (int t = 0; t <= grid.lastFilledTab && t < grid.tabCount; ++t) {
        if (!grid.tabVisible[static_cast<std::size_t>(t)]) continue;
        const int commands = std::min<int>(tables.TabItems(t).Count, kCommandsPerTab);
        for (int c = 0; c < commands; ++c) {
            const CommandItem& command = tables.CommandItems(c, t);
            Quantity quantity;
            quantity.button = buttonNumber(t, c);
            quantity.caption = command.Name;
            quantity.baseUnit = command.BaseIndex;
            quantity.firstEntry = m_entries.size();
            const QString caption = folded(command.Name).trimmed();
            add({quantity.button, -1, command.Name, {}, {{}, caption}, caption.size()});
            const int units = std::min<int>(command.Count, kFunctionsPerCommand);
            for (int i = 0; i < units; ++i) {
                const FunctionItem& item = tables.FunctionItems(c, i, t);
                const QString written = convert::shortUnitName(item.Name);
                const QString symbol = unitSpelling(written);
                const QString name = folded(item.Name).trimmed();
                const qsizetype open = name.indexOf(u'(');
                add({quantity.button,
                     i,
                     command.Name + kLabelDash + item.Name,
                     symbol,
                     {symbol.toCaseFolded(), name},
                     open < 0 ? name.size() : QStringView(name).left(open).trimmed().size()});
                quantity.symbols << written;
                quantity.factors.push_back(item.Factor);
            }
            m_quantities.push_back(std::move(quantity));
        }
    }
    sortStarts();
    // A quantity may be known only through a word that a later one teaches: a second pass.
    for (int pass = 0; pass < 2; ++pass) {
        for (Quantity& quantity : m_quantities) {
            if (!quantity.known) understand(quantity);
        }
    }
    addQuantityWords();
}

// By their first character, counted out: a general sort of the places of a file at every limit
// would take much of the time the index may take.
void UnitFinder::sortStarts() {
    std::vector<std::uint32_t> at(0x10000 + 1, 0);
    for (const Start& start : m_starts) ++at[start.first + 1u];
    for (std::size_t c = 1; c < at.size(); ++c) at[c] += at[c - 1];
    std::vector<Start> sorted(m_starts.size());
    for (const Start& start : m_starts) sorted[at[start.first]++] = start;
    m_starts = std::move(sorted);
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

// What a quantity measures comes from its base unit's symbol, or else from the first of its
// other units that reads; every unit's size follows from its factor. Its one-word symbols are
// then words for any expression ("kcal/h", "Btu/h･ft^2").
void UnitFinder::understand(Quantity& quantity) {
    const int count = static_cast<int>(quantity.symbols.size());
    std::vector<int> order;
    if (quantity.baseUnit >= 0 && quantity.baseUnit < count) order.push_back(quantity.baseUnit);
    for (int i = 0; i < count; ++i) {
        if (i != quantity.baseUnit) order.push_back(i);
    }
    for (const int i : order) {
        const double factor = logOf(quantity.factors[static_cast<std::size_t>(i)]);
        if (std::isnan(factor)) continue;
        const std::vector<units::UnitReading> readings = m_words.read(quantity.symbols[i]);
        if (readings.empty()) continue;
        quantity.known = true;
        quantity.dimensions = readings.front().dimensions;
        quantity.energy = readings.front().energy;
        quantity.readUnit = i;
        quantity.readLog = readings.front().logFactor;
        // One reference unit of the quantity holds `factor` of unit i.
        const double reference = quantity.readLog + factor;
        quantity.logs.clear();
        for (const float f : quantity.factors) quantity.logs.push_back(reference - logOf(f));
        break;
    }
    if (!quantity.known) return;
    for (int i = 0; i < count; ++i) {
        const QString& symbol = quantity.symbols[i];
        const double log = quantity.logs[static_cast<std::size_t>(i)];
        if (std::isnan(log) || !isWord(symbol) || m_words.knows(symbol)) continue;
        // A unit the vocabulary reads as one word, prefixed or not, keeps its exact size.
        const std::vector<units::UnitReading> known = m_words.read(symbol);
        if (!known.empty() && known.front().cost <= units::kPrefixCost) continue;
        units::UnitReading meaning;
        meaning.dimensions = quantity.dimensions;
        meaning.logFactor = log;
        meaning.energy = quantity.energy;
        m_words.teach(symbol, meaning);
    }
}

void UnitFinder::addQuantityWords() {
    for (const QuantityWordSource& source : kQuantityWords) {
        const std::vector<units::UnitReading> readings = m_words.read(QStringView(source.unit));
        if (readings.empty()) continue;
        const QStringList usual =
            QString::fromUtf16(source.usualSymbols).split(u'|', Qt::SkipEmptyParts);
        for (const QString& phrase : QString::fromUtf16(source.phrases).split(u'|')) {
            m_quantityWords.push_back(
                {phrase, readings.front().dimensions, source.notEnergy, usual});
        }
    }
}

void UnitFinder::matchText(QStringView query, Matches& matches) const {
    const QString spelled = unitSpelling(query);
    const QString queryFolded = spelled.toCaseFolded();
    const bool wordQuery = queryFolded.front().isLetterOrNumber();
    // A query that starts with a letter or digit matches at a field's start or a word's start;
    // one that starts with a sign matches wherever that sign stands.
    const auto [from, to] =
        std::equal_range(m_starts.begin(), m_starts.end(), Start{queryFolded.front().unicode()},
                         [](const Start& a, const Start& b) { return a.first < b.first; });
    for (auto start = from; start != to; ++start) {
        const Entry& entry = m_entries[start->entry];
        const QString& text = entry.fields[start->field];
        if (!QStringView(text).mid(start->offset).startsWith(queryFolded)) continue;
        const qsizetype end = start->offset + queryFolded.size();
        const bool wholeWord = wordQuery && (end == text.size() || !text[end].isLetterOrNumber());
        Rank rank = kWord;
        if (start->field == kSymbol && start->offset == 0) {
            if (QStringView(entry.symbol).startsWith(spelled)) {
                rank = entry.symbol.size() == spelled.size() ? kExactSymbol : kSymbolStart;
            } else {
                rank = text.size() == queryFolded.size() ? kExact : kPrefix;
            }
        } else if (start->field == kName && start->offset == 0 &&
                   entry.namePart == queryFolded.size()) {
            rank = kExact;
        } else if (start->field == kName && wholeWord && start->offset < entry.namePart) {
            rank = kWholeWord;
        } else if (start->offset == 0) {
            rank = kPrefix;
        }
        matches.offer(start->entry, rank, text.size(), entry.unit);
    }
}

void UnitFinder::matchQuantityWords(QStringView query, Matches& matches) const {
    if (query.size() > 40) return;
    const QString phrase = phraseOf(query);
    for (const QuantityWord& word : m_quantityWords) {
        if (word.phrase != phrase) continue;
        // Where some quantities hold the units the word is usually meant in, only those: a
        // "load" is a force, not a moment per length, though both are newtons.
        std::vector<const Quantity*> found, usual;
        for (const Quantity& quantity : m_quantities) {
            if (!quantity.known || quantity.dimensions != word.dimensions) continue;
            if (word.notEnergy && quantity.energy) continue;
            found.push_back(&quantity);
            if (std::any_of(quantity.symbols.begin(), quantity.symbols.end(),
                            [&word](const QString& s) { return word.usualSymbols.contains(s); })) {
                usual.push_back(&quantity);
            }
        }
        for (const Quantity* quantity : usual.empty() ? found : usual) {
            matches.offer(quantity->firstEntry, kExact, 0, -1);
        }
    }
}

// The units of the file that read as `reading` does, or else the quantities that measure what
// it measures, the value converted into one of their units. False when there is neither.
bool UnitFinder::matchReading(const units::UnitReading& reading, Matches& matches) const {
    const QString& value = matches.value();
    bool found = false;
    QString key;
    const double typed = valueOf(value);
    const auto note = [&](const QString& converted, const QString& symbol) {
        const auto shown = singleText(typed);
        return shown
                   ? QStringLiteral("%1 %2 = %3 %4").arg(*shown, reading.text(), converted, symbol)
                   : QString();
    };
    for (const Quantity& quantity : m_quantities) {
        if (!quantity.known || quantity.dimensions != reading.dimensions) continue;
        found = true;
        bool unitFound = false;
        for (std::size_t i = 0; i < quantity.logs.size(); ++i) {
            if (!(std::abs(quantity.logs[i] - reading.logFactor) < kSameLog)) continue;
            unitFound = true;
            const std::size_t entry = quantity.firstEntry + 1 + i;
            if (key.isEmpty()) key = wordsKey(unitSpelling(reading.text()));
            const bool sameWords = wordsKey(m_entries[entry].symbol) == key;
            const int rank = sameWords ? kExact : kSameSize;
            const qsizetype length = m_entries[entry].symbol.size();
            if (sameWords || value.isEmpty()) {
                matches.offer(entry, rank, length, static_cast<int>(i));
            } else {
                const QString said = note(value, quantity.symbols[static_cast<int>(i)]);
                matches.offer(entry, rank, length, static_cast<int>(i),
                              {m_entries[entry].label, value, said}, true);
            }
        }
        if (unitFound) continue;
        // The base unit, converted with the factors as the window widens them.
        int target = quantity.baseUnit;
        if (target < 0 || target >= static_cast<int>(quantity.logs.size()) ||
            std::isnan(quantity.logs[static_cast<std::size_t>(target)])) {
            target = quantity.readUnit;
        }
        const double widened =
            std::log(convert::widenFactor(quantity.factors[static_cast<std::size_t>(target)])) -
            std::log(convert::widenFactor(
                quantity.factors[static_cast<std::size_t>(quantity.readUnit)]));
        const auto converted =
            singleText(typed * std::exp(reading.logFactor - quantity.readLog + widened));
        Matches::Said said{quantity.caption, {}, {}};
        if (converted) {
            said.value = *converted;
            said.note = note(*converted, quantity.symbols[target]);
            said.label += kLabelDash + said.note;
        }
        matches.offer(m_entries.size() + static_cast<std::size_t>(&quantity - &m_quantities[0]),
                      kSameQuantity, 0, target, std::move(said), true);
    }
    return found;
}

void UnitFinder::gather(QStringView query, Matches& matches) const {
    matchText(query, matches);
    matchQuantityWords(query, matches);
    // A number at the start is the value typed before the unit, unless it is part of the unit:
    // the 1 of "1/K", the 10 of "10^-6/K".
    const qsizetype number = number::leadingNumberLength(query);
    const bool valueFirst =
        number > 0 && (number == query.size() || (query[number] != u'/' && query[number] != u'^'));
    if (!valueFirst) {
        // The plainest readings that find something, all of them, as "lb/ft" is a mass and a
        // force per length.
        const std::vector<units::UnitReading> readings = m_words.read(query);
        int foundAt = -1;
        for (const units::UnitReading& reading : readings) {
            if (foundAt >= 0 && reading.cost != foundAt) break;
            if (matchReading(reading, matches)) foundAt = reading.cost;
        }
    }
    if (matches.best() > kWholeWord) {
        for (const QString& singular : singulars(query)) matchText(singular, matches);
    }
}

FindResult UnitFinder::find(QStringView text) const {
    const QStringView query = text.trimmed();
    if (query.isEmpty()) return {};
    const std::size_t places = m_entries.size() + m_quantities.size();
    Matches matches(places, {});
    gather(query, matches);
    QString valueText;
    if (matches.best() > kPrefix) {
        const qsizetype length = number::leadingNumberLength(query);
        const QStringView unit = query.mid(length).trimmed();
        if (length > 0 && !unit.isEmpty()) {
            Matches withValue(places, query.left(length).trimmed().toString());
            gather(unit, withValue);
            if (!withValue.empty()) {
                valueText = withValue.value();
                matches = std::move(withValue);
            }
        }
    }
    FindResult result;
    result.valueText = valueText;
    for (const Matches::Candidate& c : matches.bestFirst()) {
        const Matches::Said* said = matches.said(c);
        const int button = c.order < m_entries.size()
                               ? m_entries[c.order].button
                               : m_quantities[c.order - m_entries.size()].button;
        if (said) {
            result.matches.push_back({button, c.unit, said->label, said->value, said->note});
        } else {
            result.matches.push_back(
                {button, c.unit, m_entries[c.order].label, matches.value(), {}});
        }
    }
    return result;
}

}  // namespace zephal

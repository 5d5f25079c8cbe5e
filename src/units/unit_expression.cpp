// SPDX-License-Identifier: GPL-3.0-or-later
#include "units/unit_expression.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "convert/number_text.h"

namespace zephal::units {
namespace {

using Readings = std::vector<UnitReading>;

// Bounds that keep any text cheap to read and every number finite.
constexpr int kMaxDepth = 12;       // nested parentheses and roots
constexpr int kMaxTwicePower = 40;  // a power of at most 20 on one word
constexpr int kMaxTwiceDimension = 120;
constexpr std::size_t kMaxPieces = 24;
constexpr int kJoinCost = 2;  // for every word a run of letters is split into

const QString kProductSign = QStringLiteral("\uFF65");

struct Prefix {
    const char16_t* text;
    int exponent;
    const char16_t* shown;
};
// "da" before "d", so that "daN" is tried as a decanewton; "u" and the micro sign are micro.
constexpr Prefix kPrefixes[] = {
    {u"da", 1, u"da"}, {u"Y", 24, u"Y"},  {u"Z", 21, u"Z"},  {u"E", 18, u"E"},  {u"P", 15, u"P"},
    {u"T", 12, u"T"},  {u"G", 9, u"G"},   {u"M", 6, u"M"},   {u"k", 3, u"k"},   {u"h", 2, u"h"},
    {u"d", -1, u"d"},  {u"c", -2, u"c"},  {u"m", -3, u"m"},  {u"μ", -6, u"μ"},  {u"µ", -6, u"μ"},
    {u"u", -6, u"μ"},  {u"n", -9, u"n"},  {u"p", -12, u"p"}, {u"f", -15, u"f"}, {u"a", -18, u"a"},
    {u"z", -21, u"z"}, {u"y", -24, u"y"},
};

std::u16string_view view(QStringView s) {
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size())};
}

bool isBlank(QChar c) {
    return c.isSpace();
}

// Signs that stand for a product between two units.
bool isProductSign(QChar c) {
    switch (c.unicode()) {
        case u'*':
        case u'.':
        case u'\u00B7':  // middle dot
        case u'\u00D7':  // multiplication sign
        case u'\u22C5':  // dot operator
        case u'\u2219':  // bullet operator
        case u'\u30FB':  // katakana middle dot
        case u'\uFF65':  // its half-width form
            return true;
        default:
            return false;
    }
}

// Characters that are a unit word on their own.
bool isMark(QChar c) {
    switch (c.unicode()) {
        case u'%':
        case u'#':
        case u'\u00B0':  // degree
        case u'\u2030':  // per mille
        case u'\u2013':  // en dash: a plain ratio
        case u'\u2032':  // prime: minute of arc
        case u'\u2033':  // double prime: second of arc
        case u'\u2103':  // degree Celsius
        case u'\u2109':  // degree Fahrenheit
            return true;
        default:
            return false;
    }
}

int superscriptDigit(QChar c) {
    switch (c.unicode()) {
        case u'\u2070':
            return 0;
        case u'\u00B9':
            return 1;
        case u'\u00B2':
            return 2;
        case u'\u00B3':
            return 3;
        default:
            if (c.unicode() >= u'\u2074' && c.unicode() <= u'\u2079') return c.unicode() - 0x2070;
            return -1;
    }
}

// A power written for `twice` (doubled) as the data file writes it, squares and cubes raised:
// "√m", "m²", "m^4", "m^1.5", "10^-6".
QString withPower(const QString& symbol, int twice) {
    switch (twice) {
        case 1:
            return u'\u221A' + symbol;
        case 2:
            return symbol;
        case 4:
            return symbol + u'\u00B2';
        case 6:
            return symbol + u'\u00B3';
        default:
            break;
    }
    const QString whole = QString::number(std::abs(twice) / 2);
    return symbol + u'^' + (twice < 0 ? QStringLiteral("-") : QString()) + whole +
           (twice % 2 != 0 ? QStringLiteral(".5") : QString());
}

bool isNumberPiece(const UnitPiece& piece) {
    return !piece.symbol.isEmpty() && piece.symbol.front().isDigit();
}

bool multiply(const UnitReading& a, const UnitReading& b, UnitReading& out) {
    if (a.pieces.size() + b.pieces.size() > kMaxPieces) return false;
    for (int k = 0; k < Dimensions::kBases; ++k) {
        const int sum = a.dimensions.twice[k] + b.dimensions.twice[k];
        if (std::abs(sum) > kMaxTwiceDimension) return false;
        out.dimensions.twice[k] = static_cast<std::int8_t>(sum);
    }
    out.logFactor = a.logFactor + b.logFactor;
    out.cost = a.cost + b.cost;
    out.energy = a.energy || b.energy;
    out.pieces.reserve(a.pieces.size() + b.pieces.size());
    out.pieces = a.pieces;
    out.pieces.insert(out.pieces.end(), b.pieces.begin(), b.pieces.end());
    return true;
}

void keepPlainest(Readings& readings) {
    std::stable_sort(readings.begin(), readings.end(),
                     [](const UnitReading& a, const UnitReading& b) { return a.cost < b.cost; });
    if (readings.size() > kMaxReadings) readings.resize(kMaxReadings);
}

// Every reading of a times every reading of b, the plainest kMaxReadings of them: only those
// are made, as a long run of letters asks for many products.
Readings product(const Readings& a, const Readings& b) {
    struct Pair {
        int cost;
        std::uint32_t x, y;
    };
    std::vector<Pair> pairs;
    pairs.reserve(a.size() * b.size());
    for (std::uint32_t x = 0; x < a.size(); ++x) {
        for (std::uint32_t y = 0; y < b.size(); ++y) pairs.push_back({a[x].cost + b[y].cost, x, y});
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const Pair& p, const Pair& q) { return p.cost < q.cost; });
    Readings out;
    for (const Pair& pair : pairs) {
        if (out.size() == kMaxReadings) break;
        UnitReading r;
        if (multiply(a[pair.x], b[pair.y], r)) out.push_back(std::move(r));
    }
    return out;
}

// Raises every reading to the power twice / 2; a reading that would need a quarter power or
// grow beyond the bounds is dropped.
Readings power(Readings readings, int twice) {
    if (twice == 2) return readings;
    Readings out;
    for (UnitReading& r : readings) {
        bool ok = true;
        for (std::int8_t& d : r.dimensions.twice) {
            const int scaled = d * twice;
            if (scaled % 2 != 0 || std::abs(scaled / 2) > kMaxTwiceDimension) ok = false;
            d = static_cast<std::int8_t>(ok ? scaled / 2 : 0);
        }
        for (UnitPiece& piece : r.pieces) {
            const int scaled = piece.twice * twice;
            if (scaled % 2 != 0 || std::abs(scaled / 2) > 4 * kMaxTwicePower) ok = false;
            piece.twice = scaled / 2;
        }
        if (!ok) continue;
        r.logFactor *= twice / 2.0;
        out.push_back(std::move(r));
    }
    return out;
}

}  // namespace

QString UnitReading::text() const {
    QStringList numerator, denominator;
    for (const UnitPiece& piece : pieces) {
        if (piece.twice > 0 || isNumberPiece(piece)) {
            numerator << withPower(piece.symbol, piece.twice);
        } else if (piece.twice < 0) {
            denominator << withPower(piece.symbol, -piece.twice);
        }
    }
    QString out = numerator.isEmpty() ? QStringLiteral("1") : numerator.join(kProductSign);
    if (!denominator.isEmpty()) out += u'/' + denominator.join(kProductSign);
    return out;
}

// One pass over one text: recursive descent, every rule giving all its readings.
class ExpressionReader {
public:
    ExpressionReader(const UnitVocabulary& words, QStringView text) : m_words(words), s(text) {}

    Readings run() {
        skipBlanks();
        Readings r = expression();
        skipBlanks();
        if (m_failed || i != s.size()) return {};
        return r;
    }

private:
    bool at(char16_t c) const { return i < s.size() && s[i] == c; }
    bool atWord(QStringView word) const {
        const qsizetype end = i + word.size();
        return s.mid(i).startsWith(word) && (end == s.size() || !s[end].isLetter());
    }
    bool skipBlanks() {
        const qsizetype from = i;
        while (i < s.size() && isBlank(s[i])) ++i;
        return i > from;
    }
    Readings fail() {
        m_failed = true;
        return {};
    }

    // term ("/" term)*, everything after the first "/" in the denominator: W/m･K is W/(m･K).
    Readings expression() {
        Readings result = term();
        for (;;) {
            if (m_failed) return {};
            const qsizetype before = i;
            skipBlanks();
            if (at(u'/')) {
                ++i;
            } else if (atWord(u"per")) {
                i += 3;
            } else {
                i = before;
                return result;
            }
            skipBlanks();
            result = product(result, power(term(), -2));
        }
    }

    bool startsFactor(QChar c) const {
        return c.isLetter() || c == u'(' || c == u'\u221A' || isMark(c);
    }

    // factor (product sign or blank or nothing) factor ...
    Readings term() {
        Readings result = factor();
        for (;;) {
            if (m_failed) return {};
            skipBlanks();
            if (i >= s.size()) break;
            const QChar c = s[i];
            const bool decimal = c == u'.' && i + 1 < s.size() && s[i + 1].isDigit();
            if (isProductSign(c) && !decimal) {
                ++i;
                skipBlanks();
            } else if (c == u'-' && i + 1 < s.size() && startsFactor(s[i + 1])) {
                ++i;  // "kN-m", "ft-lb"
            } else if (!startsFactor(c) || atWord(u"per")) {
                break;
            }
            result = product(result, factor());
            continue;
        }
        if (!m_failed) {
            // Give back the blanks, so that the caller sees what ended the term.
            while (i > 0 && isBlank(s[i - 1])) --i;
        }
        return result;
    }

    Readings factor() {
        if (++m_depth > kMaxDepth) return fail();
        skipBlanks();
        bool root = false;
        if (at(u'\u221A')) {
            ++i;
            root = true;
            skipBlanks();
        } else if (atWord(u"sqrt")) {
            i += 4;
            root = true;
            skipBlanks();
        }
        Readings r = primary();
        if (root) r = power(std::move(r), 1);
        --m_depth;
        if (r.empty()) return fail();
        return r;
    }

    Readings primary() {
        if (i >= s.size()) return fail();
        if (at(u'(')) {
            ++i;
            Readings inside = expression();
            skipBlanks();
            if (m_failed || !at(u')')) return fail();
            ++i;
            return power(std::move(inside), exponent(true));
        }
        if (s[i].isDigit()) return number();
        return word();
    }

    // A plain number as a factor: the 1 of "1/K", the 10 of "10^-6/K".
    Readings number() {
        const qsizetype from = i;
        while (i < s.size() && (s[i].isDigit() || s[i] == u'.')) ++i;
        const auto value = number::readStrict(s.mid(from, i - from));
        if (!value || !(*value > 0) || !std::isfinite(*value)) return fail();
        UnitReading r;
        r.logFactor = std::log(*value);
        r.pieces.push_back({s.mid(from, i - from).toString(), 2});
        return power({std::move(r)}, exponent(false));
    }

    // The power after a word or a group, doubled; 2 when none is written. `implicit` allows
    // digits right after the word, as in "mm4" and "s-1".
    int exponent(bool implicit) {
        if (i < s.size() && (superscriptDigit(s[i]) >= 0 || s[i] == u'\u207B')) {
            const bool negative = s[i] == u'\u207B';
            if (negative) ++i;
            int value = 0;
            qsizetype digits = 0;
            while (i < s.size() && superscriptDigit(s[i]) >= 0 && digits < 3) {
                value = 10 * value + superscriptDigit(s[i++]);
                ++digits;
            }
            if (digits == 0) return fail(), 2;
            return checked(2 * (negative ? -value : value));
        }
        const qsizetype before = i;
        skipBlanks();
        if (at(u'^') || s.mid(i).startsWith(u"**")) {
            i += at(u'^') ? 1 : 2;
            skipBlanks();
            const bool group = at(u'(');
            if (group) ++i;
            const int twice = writtenPower();
            if (group && !at(u')')) return fail(), 2;
            if (group) ++i;
            return twice;
        }
        i = before;
        if (implicit && i < s.size() &&
            (s[i].isDigit() ||
             ((s[i] == u'-' || s[i] == u'\u2212') && i + 1 < s.size() && s[i + 1].isDigit()))) {
            return writtenPower();
        }
        return 2;
    }

    // A signed number, whole or with a fraction of one half: "2", "-6", "0.5", "1.5".
    int writtenPower() {
        bool negative = false;
        if (at(u'-') || at(u'\u2212') || at(u'+')) {
            negative = !at(u'+');
            ++i;
        }
        const qsizetype from = i;
        while (i < s.size() && (s[i].isDigit() || s[i] == u'.') && i - from < 8) ++i;
        const auto value = number::readStrict(s.mid(from, i - from));
        if (!value) return fail(), 2;
        const double twice = 2 * *value;
        if (std::abs(twice - std::round(twice)) > 1e-9) return fail(), 2;
        return checked(static_cast<int>(std::round(negative ? -twice : twice)));
    }

    int checked(int twice) {
        if (twice == 0 || std::abs(twice) > kMaxTwicePower) return fail(), 2;
        return twice;
    }

    Readings word() {
        // A degree of temperature, blanks allowed inside: "°C", "° F", "deg C", "degF".
        if (at(u'\u00B0') || s.mid(i).startsWith(u"deg")) {
            qsizetype q = i + (at(u'\u00B0') ? 1 : 3);
            while (q < s.size() && isBlank(s[q])) ++q;
            if (q < s.size() && (s[q] == u'C' || s[q] == u'F' || s[q] == u'R') &&
                (q + 1 == s.size() || !s[q + 1].isLetter())) {
                const QString symbol = u'\u00B0' + QString(s[q]);
                i = q + 1;
                return meaningsWithPower(symbol, exponent(true));
            }
        }
        for (const QString& phrase : m_words.m_phrases) {
            const qsizetype end = i + phrase.size();
            if (s.mid(i).startsWith(phrase) && (end == s.size() || !s[end].isLetter())) {
                i = end;
                return meaningsWithPower(phrase, exponent(true));
            }
        }
        if (isMark(s[i])) {
            const QString symbol(s[i++]);
            return meaningsWithPower(symbol, exponent(true));
        }
        const qsizetype from = i;
        // An underscore joins a name to its qualifier, as in cal_IT.
        while (i < s.size() && (s[i].isLetter() || (i > from && s[i] == u'_'))) ++i;
        if (i == from) return fail();
        const QStringView run = s.mid(from, i - from);
        return segment(run, exponent(true));
    }

    Readings meaningsWithPower(QStringView symbol, int twice) {
        if (m_failed) return {};
        const UnitVocabulary::Word* w = m_words.find(symbol);
        if (!w) return fail();
        return power(w->meanings, twice);
    }

    // The meanings of one word of a run of letters: as it stands, or a prefix and a word.
    Readings meanings(QStringView piece) const {
        Readings out;
        if (const UnitVocabulary::Word* w = m_words.find(piece)) out = w->meanings;
        for (const Prefix& prefix : kPrefixes) {
            const QStringView p(prefix.text);
            if (piece.size() <= p.size() || !piece.startsWith(p)) continue;
            const UnitVocabulary::Word* w = m_words.find(piece.mid(p.size()));
            if (!w || !w->prefixable) continue;
            for (UnitReading m : w->meanings) {
                m.logFactor += prefix.exponent * std::numbers::ln10;
                m.cost += kPrefixCost;
                m.pieces.front().symbol =
                    QString::fromUtf16(prefix.shown) + m.pieces.front().symbol;
                out.push_back(std::move(m));
            }
        }
        return out;
    }

    // A run of letters split into words, fewest first: "kNm" is kN･m, "mK" a millikelvin and
    // then m･K. The power written after the run belongs to its last word.
    Readings segment(QStringView run, int twice) {
        if (m_failed) return {};
        const qsizetype n = run.size();
        std::vector<Readings> from(static_cast<std::size_t>(n) + 1);
        from[static_cast<std::size_t>(n)] = {UnitReading{}};
        for (qsizetype k = n - 1; k >= 0; --k) {
            Readings here;
            // A word may carry a prefix of up to two letters ("da").
            const qsizetype longest = std::min(m_words.m_longest + 2, n - k);
            for (qsizetype length = 1; length <= longest; ++length) {
                const Readings& rest = from[static_cast<std::size_t>(k + length)];
                if (rest.empty()) continue;
                Readings piece = meanings(run.mid(k, length));
                if (piece.empty()) continue;
                if (k + length == n) piece = power(std::move(piece), twice);
                Readings joined = product(piece, rest);
                for (UnitReading& r : joined) {
                    if (k + length < n) r.cost += kJoinCost;
                    here.push_back(std::move(r));
                }
            }
            keepPlainest(here);
            from[static_cast<std::size_t>(k)] = std::move(here);
        }
        if (from[0].empty()) return fail();
        return from[0];
    }

    const UnitVocabulary& m_words;
    QStringView s;
    qsizetype i = 0;
    int m_depth = 0;
    bool m_failed = false;
};

UnitVocabulary::UnitVocabulary() {
    const auto base = [this](const char16_t* symbol, int dimension, double factor,
                             bool prefixable) {
        UnitReading r;
        if (dimension >= 0) r.dimensions.twice[static_cast<std::size_t>(dimension)] = 2;
        r.logFactor = std::log(factor);
        r.pieces.push_back({QString::fromUtf16(symbol), 2});
        add(symbol, r, prefixable);
    };
    base(u"m", Dimensions::kLength, 1, true);
    base(u"g", Dimensions::kMass, 0.001, true);
    base(u"s", Dimensions::kTime, 1, true);
    base(u"A", Dimensions::kCurrent, 1, true);
    base(u"K", Dimensions::kTemperature, 1, true);
    base(u"mol", Dimensions::kAmount, 1, true);
    base(u"cd", Dimensions::kLuminosity, 1, true);
    base(u"rad", Dimensions::kAngle, 1, true);
    base(u"\u2013", -1, 1, false);  // a plain ratio
    base(u"%", -1, 0.01, false);
    base(u"\u2030", -1, 0.001, false);

    constexpr double pi = std::numbers::pi;
    // SI units with special names, and units accepted for use with the SI.
    define(u"N", u"kg*m/s^2", 1, true);
    define(u"Pa", u"N/m^2", 1, true);
    define(u"J", u"N*m", 1, true);
    define(u"W", u"J/s", 1, true);
    define(u"Hz", u"1/s", 1, true);
    define(u"C", u"A*s", 1, true);
    define(u"V", u"W/A", 1, true);
    define(u"\u03A9", u"V/A", 1, true);
    define(u"L", u"dm^3", 1, true);
    define(u"l", u"dm^3", 1, true);
    define(u"t", u"kg", 1000, true);
    define(u"bar", u"Pa", 1e5, true);
    define(u"min", u"s", 60);
    define(u"h", u"s", 3600);
    define(u"d", u"s", 86400);
    define(u"ha", u"hm^2", 1);
    define(u"\u00B0", u"rad", pi / 180);
    define(u"deg", u"rad", pi / 180);
    define(u"\u2032", u"rad", pi / 10800);
    define(u"\u2033", u"rad", pi / 648000);
    define(u"gon", u"rad", pi / 200);
    define(u"rev", u"rad", 2 * pi);
    define(u"\u00B0C", u"K", 1);
    define(u"\u00B0F", u"K", 5.0 / 9.0);
    define(u"\u00B0R", u"K", 5.0 / 9.0);
    // The international inch and pound, standard gravity, and what is built on them.
    define(u"in", u"m", 0.0254);
    define(u"ft", u"m", 0.3048);
    define(u"yd", u"m", 0.9144);
    define(u"mi", u"m", 1609.344);
    define(u"mil", u"in", 0.001);
    define(u"lb", u"kg", 0.45359237);
    define(u"oz", u"lb", 1.0 / 16);
    define(u"kgf", u"N", 9.80665);
    define(u"tf", u"kgf", 1000);
    define(u"lbf", u"N", 9.80665 * 0.45359237);
    define(u"kip", u"lbf", 1000);
    define(u"slug", u"lbf*s^2/ft", 1);
    define(u"dyn", u"N", 1e-5);
    define(u"atm", u"Pa", 101325);
    // The calorie of heat engineering (International Table) and the thermochemical one; a
    // calorie without a name is read as either, the International Table one first.
    define(u"cal_IT", u"J", 4.1868, true);
    define(u"cal_th", u"J", 4.184, true);
    define(u"cal", u"J", 4.1868, true);
    define(u"cal", u"J", 4.184, true, 1);
    define(u"gal", u"in^3", 231);
    define(u"US gal", u"gal", 1);
    define(u"imp gal", u"L", 4.54609);
    for (const char16_t* energy : {u"J", u"W", u"cal", u"cal_IT", u"cal_th"}) {
        for (UnitReading& r : m_words.at(energy).meanings) r.energy = true;
    }
    // Words that stand for an expression: the pound as a force as well as a mass, and the
    // shorthands of American practice.
    const auto alias = [this](const char16_t* symbol, const char16_t* expression, int cost) {
        for (UnitReading r : read(QStringView(expression))) {
            r.cost += cost;
            add(symbol, std::move(r), false);
        }
    };
    alias(u"lb", u"lbf", 0);
    alias(u"lbs", u"lb", 0);
    alias(u"#", u"lb", 0);
    alias(u"kips", u"kip", 0);
    alias(u"k", u"kip", 3);
    alias(u"\u2103", u"\u00B0C", 0);
    alias(u"\u2109", u"\u00B0F", 0);
    alias(u"psi", u"lbf/in^2", 0);
    alias(u"ksi", u"kip/in^2", 0);
    alias(u"psf", u"lbf/ft^2", 0);
    alias(u"ksf", u"kip/ft^2", 0);
    alias(u"pcf", u"lb/ft^3", 0);
    alias(u"pci", u"lb/in^3", 0);
    alias(u"kcf", u"kip/ft^3", 0);
    alias(u"plf", u"lbf/ft", 0);
    alias(u"klf", u"kip/ft", 0);
    alias(u"pli", u"lbf/in", 0);
    alias(u"kli", u"kip/in", 0);
    alias(u"gpm", u"US gal/min", 0);
    alias(u"cfm", u"ft^3/min", 0);
    alias(u"cfs", u"ft^3/s", 0);
    alias(u"mph", u"mi/h", 0);
    alias(u"rpm", u"rev/min", 0);
}

void UnitVocabulary::define(const char16_t* symbol, const char16_t* expression, double multiplier,
                            bool prefixable, int cost) {
    const Readings readings = read(QStringView(expression));
    if (readings.empty()) return;
    UnitReading r = readings.front();
    r.logFactor += std::log(multiplier);
    r.cost = cost;
    r.pieces = {{QString::fromUtf16(symbol), 2}};
    add(symbol, std::move(r), prefixable);
}

void UnitVocabulary::add(QStringView symbol, UnitReading meaning, bool prefixable) {
    auto [it, added] = m_words.try_emplace(std::u16string(view(symbol)));
    it->second.meanings.push_back(std::move(meaning));
    it->second.prefixable = it->second.prefixable || prefixable;
    if (added) {
        if (symbol.contains(u' ')) {
            m_phrases.push_back(symbol.toString());
        } else {
            m_longest = std::max(m_longest, symbol.size());
        }
    }
}

const UnitVocabulary::Word* UnitVocabulary::find(QStringView symbol) const {
    const auto it = m_words.find(view(symbol));
    return it == m_words.end() ? nullptr : &it->second;
}

bool UnitVocabulary::knows(QStringView symbol) const {
    return find(symbol) != nullptr;
}

void UnitVocabulary::teach(QStringView symbol, const UnitReading& meaning) {
    if (symbol.isEmpty() || knows(symbol)) return;
    UnitReading r = meaning;
    r.cost = 0;
    r.pieces = {{symbol.toString(), 2}};
    add(symbol, std::move(r), false);
}

std::vector<UnitReading> UnitVocabulary::read(QStringView text) const {
    text = text.trimmed();
    if (text.isEmpty() || text.size() > kMaxExpressionLength) return {};
    return ExpressionReader(*this, text).run();
}

}  // namespace zephal::units

// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/number_text.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace zephal::number {
namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Value of an ASCII digit in bases up to 16, or -1.
int digitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') return u - u'0';
    if (u >= u'a' && u <= u'f') return u - u'a' + 10;
    if (u >= u'A' && u <= u'F') return u - u'A' + 10;
    return -1;
}

// &H and &O whole numbers: up to 4 digits read as a 16-bit, up to 8 as a 32-bit two's
// complement number, longer ones as their plain value.
std::optional<double> radixValue(QStringView digits, int radix) {
    if (digits.isEmpty()) return std::nullopt;
    double value = 0;
    for (QChar c : digits) value = value * radix + digitValue(c);
    const int bitsPerDigit = radix == 16 ? 4 : 3;
    const qsizetype bits = digits.size() * bitsPerDigit;
    if (bits <= 16 + (radix == 8 ? 2 : 0) && value <= 65535) {
        return value >= 32768 ? value - 65536 : value;
    }
    if (bits <= 32 + (radix == 8 ? 1 : 0) && value <= 4294967295.0) {
        return value >= 2147483648.0 ? value - 4294967296.0 : value;
    }
    return value;
}

qsizetype radixDigits(QStringView s, qsizetype from, int radix) {
    qsizetype i = from;
    while (i < s.size()) {
        const int d = digitValue(s[i]);
        if (d < 0 || d >= radix) break;
        ++i;
    }
    return i - from;
}

// Length of the longest decimal number at the start of s, and its value.
struct Scan {
    qsizetype length = 0;
    double value = 0;
};

// Parses the accepted ASCII text (NUL-terminated) the same in every locale.
double parseAscii(const char* begin, const char* end) {
    if (begin != end && *begin == '+') ++begin;
    double value = 0;
    if (std::from_chars(begin, end, value, std::chars_format::general).ec == std::errc()) {
        return value;
    }
    // Out of range: strtod in the C locale gives infinity for an overflow and the nearest
    // denormal (or zero) for an underflow, where from_chars gives up.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return strtod_l(begin, nullptr, cLocale);
}

Scan scanDecimal(QStringView s) {
    // Most numbers fit the small buffer; a longer run of digits goes to the heap.
    char small[64];
    std::string large;
    qsizetype used = 0;
    auto put = [&](char c) {
        if (used < qsizetype(sizeof small)) {
            small[used] = c;
        } else {
            if (large.empty()) large.assign(small, sizeof small);
            large += c;
        }
        ++used;
    };
    qsizetype i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) put(char(s[i++].unicode()));
    qsizetype mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        put(char(s[i++].unicode()));
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == u'.') {
        put('.');
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            put(char(s[i++].unicode()));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return {};
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E' || s[i] == u'd' || s[i] == u'D')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-')) ++j;
        const qsizetype digits = j;
        while (j < s.size() && isDigit(s[j])) ++j;
        if (j > digits) {
            put('e');
            for (qsizetype k = i + 1; k < j; ++k) put(char(s[k].unicode()));
            i = j;
        }
    }
    put('\0');
    const char* text = large.empty() ? small : large.data();
    return {i, parseAscii(text, text + used - 1)};
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString writeG(double value, int digits) {
    if (value == 0) return QStringLiteral("0");  // also folds -0
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    // printf's %.*G in the C locale whatever the user's locale: "1.234568E+07", "1E-05".
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    *result.ptr = '\0';
    if (std::isinf(parseAscii(buffer, result.ptr))) {
        // Rounding the largest values up would pass the top of the range; cut the last digit
        // instead, so that every text written reads back.
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                               digits);
        char* e = std::find(buffer, result.ptr, 'e');
        std::memmove(e - 1, e, std::size_t(result.ptr - e));
        --result.ptr;
    }
    for (char* p = buffer; p != result.ptr; ++p) {
        if (*p == 'e') *p = 'E';
    }
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

}  // namespace

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

double readLenient(QStringView text) {
    return readLenientReporting(text).value;
}

LenientReading readLenientReporting(QStringView text) {
    QString s;
    s.reserve(text.size());
    for (QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n') s += c;
    }
    if (s.size() >= 2 && s[0] == u'&') {
        const QChar kind = s[1].toUpper();
        const int radix = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (radix != 0) {
            const qsizetype n = radixDigits(s, 2, radix);
            const auto value = radixValue(QStringView(s).mid(2, n), radix);
            return {value.value_or(0), value && 2 + n == s.size()};
        }
    }
    const Scan scan = scanDecimal(s);
    return {scan.value, scan.length == s.size()};
}

qsizetype leadingNumberLength(QStringView s) {
    const auto isExponent = [](QChar c) {
        return c == u'e' || c == u'E' || c == u'd' || c == u'D';
    };
    // The end of a run of digits, "." and "," that holds a digit, or `from` when there is none.
    const auto digitGroup = [&s](qsizetype from) {
        qsizetype i = from;
        bool digit = false;
        while (i < s.size() && (isDigit(s[i]) || s[i] == u'.' || s[i] == u',')) {
            digit = digit || isDigit(s[i]);
            ++i;
        }
        return digit ? i : from;
    };
    const auto blanksFrom = [&s](qsizetype i) {
        while (i < s.size() && isBlank(s[i])) ++i;
        return i;
    };
    qsizetype i = blanksFrom(0);
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) i = blanksFrom(i + 1);
    qsizetype end = digitGroup(i);
    if (end == i) return 0;
    for (;;) {
        const qsizetype next = blanksFrom(end);
        const qsizetype groupEnd = digitGroup(next);
        if (next == end || groupEnd == next) break;
        if (groupEnd < s.size() && !isBlank(s[groupEnd]) && !s[groupEnd].isLetter()) break;
        end = groupEnd;
    }
    if (end < s.size() && isExponent(s[end])) {
        qsizetype digits = end + 1;
        if (digits < s.size() && (s[digits] == u'+' || s[digits] == u'-')) ++digits;
        qsizetype j = digits;
        while (j < s.size() && isDigit(s[j])) ++j;
        if (j > digits) end = j;
    }
    return end;
}

std::optional<double> readStrict(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const QStringView s = text.mid(begin, end - begin);
    if (s.isEmpty()) return std::nullopt;
    if (s.size() >= 2 && s[0] == u'&') {
        const QChar kind = s[1].toUpper();
        const int radix = kind == u'H' ? 16 : kind == u'O' ? 8 : 0;
        if (radix == 0) return std::nullopt;
        const qsizetype n = radixDigits(s, 2, radix);
        if (n == 0 || 2 + n != s.size()) return std::nullopt;
        return radixValue(s.mid(2), radix);
    }
    const Scan scan = scanDecimal(s);
    if (scan.length == 0 || scan.length != s.size()) return std::nullopt;
    return scan.value;
}

Converted<std::int16_t> toInt16(double value) {
    if (!std::isfinite(value)) return {0, kOverflow};
    const double r = roundHalfEven(value);
    if (r < -32768 || r > 32767) return {0, kOverflow};
    return {static_cast<std::int16_t>(r), 0};
}

Converted<std::int16_t> toInt16(QStringView text) {
    const auto value = readStrict(text);
    if (!value) return {0, kTypeMismatch};
    return toInt16(*value);
}

Converted<float> toSingle(double value) {
    if (!std::isfinite(value)) return {0, kOverflow};
    const float f = static_cast<float>(value);
    if (std::isinf(f)) return {0, kOverflow};
    return {f, 0};
}

Converted<float> toSingle(QStringView text) {
    const auto value = readStrict(text);
    if (!value) return {0, kTypeMismatch};
    return toSingle(*value);
}

QString writeSingle(float value) {
    return writeG(static_cast<double>(value), 7);
}

QString writeDouble(double value) {
    return writeG(value, 15);
}

QString writeSevenDigits(double value) {
    return writeG(value, 7);
}

QString writeScientific3(double value) {
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (value == 0) return QStringLiteral("0.000e+00");
    // "d.dddddddddddddde+XX": the 15 significant digits the value is known by.
    char buffer[64];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, 14)
                          .ptr;
    const std::string_view form(buffer, std::size_t(end - buffer));
    const std::size_t e = form.find('e');
    std::string digits(form.substr(2, e - 2));
    digits.insert(digits.begin(), form[0]);
    int exponent = std::stoi(std::string(form.substr(e + 1)));
    std::string kept = digits.substr(0, 4);
    if (digits[4] >= '5') {
        int i = 3;
        while (i >= 0 && kept[std::size_t(i)] == '9') kept[std::size_t(i--)] = '0';
        if (i < 0) {
            kept = "1000";
            ++exponent;
        } else {
            ++kept[std::size_t(i)];
        }
    }
    std::string text = value < 0 ? "-" : "";
    text += kept[0];
    text += '.';
    text += kept.substr(1);
    text += exponent < 0 ? "e-" : "e+";
    const std::string power = std::to_string(std::abs(exponent));
    if (power.size() < 2) text += '0';
    text += power;
    return QString::fromLatin1(text);
}

}  // namespace zephal::number

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every reading and writing of numbers in the program goes through here.
//
// - readLenient: the forgiving reader of a typed value (blanks ignored, stops at the first
//   character that does not fit, no number reads 0).
// - leadingNumberLength: where a number typed before a unit ends ("355 MPa").
// - readStrict / toInt16 / toSingle: whole-text conversions used for data-file fields and
//   settings; they fail with the error number the caller reports (13 not a number,
//   6 out of range).
// - writeSingle / writeDouble: the shortest text of a value at 7 or 15 significant digits.
//
// "." is the decimal point whatever the locale; "," is never part of a number.

#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace zephal::number {

// Error numbers a conversion can fail with.
inline constexpr int kTypeMismatch = 13;
inline constexpr int kOverflow = 6;

double readLenient(QStringView text);

// What the lenient reader made of a text: its value, and whether it took every character that
// is not a blank. Blank text is taken whole (it reads 0); "2,5", "12.5kg" and "abc" are not.
struct LenientReading {
    double value = 0;
    bool whole = true;
};
LenientReading readLenientReporting(QStringView text);

// The length of the number a person typed at the start of a text that goes on with a unit
// ("355 MPa", "250kN*m", "2,5 ft", "1 000 mm", "-4e3 N"), or 0 when the text does not start
// with one. It takes the number as the person wrote it, "," and digit groups included, so that
// the value box given this text reads it as it reads anything typed into it ("2,5" as 2).
// A blank ends the number unless digits follow that a blank, a letter or the end closes
// ("5 10^-6/K" is 5 in 10^-6/K).
qsizetype leadingNumberLength(QStringView text);

// The whole text (blanks and tabs around it allowed) must be one number:
// sign, digits with at most one ".", optional exponent (E or D), or &H / &O whole numbers.
std::optional<double> readStrict(QStringView text);

template <class T>
struct Converted {
    T value{};
    int error = 0;  // 0, kTypeMismatch or kOverflow
    bool ok() const { return error == 0; }
};

// Rounds to the nearest whole number, halves to even.
Converted<std::int16_t> toInt16(QStringView text);
Converted<std::int16_t> toInt16(double value);
Converted<float> toSingle(QStringView text);
// Nearest single; kOverflow when the value lies beyond the single range (or is not finite).
Converted<float> toSingle(double value);

double roundHalfEven(double value);

// At most 7 significant digits; scientific ("1.234568E+07", "1E-05") when the decimal exponent
// after rounding is 7 or more, or below -4. Trailing zeros and a bare "." are dropped.
QString writeSingle(float value);
// The same rule with 15 significant digits and the scientific form from 1E+15 on.
QString writeDouble(double value);
// The rule of writeSingle for a double that is not narrowed to a single first: 7 significant
// digits, also for a value beyond the single range or too close to 0 for a single.
QString writeSevenDigits(double value);

// One leading digit, three decimals and a signed exponent of at least two digits
// ("1.235e+03"), from the value's 15-digit decimal form with halves rounded away from zero.
QString writeScientific3(double value);

}  // namespace zephal::number

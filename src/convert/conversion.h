// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic of a conversion window, kept free of widgets so that it can be tested and
// timed on its own.
//
// A window takes one quantity (command c of tab t) from the unit tables once, when it opens:
// the unit list texts, each unit's factor widened to double through its 7-digit text, and each
// unit's short name. Every conversion then reads the entered text into a single, and for each
// row divides by the selected unit's factor. A row that cannot be worked out (no base factor,
// a zero base factor, a result beyond the single range or too close to 0 for a single to hold
// its 7 digits) gives nothing, and the window empties
// that box: a number left from an earlier value would read as the answer to this one.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <vector>

#include "app/app_state.h"

namespace zephal::convert {

// Rows are this far apart: the top of a row lies 100 twips below the bottom of the one above.
inline constexpr int kRowGapTw = 100;

// The quantity behind quantity button k: k = 20 t + c + 1.
struct Quantity {
    int tab = 0;
    int command = 0;
};
Quantity quantityOfButton(int k);

// A factor as the double of its single-precision text, so 0.3048f becomes exactly 0.3048.
double widenFactor(float factor);

// "metre (m)" gives "m"; text without "(" gives itself trimmed; "foot (ft" gives "f".
QString shortUnitName(QStringView item);

// What a window takes from the tables when it opens; it never follows later changes.
struct UnitTable {
    QStringList items;            // unit list entries: the item texts of the data file
    std::vector<double> factors;  // UnitFactors
    QStringList names;            // UnitNames: the short names
    int baseIndex = 0;            // the unit selected when the window opens
};
UnitTable buildUnitTable(const UnitTables& tables, Quantity quantity);

// The entered value as a single; nothing when the number lies beyond the single range or so
// close to 0 that a single no longer holds 7 digits of it (below about 1.175494E-38).
std::optional<float> enteredValue(QStringView text);

// The entered value as the reader took it, written as every result is ("1,000" gives "1",
// "2.50" gives "2.5"); a number no single holds is written with 15 digits ("1E-44").
QString valueAsRead(QStringView text);

// The reader stops at the first character that does not fit ("2,5" reads 2). When it left
// something out, or found no number at all, the window says what it read: "Read as 2"; when the
// number cannot be converted it says so too: "Read as 1E-44, too small to convert".
std::optional<QString> partlyReadNote(QStringView text);

// The two texts of row i with base unit b; each is empty when it cannot be worked out.
struct RowText {
    std::optional<QString> scale;
    std::optional<QString> value;
};
RowText convertRow(std::optional<float> x, const std::vector<double>& factors, int i, int b);

// Row placement and window height in twips, from row 0's top and a row's height.
constexpr int rowTop(int top0, int rowHeight, int i) {
    return top0 + i * (rowHeight + kRowGapTw);
}
constexpr int windowHeightForLastRow(int lastTop, int lastHeight) {
    return lastTop + 3 * lastHeight;
}

// The unit name column: the designed width, or wider when the longest short name of the window
// needs more, so that no symbol is clipped. `longestNameTw` is that name's drawn width.
inline constexpr int kUnitColumnWidthTw = 765;
int unitColumnWidthTw(int longestNameTw);

// The scroll bar holds the whole part of the entered value (the largest whole number not
// above it) and the window keeps the rest; whole + fraction gives the value back, so stepping
// the whole part keeps the fraction, for negative values too.
struct SplitValue {
    std::optional<int> whole;  // nothing when it lies outside [lowest, highest]
    float fraction = 0;        // in [0, 1)
};
SplitValue splitValue(double value, int lowest, int highest);
// The text written back when the scroll bar moves to `whole`.
QString steppedText(int whole, float fraction);

// The chart window's caption: "<caption> : <entered value as read> <unit entry>", so that it
// names the number whose bars the chart draws.
QString chartCaption(const QString& caption, const QString& entered, const QString& unit);

// The results as text lines, each ending in CR LF: "1,<caption>", then per unit row "3," for
// the selected unit or "2," for the others, the unit's item text, "," and the row's value text.
QString clipboardText(const QString& caption, const QStringList& items, int selected,
                      const QStringList& values);

}  // namespace zephal::convert

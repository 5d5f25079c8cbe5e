// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conversion.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "convert/number_text.h"

namespace zephal::convert {

Quantity quantityOfButton(int k) {
    // Whole part of (k - 1) / 20 taken downwards, so no button below 1 lands on a real command.
    const int zeroBased = k - 1;
    const int tab = zeroBased >= 0 ? zeroBased / kCommandsPerTab
                                   : -((-zeroBased + kCommandsPerTab - 1) / kCommandsPerTab);
    return {tab, zeroBased - tab * kCommandsPerTab};
}

double widenFactor(float factor) {
    return number::readLenient(number::writeSingle(factor));
}

QString shortUnitName(QStringView item) {
    const qsizetype open = item.indexOf(u'(');
    if (open < 0) {
        // Only blanks are trimmed; a tab stays part of the name as it stood in the file.
        qsizetype begin = 0, end = item.size();
        while (begin < end && item[begin] == u' ') ++begin;
        while (end > begin && item[end - 1] == u' ') --end;
        return item.mid(begin, end - begin).toString();
    }
    // With no ")" the name runs up to the last character, which it leaves out.
    qsizetype close = item.indexOf(u')');
    if (close < 0) close = item.size() - 1;
    const qsizetype count = close - open - 1;
    if (count < 0) return {};
    return item.mid(open + 1, count).toString();
}

UnitTable buildUnitTable(const UnitTables& tables, Quantity quantity) {
    UnitTable table;
    const CommandItem& command = tables.CommandItems(quantity.command, quantity.tab);
    const int n = std::clamp<int>(command.Count, 0, kFunctionsPerCommand);
    table.baseIndex = command.BaseIndex;
    table.factors.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const FunctionItem& item = tables.FunctionItems(quantity.command, i, quantity.tab);
        table.items << item.Name;
        table.factors.push_back(widenFactor(item.Factor));
        table.names << shortUnitName(item.Name);
    }
    return table;
}

namespace {
// A single holds 7 significant digits only down to its smallest normal value; below it the
// digits run out one by one (1E-44 is held as 9.809089E-45, 1E-48 as 0), so such a number is
// not shown.
std::optional<float> heldValue(double value) {
    const auto single = number::toSingle(value);
    if (!single.ok()) return std::nullopt;
    if (value != 0 && std::fabs(single.value) < std::numeric_limits<float>::min()) {
        return std::nullopt;
    }
    return single.value;
}

std::optional<QString> singleText(double value) {
    const auto held = heldValue(value);
    if (!held) return std::nullopt;
    return number::writeSingle(*held);
}
}  // namespace

std::optional<float> enteredValue(QStringView text) {
    return heldValue(number::readLenient(text));
}

QString valueAsRead(QStringView text) {
    const double value = number::readLenient(text);
    const auto held = heldValue(value);
    return held ? number::writeSingle(*held) : number::writeDouble(value);
}

std::optional<QString> partlyReadNote(QStringView text) {
    const number::LenientReading reading = number::readLenientReporting(text);
    const bool held = heldValue(reading.value).has_value();
    if (reading.whole && held) return std::nullopt;
    QString note = QStringLiteral("Read as ") + valueAsRead(text);
    if (!held) {
        note += std::fabs(reading.value) < 1 ? QStringLiteral(", too small to convert")
                                             : QStringLiteral(", too large to convert");
    }
    return note;
}

RowText convertRow(std::optional<float> x, const std::vector<double>& factors, int i, int b) {
    const auto size = static_cast<int>(factors.size());
    if (b < 0 || b >= size || i < 0 || i >= size) return {};
    const double base = factors[static_cast<std::size_t>(b)];
    if (base == 0) return {};
    const double factor = factors[static_cast<std::size_t>(i)];
    RowText row;
    row.scale = singleText(factor / base);
    if (x) row.value = singleText((static_cast<double>(*x) * factor) / base);
    return row;
}

int unitColumnWidthTw(int longestNameTw) {
    // A label draws its text from its left edge; the room at the right keeps the last letter
    // off the tick box beside it.
    constexpr int kRightRoomTw = 60;
    return std::max(kUnitColumnWidthTw, longestNameTw + kRightRoomTw);
}

SplitValue splitValue(double value, int lowest, int highest) {
    if (!std::isfinite(value)) return {};
    const double whole = std::floor(value);
    SplitValue split;
    // A fraction a hair below 1 must not round up to 1, or the next step would skip a unit.
    split.fraction = std::min(static_cast<float>(value - whole), std::nextafter(1.0f, 0.0f));
    if (whole >= lowest && whole <= highest) split.whole = static_cast<int>(whole);
    return split;
}

QString steppedText(int whole, float fraction) {
    return number::writeSingle(static_cast<float>(whole) + fraction);
}

QString chartCaption(const QString& caption, const QString& entered, const QString& unit) {
    return caption + QStringLiteral(" : ") + valueAsRead(entered) + u' ' + unit;
}

QString clipboardText(const QString& caption, const QStringList& items, int selected,
                      const QStringList& values) {
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QStringLiteral("1,") + caption + lineEnd;
    for (qsizetype i = 0; i < items.size(); ++i) {
        text += (i == selected ? QStringLiteral("3,") : QStringLiteral("2,")) + items[i] + u',' +
                values.value(i) + lineEnd;
    }
    return text;
}

}  // namespace zephal::convert

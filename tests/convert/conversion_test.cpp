// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conversion.h"

#include <gtest/gtest.h>

namespace zephal::convert {
namespace {

const std::vector<double> kLength = {1, 1000, 3.28084};  // m, mm, ft
constexpr int kM = 0, kMm = 1, kFt = 2;

TEST(ShortUnitName, TextBetweenTheParenthesesOrTheTrimmedText) {
    const struct {
        const char* item;
        const char* name;
    } cases[] = {
        {"metre (m)", "m"},   {"kN/m2", "kN/m2"}, {"  inch  ", "inch"}, {"foot (ft", "f"},
        {"a)b(c", ""},        {"unit (", ""},     {"(m)", "m"},         {"()", ""},
        {"N (kN) (x)", "kN"}, {"", ""},           {"\tkg ", "\tkg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shortUnitName(QString::fromLatin1(c.item)), QString::fromLatin1(c.name))
            << '"' << c.item << '"';
    }
}

TEST(RowNames, ByTheSymbolOrTheEntryOrTheRow) {
    const struct {
        const char* name;
        const char* shortName;
        const char* item;
        const char* unit;
    } rows[] = {{"symbol", "mm", "millimetre (mm)", "mm"},
                {"no symbol", "", "metre ()", "metre ()"},
                {"blanks only", " ", " ", "row 3"}};
    for (const auto& r : rows) {
        const RowNames names =
            rowNames(QString::fromUtf8(r.shortName), QString::fromUtf8(r.item), 3);
        const QString unit = QString::fromUtf8(r.unit);
        EXPECT_EQ(names.unit, unit) << r.name;
        EXPECT_EQ(names.scale, "Scale factor to " + unit) << r.name;
        EXPECT_EQ(names.value, "Value in " + unit) << r.name;
        EXPECT_EQ(names.chart, "Chart " + unit) << r.name;
    }
}

TEST(WidenFactor, GoesThroughTheSevenDigitText) {
    EXPECT_EQ(widenFactor(0.3048f), 0.3048);
    EXPECT_NE(static_cast<double>(0.3048f), 0.3048);  // what widening directly would give
    EXPECT_EQ(widenFactor(1.0f / 3), 0.3333333);
    EXPECT_EQ(widenFactor(12345678.0f), 12345680.0);
    EXPECT_EQ(widenFactor(1e-12f), 1e-12);
    EXPECT_EQ(widenFactor(0), 0);
}

TEST(QuantityOfButton, InverseOfTheGridNumbering) {
    const struct {
        int k, tab, command;
    } cases[] = {{1, 0, 0}, {20, 0, 19}, {21, 1, 0}, {40, 1, 19}, {200, 9, 19}, {241, 12, 0}};
    for (const auto& c : cases) {
        const Quantity q = quantityOfButton(c.k);
        EXPECT_EQ(q.tab, c.tab) << c.k;
        EXPECT_EQ(q.command, c.command) << c.k;
    }
    EXPECT_LT(quantityOfButton(0).tab, 0);  // no real quantity behind button 0
}

TEST(EnteredValue, LenientTextRoundedToSingle) {
    const struct {
        const char* text;
        float value;
    } cases[] = {{"", 0},         {"12.5kg", 12.5f}, {"1,5", 1}, {"-3", -3},
                 {"1 000", 1000}, {"&H10", 16},      {"abc", 0}, {"0.1", 0.1f}};
    for (const auto& c : cases)
        EXPECT_EQ(enteredValue(QString::fromLatin1(c.text)), c.value) << c.text;
    EXPECT_EQ(enteredValue(u"3.4E38"), 3.4e38f);
    EXPECT_FALSE(enteredValue(u"1E39").has_value());
    EXPECT_FALSE(enteredValue(u"-1E400").has_value());
    // Below the smallest normal single the 7 digits run out.
    EXPECT_EQ(enteredValue(u"1.2E-38"), 1.2e-38f);
    EXPECT_FALSE(enteredValue(u"1E-38").has_value());
    EXPECT_FALSE(enteredValue(u"-1E-44").has_value());
}

TEST(ConvertRow, ScaleAndValueOfEachUnit) {
    const struct {
        float x;
        int b, i;
        const char *scale, *value;
    } cases[] = {
        {2, kM, kM, "1", "2"},
        {2, kM, kMm, "1000", "2000"},
        {2, kM, kFt, "3.28084", "6.56168"},
        {2, kFt, kM, "0.3048", "0.6096"},
        {1, kFt, kM, "0.3048", "0.3048"},
        {0, kMm, kM, "0.001", "0"},
        {-3, kM, kMm, "1000", "-3000"},
        {12.5f, kM, kMm, "1000", "12500"},
        {12345.678f, kM, kMm, "1000", "1.234568E+07"},
    };
    for (const auto& c : cases) {
        const RowText row = convertRow(c.x, kLength, c.i, c.b);
        EXPECT_EQ(row.scale, QString::fromLatin1(c.scale)) << c.x << " " << c.b << "->" << c.i;
        EXPECT_EQ(row.value, QString::fromLatin1(c.value)) << c.x << " " << c.b << "->" << c.i;
    }
}

TEST(ConvertRow, NothingWhereTheRowCannotBeWorkedOut) {
    const std::vector<double> zeroBase = {0, 1};
    const RowText zero = convertRow(1, zeroBase, 1, 0);
    EXPECT_FALSE(zero.scale);
    EXPECT_FALSE(zero.value);

    for (int b : {-1, 3}) {
        const RowText none = convertRow(1, kLength, 0, b);
        EXPECT_FALSE(none.scale) << b;
        EXPECT_FALSE(none.value) << b;
    }

    // Only the row whose value overflows keeps its text; the scale still fits.
    const std::vector<double> wide = {1, 1e30};
    EXPECT_EQ(convertRow(1e10f, wide, 0, 0).value, QString("1E+10"));
    const RowText over = convertRow(1e10f, wide, 1, 0);
    EXPECT_EQ(over.scale, QString("1E+30"));
    EXPECT_FALSE(over.value);
    const RowText overScale = convertRow(1, {1e-20, 1e20}, 1, 0);
    EXPECT_FALSE(overScale.scale);
    EXPECT_FALSE(overScale.value);
    // 1E-41 would show as 9.999666E-42: too small for a single to hold its 7 digits.
    const RowText under = convertRow(1e-35f, {1, 1e-6}, 1, 0);
    EXPECT_EQ(under.scale, QString("1E-06"));
    EXPECT_FALSE(under.value);
    EXPECT_FALSE(convertRow(1e-30f, {1, 1e-18}, 1, 0).value);  // a single holds 1E-48 as 0

    // An entered number beyond the single range leaves the values and still gives the scales.
    const RowText noValue = convertRow(std::nullopt, kLength, kMm, kM);
    EXPECT_EQ(noValue.scale, QString("1000"));
    EXPECT_FALSE(noValue.value);
}

TEST(BuildUnitTable, TakesTheQuantityFromTheTables) {
    UnitTables tables;
    tables.reset(10);
    CommandItem& command = tables.editCommandItems(19, 1);
    command.Name = "Length";
    command.Count = 3;
    command.BaseIndex = 2;
    const char* names[] = {"metre (m)", "millimetre (mm)", "foot (ft)"};
    const float factors[] = {1, 1000, 3.28084f};
    for (int i = 0; i < 3; ++i) {
        tables.editFunctionItems(19, i, 1) = {QString::fromLatin1(names[i]), factors[i]};
    }
    tables.editFunctionItems(19, 3, 1) = {"stale (s)", 7};  // beyond Count: not taken

    const UnitTable table = buildUnitTable(tables, quantityOfButton(40));
    EXPECT_EQ(table.items, QStringList({"metre (m)", "millimetre (mm)", "foot (ft)"}));
    EXPECT_EQ(table.factors, std::vector<double>({1, 1000, 3.28084}));
    EXPECT_EQ(table.names, QStringList({"m", "mm", "ft"}));
    EXPECT_EQ(table.baseIndex, 2);

    EXPECT_TRUE(buildUnitTable(tables, quantityOfButton(41)).items.isEmpty());
    EXPECT_TRUE(buildUnitTable(tables, quantityOfButton(0)).items.isEmpty());
}

TEST(RowPlacement, RowsAHundredTwipsApartAndTheHeightFollowsTheLast) {
    EXPECT_EQ(rowTop(1665, 315, 0), 1665);
    EXPECT_EQ(rowTop(1665, 315, 5), 1665 + 5 * 415);
    EXPECT_EQ(rowTop(1710, 315, 1), 2125);
    EXPECT_EQ(windowHeightForLastRow(rowTop(1665, 315, 5), 315), 3740 + 945);
}

TEST(SplitValue, WholePartForTheScrollBarFractionKept) {
    const struct {
        double value;
        std::optional<int> whole;
        float fraction;
    } cases[] = {
        {12.75, 12, 0.75f},
        {1, 1, 0},
        {0, 0, 0},
        {-2.5, -3, 0.5f},
        {-3, -3, 0},
        {32767.5, 32767, 0.5f},
        {32768, std::nullopt, 0},
        {-32769.5, std::nullopt, 0.5f},
    };
    for (const auto& c : cases) {
        const SplitValue split = splitValue(c.value, -32768, 32767);
        EXPECT_EQ(split.whole, c.whole) << c.value;
        EXPECT_EQ(split.fraction, c.fraction) << c.value;
    }
    EXPECT_FALSE(splitValue(std::numeric_limits<double>::infinity(), -32768, 32767).whole);
    EXPECT_LT(splitValue(2.99999999999, -32768, 32767).fraction, 1.0f);
}

TEST(SplitValue, SteppingTheWholePartKeepsTheFraction) {
    const struct {
        double typed;
        int step;
        const char* text;
    } cases[] = {{12.75, 1, "13.75"}, {-2.5, 1, "-1.5"}, {-2.5, -1, "-3.5"},
                 {-0.25, 1, "0.75"},  {0.1, 5, "5.1"},   {7, -10, "-3"}};
    for (const auto& c : cases) {
        const SplitValue split = splitValue(c.typed, -32768, 32767);
        ASSERT_TRUE(split.whole);
        EXPECT_EQ(steppedText(*split.whole + c.step, split.fraction), c.text) << c.typed;
    }
}

TEST(UnitColumnWidth, DesignWidthUntilANameNeedsMore) {
    EXPECT_EQ(unitColumnWidthTw(0), kUnitColumnWidthTw);
    EXPECT_EQ(unitColumnWidthTw(kUnitColumnWidthTw - 60), kUnitColumnWidthTw);
    EXPECT_EQ(unitColumnWidthTw(1500), 1560);
}

// The caption names the number the bars are for: the value as read, never text left unread.
TEST(ChartCaption, CaptionValueAsReadAndUnit) {
    EXPECT_EQ(chartCaption("Length", "2.50", "metre (m)"), "Length : 2.5 metre (m)");
    EXPECT_EQ(chartCaption("Stress", "1,000", "psi (psi)"), "Stress : 1 psi (psi)");
    EXPECT_EQ(chartCaption("Length", "1e-44", "m"), "Length : 1E-44 m");
    EXPECT_EQ(chartCaption("Length", "", ""), "Length : 0 ");
}

TEST(ClipboardText, OneLinePerUnitEachEndingInCrLf) {
    EXPECT_EQ(clipboardText("Length", {"metre (m)", "millimetre (mm)"}, 0, {"2", "2000"}),
              "1,Length\r\n3,metre (m),2\r\n2,millimetre (mm),2000\r\n");
    const QString three =
        clipboardText("Force", {"N (N)", "kN (kN)", "tf (tf)"}, 1, {"1E+07", "1", "0.1019716"});
    EXPECT_EQ(three.count("\r\n"), 4);
    EXPECT_TRUE(three.endsWith("\r\n"));
    EXPECT_EQ(three.count("\n3,"), 1);
    EXPECT_TRUE(three.contains("\r\n2,N (N),1E+07\r\n"));
    EXPECT_EQ(clipboardText("Empty", {}, -1, {}), "1,Empty\r\n");
    // Texts are not quoted: a comma in a caption simply adds a field.
    EXPECT_EQ(clipboardText("a,b", {"u"}, -1, {"1"}), "1,a,b\r\n2,u,1\r\n");
}

}  // namespace
}  // namespace zephal::convert

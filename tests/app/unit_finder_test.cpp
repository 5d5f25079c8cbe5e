// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_finder.h"

#include <gtest/gtest.h>

#include "support.h"
#include "units/unit_reader.h"

namespace zephal {
namespace {

const UnitFinder& shippedFinder() {
    static const UnitFinder finder = [] {
        AppState state;
        state.Tmax = 10;
        const units::ReaderHost host{[](const QString&) {}, [](const QString&) {},
                                     [] { return true; }};
        EXPECT_TRUE(units::SetData(test::shippedDataFile(), state, host).layout);
        return UnitFinder(state);
    }();
    return finder;
}

QStringList labels(const FindResult& result) {
    QStringList list;
    for (const FindMatch& m : result.matches) list << m.label;
    return list;
}

TEST(UnitFinder, FirstMatchOfTheShippedFile) {
    const struct {
        const char16_t* query;
        const char16_t* first;
        const char16_t* value = u"";
    } cases[] = {
        // the symbol as written, in another case, by its name, by the quantity
        {u"MPa", u"Stress / pressure / modulus \u2014 Megapascal (MPa)"},
        {u"mpa", u"Stress / pressure / modulus \u2014 Megapascal (MPa)"},
        {u"kilonewton", u"Force \u2014 Kilonewton (kN)"},
        {u"Length", u"Length"},
        {u"stress", u"Stress / pressure / modulus"},
        {u"second", u"Time \u2014 Second (s)"},  // a start before a word inside
        {u"pressure", u"Stress / pressure / modulus"},
        // spellings an engineer types for the file's
        {u"mPa*s", u"Dynamic viscosity \u2014 Millipascal second (mPa\uFF65s)"},
        {u"mPa.s", u"Dynamic viscosity \u2014 Millipascal second (mPa\uFF65s)"},
        {u"mPa\u00B7s", u"Dynamic viscosity \u2014 Millipascal second (mPa\uFF65s)"},
        {u"kgf*s^2/m^4",
         u"Density \u2014 Kilogram-force second squared per metre to the fourth "
         u"(kgf\uFF65s^2/m^4)"},
        {u"m\u00B2", u"Area \u2014 Square metre (m^2)"},
        {u"ft\u00B3", u"Volume \u2014 Cubic foot (ft^3)"},
        {u"deg", u"Rotation angle \u2014 Degree (\u00B0)"},
        {u"degC", u"Temperature difference \u2014 Degree Celsius (\u2103)"},
        {u"\u00B0C", u"Temperature difference \u2014 Degree Celsius (\u2103)"},
        {u"um", u"Length \u2014 Micrometre (\u03BCm)"},
        {u"\u00B5m", u"Length \u2014 Micrometre (\u03BCm)"},
        // a value with its unit
        {u"355 MPa", u"Stress / pressure / modulus \u2014 Megapascal (MPa)", u"355"},
        {u"250kN*m", u"Moment \u2014 Kilonewton metre (kN\uFF65m)", u"250"},
        {u"7850 kg/m^3", u"Density \u2014 Kilogram per cubic metre (kg/m^3)", u"7850"},
        {u"2,5 ft", u"Length \u2014 Foot (ft)", u"2,5"},
        {u" 1 000 mm ", u"Length \u2014 Millimetre (mm)", u"1 000"},
        {u"5 10^-6/K", u"Thermal expansion coefficient \u2014 Millionth per kelvin (10^-6/K)",
         u"5"},
        {u"1/K", u"Thermal expansion coefficient \u2014 Per kelvin (1/K)"},  // a symbol, no value
    };
    for (const auto& c : cases) {
        const FindResult result = shippedFinder().find(QString::fromUtf16(c.query));
        const QString query = QString::fromUtf16(c.query);
        ASSERT_FALSE(result.matches.empty()) << query.toStdString();
        EXPECT_EQ(result.matches[0].label, QString::fromUtf16(c.first)) << query.toStdString();
        EXPECT_EQ(result.valueText, QString::fromUtf16(c.value)) << query.toStdString();
    }
}

TEST(UnitFinder, OrderAndWhatAMatchOpens) {
    const FindResult mpa = shippedFinder().find(u"MPa");
    ASSERT_GE(mpa.matches.size(), 2u);
    EXPECT_EQ(mpa.matches[1].label, u"Dynamic viscosity \u2014 Millipascal second (mPa\uFF65s)");
    // Stress is command 5 of tab 2; MPa its fourth unit.
    EXPECT_EQ(mpa.matches[0].button, 20 * 2 + 5 + 1);
    EXPECT_EQ(mpa.matches[0].unit, 3);
    EXPECT_EQ(shippedFinder().find(u"Length").matches[0].unit, -1);

    // A unit of two quantities lists each, in the order of the file.
    EXPECT_EQ(labels(shippedFinder().find(u"10 kN/m")).mid(0, 2),
              QStringList({QStringLiteral("Line load \u2014 Kilonewton per metre (kN/m)"),
                           QStringLiteral("Stiffness \u2014 Kilonewton per metre (kN/m)")}));
    EXPECT_EQ(shippedFinder().find(u"m").matches.size(), std::size_t(kMaxFindMatches));
    for (const char16_t* none : {u"", u"  ", u"xyz", u"355", u"355 xyz"}) {
        EXPECT_TRUE(shippedFinder().find(none).matches.empty())
            << QString::fromUtf16(none).toStdString();
    }
}

// A file at every limit, with tabs beyond the tenth, and entries a user cannot reach.
TEST(UnitFinder, OffersOnlyWhatTheGridShows) {
    AppState s;
    s.Tmax = 12;
    s.ResetTables();
    for (int t = 0; t < 12; ++t) {
        s.tables.editTabItems(t) = {QStringLiteral("Tab %1").arg(t), 20};
        for (int c = 0; c < 20; ++c) {
            s.tables.editCommandItems(c, t) = {QStringLiteral("Q%1x%2").arg(t).arg(c), 0, 20};
            for (int i = 0; i < 20; ++i) {
                s.tables.editFunctionItems(c, i, t) = {
                    QStringLiteral("U (u%1x%2x%3)").arg(t).arg(c).arg(i), 1};
            }
        }
    }
    s.tables.editTabItems(3).Count = 0;         // a hidden tab
    s.tables.editTabItems(4).Count = 5;         // commands 5 .. 19 of an earlier file
    s.tables.editCommandItems(0, 5).Count = 2;  // units 2 .. 19 of an earlier file
    s.UTn = 11;                             // tab 11 not laid out
    const UnitFinder finder(s);
    const struct {
        const char16_t* query;
        int button;  // 0: not offered
        int unit;
    } cases[] = {
        {u"u0x0x0", 1, 0}, {u"u9x19x19", 200, 19}, {u"u10x19x19", 220, 19}, {u"Q10x0", 201, -1},
        {u"u3x0x0", 0, 0}, {u"u4x4x19", 85, 19},   {u"u4x5x0", 0, 0},       {u"u5x0x1", 101, 1},
        {u"u5x0x2", 0, 0}, {u"u11x0x0", 0, 0},
    };
    for (const auto& c : cases) {
        const FindResult result = finder.find(QString::fromUtf16(c.query));
        const std::string query = QString::fromUtf16(c.query).toStdString();
        if (c.button == 0) {
            EXPECT_TRUE(result.matches.empty()) << query;
            continue;
        }
        ASSERT_FALSE(result.matches.empty()) << query;
        EXPECT_EQ(result.matches[0].button, c.button) << query;
        EXPECT_EQ(result.matches[0].unit, c.unit) << query;
    }
    EXPECT_TRUE(UnitFinder().find(u"m").matches.empty());
}

}  // namespace
}  // namespace zephal

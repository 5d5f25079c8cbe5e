// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/unit_finder.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
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
        // powers without a caret
        {u"N/mm2", u"Stress / pressure / modulus \u2014 Newton per square millimetre (N/mm^2)"},
        {u"kN/m2", u"Surface load \u2014 Kilonewton per square metre (kN/m^2)"},
        {u"kgf/cm2",
         u"Stress / pressure / modulus \u2014 Kilogram-force per square centimetre (kgf/cm^2)"},
        {u"kN/m3", u"Unit weight \u2014 Kilonewton per cubic metre (kN/m^3)"},
        {u"kg/m3", u"Density \u2014 Kilogram per cubic metre (kg/m^3)"},
        {u"mm4", u"Second moment of area \u2014 Millimetre to the fourth (mm^4)"},
        {u"in4", u"Second moment of area \u2014 Inch to the fourth (in^4)"},
        {u"m-1", u"Curvature \u2014 Per metre (1/m)"},
        // products with a blank, a hyphen, a dot or nothing, in either order
        {u"Pa s", u"Dynamic viscosity \u2014 Pascal second (Pa\uFF65s)"},
        {u"kN m", u"Moment \u2014 Kilonewton metre (kN\uFF65m)"},
        {u"kNm", u"Moment \u2014 Kilonewton metre (kN\uFF65m)"},
        {u"kN-m", u"Moment \u2014 Kilonewton metre (kN\uFF65m)"},
        {u"kip-ft", u"Moment \u2014 Kip foot (kip\uFF65ft)"},
        {u"lb-ft", u"Moment \u2014 Pound-force foot (lbf\uFF65ft)"},
        {u"lbf ft", u"Moment \u2014 Pound-force foot (lbf\uFF65ft)"},
        {u"ft-lb", u"Moment \u2014 Pound-force foot (lbf\uFF65ft)"},
        {u"N.mm", u"Moment \u2014 Newton millimetre (N\uFF65mm)"},
        {u"(kN*m)/m", u"Moment per length \u2014 Kilonewton metre per metre (kN\uFF65m/m)"},
        {u"kN per m", u"Line load \u2014 Kilonewton per metre (kN/m)"},
        // a denominator in parentheses or run together; roots
        {u"W/(m\u00B7K)", u"Thermal conductivity \u2014 Watt per metre kelvin (W/m\uFF65K)"},
        {u"W/(m*K)", u"Thermal conductivity \u2014 Watt per metre kelvin (W/m\uFF65K)"},
        {u"W/mK", u"Thermal conductivity \u2014 Watt per metre kelvin (W/m\uFF65K)"},
        {u"MPa\u221Am", u"Fracture toughness \u2014 Megapascal root metre (MPa\uFF65\u221Am)"},
        {u"MPa m^0.5", u"Fracture toughness \u2014 Megapascal root metre (MPa\uFF65\u221Am)"},
        {u"ksi*in^0.5",
         u"Fracture toughness \u2014 Kip per square inch root inch (ksi\uFF65\u221Ain)"},
        // degrees with a blank, plurals and words
        {u"deg C", u"Temperature difference \u2014 Degree Celsius (\u2103)"},
        {u"\u00B0 F", u"Temperature difference \u2014 Degree Fahrenheit (\u00B0F)"},
        {u"kips", u"Force \u2014 Kip (kip)"},
        {u"lbs", u"Mass \u2014 Pound (lb)"},
        {u"feet", u"Length \u2014 Foot (ft)"},
        {u"inches", u"Length \u2014 Inch (in)"},
        {u"kilonewtons", u"Force \u2014 Kilonewton (kN)"},
        // American shorthand
        {u"pcf", u"Density \u2014 Pound per cubic foot (lb/ft^3)"},
        {u"psf", u"Surface load \u2014 Pound-force per square foot (psf)"},
        {u"ksf", u"Surface load \u2014 Kip per square foot (ksf)"},
        {u"klf", u"Line load \u2014 Kip per foot (kip/ft)"},
        {u"plf", u"Line load \u2014 Pound-force per foot (lbf/ft)"},
        {u"k/ft", u"Line load \u2014 Kip per foot (kip/ft)"},
        {u"#/ft", u"Mass per length \u2014 Pound per foot (lb/ft)"},
        {u"gpm", u"Volume flow rate \u2014 US gallon per minute (US gal/min)"},
        {u"cfm", u"Volume flow rate \u2014 Cubic foot per minute (ft^3/min)"},
        // words of the data file in expressions of their own
        {u"kcal/h/m2",
         u"Heat flux \u2014 IT kilocalorie per hour square metre (kcal_IT/h\uFF65m^2)"},
        {u"kcal_th/h/m2",
         u"Heat flux \u2014 Thermochemical kilocalorie per hour square metre (kcal_th/h\uFF65m^2)"},
        {u"Btu/h ft2", u"Heat flux \u2014 Btu per hour square foot (Btu/h\uFF65ft^2)"},
        // a quantity by what it measures
        {u"EI", u"Flexural / torsional rigidity"},
        {u"GJ", u"Flexural / torsional rigidity"},
        {u"torque", u"Moment"},
        {u"Young\u2019s modulus", u"Stress / pressure / modulus"},
        {u"modulus", u"Stress / pressure / modulus"},
        {u"E-modulus", u"Stress / pressure / modulus"},
        {u"weight density", u"Unit weight"},
        {u"load", u"Force"},
        // units the file does not list, in the first quantity that measures the same
        {u"355 N/cm2", u"Surface load \u2014 355 N/cm\u00B2 = 3550 kN/m^2", u"355"},
        {u"10 hPa", u"Surface load \u2014 10 hPa = 1 kN/m^2", u"10"},
        {u"2 kN/cm2", u"Surface load \u2014 2 kN/cm\u00B2 = 20000 kN/m^2", u"2"},
        {u"5 daN", u"Force \u2014 5 daN = 0.05 kN", u"5"},
        {u"3 kip/in2", u"Stress / pressure / modulus \u2014 Kip per square inch (ksi)", u"3"},
        {u"12 kN/dm3", u"Subgrade modulus \u2014 Meganewton per cubic metre (MN/m^3)", u"12"},
        {u"2,5 N/cm2", u"Surface load \u2014 2 N/cm\u00B2 = 20 kN/m^2", u"2,5"},  // read as 2
    };
    for (const auto& c : cases) {
        const FindResult result = shippedFinder().find(QString::fromUtf16(c.query));
        const QString query = QString::fromUtf16(c.query);
        ASSERT_FALSE(result.matches.empty()) << query.toStdString();
        EXPECT_EQ(result.matches[0].label.toStdString(), QString::fromUtf16(c.first).toStdString())
            << query.toStdString();
        EXPECT_EQ(result.valueText, QString::fromUtf16(c.value)) << query.toStdString();
    }
}

// The matches after the first: every reading, every quantity, case kept before case ignored.
TEST(UnitFinder, WhatComesNext) {
    const struct {
        const char16_t* query;
        std::size_t at;
        const char16_t* label;
    } cases[] = {
        {u"kN", 1, u"Line load \u2014 Kilonewton per metre (kN/m)"},  // not the knot, kn
        {u"cP", 1, u"Dynamic viscosity \u2014 Millipascal second (mPa\uFF65s)"},
        {u"cP", 2, u"Frequency \u2014 Cycle per minute (cpm)"},
        {u"1/K", 1, u"Thermal expansion coefficient \u2014 Per degree Celsius (1/\u2103)"},
        {u"1/K", 2, u"Curvature \u2014 Per kilometre (1/km)"},
        {u"ft-lb", 1, u"Energy \u2014 Foot pound-force (ft\uFF65lbf)"},
        {u"N/mm2", 1, u"Stress / pressure / modulus \u2014 Megapascal (MPa)"},
        {u"pcf", 1, u"Unit weight \u2014 Pound-force per cubic foot (lbf/ft^3)"},
        {u"#/ft", 1, u"Line load \u2014 Pound-force per foot (lbf/ft)"},
        {u"355 N/cm2", 1, u"Stress / pressure / modulus \u2014 355 N/cm\u00B2 = 3.55 MPa"},
        {u"3 kip/in2", 1, u"Surface load \u2014 3 kip/in\u00B2 = 20684.27 kN/m^2"},
        {u"tons", 1, u"Power \u2014 US refrigeration ton (USRT)"},
        {u"tons", 3, u"Mass \u2014 Tonne (t)"},
        {u"tons", 4, u"Force \u2014 Tonne-force (tf)"},
        {u"load", 1, u"Line load"},
    };
    for (const auto& c : cases) {
        const QString query = QString::fromUtf16(c.query);
        SCOPED_TRACE(query.toStdString());
        EXPECT_EQ(labels(shippedFinder().find(query)).value(static_cast<int>(c.at)).toStdString(),
                  QString::fromUtf16(c.label).toStdString());
    }
    // A unit the file lacks opens in the base unit, the value converted, saying how.
    const FindMatch stress = shippedFinder().find(u"355 N/cm2").matches.at(1);
    EXPECT_EQ(stress.unit, 3);
    EXPECT_EQ(stress.value, "3.55");
    EXPECT_EQ(stress.note, "355 N/cm\u00B2 = 3.55 MPa");
    // One of equal size in another spelling opens as typed, saying how it was read.
    const FindMatch mpa = shippedFinder().find(u"355 MPa").matches.at(2);
    EXPECT_EQ(mpa.label,
              "Stress / pressure / modulus \u2014 Newton per square millimetre (N/mm^2)");
    EXPECT_EQ(mpa.value, "355");
    EXPECT_EQ(mpa.note, "355 MPa = 355 N/mm^2");
}

TEST(UnitFinder, OrderAndWhatAMatchOpens) {
    const FindResult mpa = shippedFinder().find(u"MPa");
    ASSERT_GE(mpa.matches.size(), 2u);
    EXPECT_EQ(mpa.matches[1].label,
              u"Fracture toughness \u2014 Megapascal root metre (MPa\uFF65\u221Am)");
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
    // Text of any length or depth ends, within the limits of the list.
    for (const QString& hostile : {QString(100000, u'm'), QString(5000, u'(') + u'm',
                                   QStringLiteral("kN/").repeated(20000)}) {
        EXPECT_LE(shippedFinder().find(hostile).matches.size(), std::size_t(kMaxFindMatches));
    }
}

// A file of one's own: its quantities known by what their units measure, whatever their captions,
// and its own words usable in any expression.
TEST(UnitFinder, OwnFileByWhatItMeasures) {
    AppState s;
    s.Tmax = 10;
    s.ResetTables();
    s.UTn = 1;
    s.tables.editTabItems(0) = {QStringLiteral("Own"), 4};
    const std::vector<std::vector<std::pair<const char16_t*, float>>> quantities = {
        {{u"Newton metre (N\uFF65m)", 1}, {u"Kip foot (kip\uFF65ft)", 0.0007375621f}},
        {{u"Zork (zk)", 1}, {u"Metre (m)", 2}},  // known through its second unit
        {{u"Zork per second (zk/s)", 1}},        // through a word the one above taught
        {{u"Kilocalorie (kcal)", 1}},            // an energy, not a moment
    };
    const char16_t* captions[] = {u"Torque", u"Span", u"Speed", u"Heat"};
    for (int c = 0; c < 4; ++c) {
        const auto& units = quantities[static_cast<std::size_t>(c)];
        s.tables.editCommandItems(c, 0) = {QString::fromUtf16(captions[c]), 0,
                                           static_cast<std::int16_t>(units.size())};
        for (std::size_t i = 0; i < units.size(); ++i) {
            s.tables.editFunctionItems(c, static_cast<int>(i), 0) = {
                QString::fromUtf16(units[i].first), units[i].second};
        }
    }
    const UnitFinder finder(s);
    const struct {
        const char16_t* query;
        const char16_t* first;
    } cases[] = {
        {u"moment", u"Torque"},
        {u"lbf ft", u"Torque \u2014 1 lbf\uFF65ft = 1.355818 N\uFF65m"},
        {u"4 ft", u"Span \u2014 4 ft = 0.6096 zk"},  // in the base unit
        {u"3 zk", u"Span \u2014 Zork (zk)"},
        {u"m/s", u"Speed \u2014 1 m/s = 0.5 zk/s"},
    };
    for (const auto& c : cases) {
        const QString query = QString::fromUtf16(c.query);
        SCOPED_TRACE(query.toStdString());
        EXPECT_EQ(labels(finder.find(query)).value(0).toStdString(),
                  QString::fromUtf16(c.first).toStdString());
    }
    EXPECT_EQ(labels(finder.find(QStringLiteral("moment"))).size(), 1);
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
    s.UTn = 11;                                 // tab 11 not laid out
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

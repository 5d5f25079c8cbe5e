// SPDX-License-Identifier: GPL-3.0-or-later
// The unit data file that ships with the program, read with the real reader: it must load
// without a message, and its factors must agree with the exact definitions of the units.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringDecoder>
#include <cmath>
#include <numbers>
#include <optional>

#include "convert/conversion.h"
#include "convert/number_text.h"
#include "support/temp_folder.h"
#include "units/unit_reader.h"

namespace zephal::units {
namespace {

constexpr double kLbf = 0.45359237 * 9.80665;  // N
constexpr double kInch = 0.0254;               // m
constexpr double kFoot = 0.3048;               // m
constexpr double kBtu = 1055.05585262;         // J
constexpr double kDegF = 5.0 / 9.0;            // K, as an interval

class ShippedDataFile : public ::testing::Test {
protected:
    ShippedDataFile() {
        state.Tmax = 10;
        state.ResetTables();
        const ReaderHost host{[](const QString&) {}, [this](const QString& m) { messages << m; },
                              [] { return true; }};
        result = SetData(test::shippedDataFile(), state, host);
    }

    const UnitTables& t() const { return state.tables; }
    int tabs() const { return state.UTn; }

    std::optional<convert::Quantity> find(const QString& caption) const {
        for (int tab = 0; tab < tabs(); ++tab) {
            for (int c = 0; c < t().TabItems(tab).Count; ++c) {
                if (t().CommandItems(c, tab).Name == caption) return convert::Quantity{tab, c};
            }
        }
        return std::nullopt;
    }
    // The factor of the unit with this symbol in the quantity with this caption, as a
    // conversion window of that quantity holds it.
    std::optional<double> factor(const QString& caption, const QString& symbol) const {
        const auto quantity = find(caption);
        if (!quantity) return std::nullopt;
        const convert::UnitTable table = convert::buildUnitTable(t(), *quantity);
        const qsizetype i = table.names.indexOf(symbol);
        if (i < 0) return std::nullopt;
        return table.factors[static_cast<std::size_t>(i)];
    }

    AppState state;
    QStringList messages;
    ReadResult result;
};

TEST_F(ShippedDataFile, LoadsWithoutAMessageWithinTheLimits) {
    EXPECT_TRUE(result.layout);
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
    EXPECT_GE(tabs(), 1);
    EXPECT_LE(tabs(), 10);
    for (int tab = 0; tab < tabs(); ++tab) {
        // A tab without quantities would be hidden, which is never what the file means.
        EXPECT_GE(t().TabItems(tab).Count, 1) << t().TabItems(tab).Name.toStdString();
        EXPECT_LE(t().TabItems(tab).Count, kCommandsPerTab);
    }
}

TEST_F(ShippedDataFile, EveryQuantityHasABaseOfFactorOneAndDistinctReadableSymbols) {
    for (int tab = 0; tab < tabs(); ++tab) {
        for (int c = 0; c < t().TabItems(tab).Count; ++c) {
            const CommandItem& command = t().CommandItems(c, tab);
            SCOPED_TRACE(command.Name.toStdString());
            ASSERT_GE(command.Count, 2);
            ASSERT_LE(command.Count, kFunctionsPerCommand);
            ASSERT_GE(command.BaseIndex, 0);
            ASSERT_LT(command.BaseIndex, command.Count);
            EXPECT_EQ(t().FunctionItems(c, command.BaseIndex, tab).Factor, 1.0f);
            const convert::UnitTable table = convert::buildUnitTable(t(), {tab, c});
            for (int i = 0; i < command.Count; ++i) {
                const QString& item = table.items[i];
                const QString& symbol = table.names[i];
                SCOPED_TRACE(item.toStdString());
                // "Long name (symbol)", with nothing after the symbol and no bracket inside it:
                // the window cuts the symbol at the first ")".
                EXPECT_EQ(item, item.left(item.indexOf(u'(')) + u'(' + symbol + u')');
                EXPECT_TRUE(item.contains(QStringLiteral(" (")));
                EXPECT_FALSE(symbol.trimmed().isEmpty());
                EXPECT_FALSE(symbol.contains(u'(') || symbol.contains(u')'));
                EXPECT_EQ(table.names.count(symbol), 1) << "symbol used twice";
                // Two calories are in use: a unit that holds one says which.
                if (symbol.contains(QStringLiteral("cal"))) {
                    EXPECT_TRUE(symbol.contains(QStringLiteral("cal_IT")) ||
                                symbol.contains(QStringLiteral("cal_th")));
                }
                EXPECT_TRUE(std::isfinite(table.factors[i]) && table.factors[i] > 0);
            }
        }
    }
}

// The file as written: UTF-8 with CR LF line ends, each quantity marking exactly one base
// unit, and no factor written with more digits than a single keeps (they would be lost
// silently, and the factor would not be the one the file shows).
TEST_F(ShippedDataFile, RecordsAsWritten) {
    QFile file(test::shippedDataFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    ASSERT_FALSE(utf8.hasError());

    QString command;
    int bases = 0;
    const auto endCommand = [&] {
        if (!command.isEmpty()) {
            EXPECT_EQ(bases, 1) << command.toStdString();
        }
        bases = 0;
    };
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        if (line.isEmpty() || line.contains(u'#') || line.contains(u'\'')) continue;
        const QStringList fields = line.split(u',');
        if (fields[0] == u'1') {
            endCommand();
            command = fields.value(1);
        } else if (fields[0] == u'2' || fields[0] == u'3') {
            ASSERT_EQ(fields.size(), 3) << line.toStdString();
            if (fields[0] == u'3') ++bases;
            const auto written = number::readStrict(fields[2]);
            const auto single = number::toSingle(fields[2]);
            ASSERT_TRUE(written && single.ok()) << line.toStdString();
            EXPECT_EQ(convert::widenFactor(single.value), *written) << line.toStdString();
        }
    }
    endCommand();
}

// Each definition converted as a conversion window does it: 1 `from` is
// factor(to) / factor(from) `to`. A factor holds 7 significant digits, so against its base
// (or a unit whose factor is exact) it reproduces the definition to half a unit of the 7th
// digit, relative.
TEST_F(ShippedDataFile, ExactDefinitionsComeOutToSevenSignificantDigits) {
    const struct {
        const char* quantity;
        const char* from;
        const char* to;
        double value;
    } definitions[] = {
        {"Length", "ft", "m", 0.3048},
        {"Length", "in", "mm", 25.4},
        {"Length", "mi", "km", 1.609344},
        {"Force", "lbf", "N", kLbf},
        {"Force", "kgf", "N", 9.80665},
        {"Force", "kip", "N", 1000 * kLbf},
        {"Force", "tf", "kN", 9.80665},
        {"Stress / pressure / modulus", "psi", "Pa", kLbf / (kInch * kInch)},
        {"Stress / pressure / modulus", "ksi", "MPa", kLbf / (kInch * kInch) / 1000},
        {"Stress / pressure / modulus", "kgf/cm^2", "MPa", 0.0980665},
        {"Surface load", "psf", "kN/m^2", kLbf / (kFoot * kFoot) / 1000},
        {"Moment", "kip･ft", "kN･m", kLbf * kFoot},
        {"Moment", "lbf･in", "N･mm", kLbf * 25.4},
        {"Mass", "lb", "kg", 0.45359237},
        {"Mass", "lbf･s^2/ft", "kg", kLbf / kFoot},
        {"Density", "lb/ft^3", "kg/m^3", 0.45359237 / (kFoot * kFoot * kFoot)},
        {"Unit weight", "lbf/ft^3", "kN/m^3", kLbf / (kFoot * kFoot * kFoot) / 1000},
        {"Rotation angle", "°", "rad", std::numbers::pi / 180},
        {"Rotation speed", "rpm", "rad/s", std::numbers::pi / 30},
        {"Temperature difference", "°F", "K", kDegF},
        {"Energy", "Btu", "J", kBtu},
        {"Energy", "cal_th", "J", 4.184},
        {"Energy", "cal_IT", "J", 4.1868},
        // The International Table calorie is the one in which these two are the same.
        {"Specific heat", "Btu/lb･°F", "kcal_IT/kg･℃", 1},
        {"Power", "hp", "W", 550 * kFoot * kLbf},
        {"Heat flow", "Btu/h", "W", kBtu / 3600},
        {"Thermal conductivity", "Btu/h･ft･°F", "W/m･K", kBtu / 3600 / kFoot / kDegF},
        {"Surface coefficient", "Btu/h･ft^2･°F", "W/m^2･K", kBtu / 3600 / (kFoot * kFoot) / kDegF},
        {"Specific heat", "Btu/lb･°F", "J/kg･K", kBtu / 0.45359237 / kDegF},
        {"Dynamic viscosity", "cP", "Pa･s", 0.001},
        {"Kinematic viscosity", "ft^2/s", "m^2/s", kFoot * kFoot},
        {"Area per length", "in^2/ft", "mm^2/m", 25.4 * 25.4 / kFoot},
        {"Warping constant", "in^6", "mm^6", std::pow(25.4, 6)},
        {"Strain", "με", "‰", 0.001},
        {"Curvature", "1/in", "1/m", 1 / kInch},
        {"Mass per area", "oz/yd^2", "g/m^2", 0.45359237 / 16 * 1000 / (0.9144 * 0.9144)},
        {"Mass moment of inertia", "lb･ft^2", "kg･m^2", 0.45359237 * kFoot * kFoot},
        {"Mass moment of inertia", "lbf･in･s^2", "kg･m^2", kLbf * kInch},
        {"Fracture toughness", "ksi･√in", "MPa･√m",
         kLbf / (kInch * kInch) / 1000 * std::sqrt(kInch)},
        {"Fracture toughness", "N/mm^1.5", "MPa･√m", std::sqrt(0.001)},
        {"Fracture energy / energy per area", "ft･lbf/ft^2", "J/m^2", kLbf / kFoot},
        {"Flexural / torsional rigidity", "kip･ft^2", "kN･m^2", kLbf * kFoot * kFoot},
        {"Mass flow rate", "lb/h", "kg/s", 0.45359237 / 3600},
    };
    for (const auto& d : definitions) {
        SCOPED_TRACE(std::string(d.quantity) + ": 1 " + d.from + " in " + d.to);
        const auto from = factor(QString::fromUtf8(d.quantity), QString::fromUtf8(d.from));
        const auto to = factor(QString::fromUtf8(d.quantity), QString::fromUtf8(d.to));
        ASSERT_TRUE(from && to);
        EXPECT_NEAR(*to / *from, d.value, 5e-7 * d.value);
    }
}

// The factor of a unit relative to its base is its exact value correctly rounded to 7
// significant digits: off by no more than half a unit of the 7th digit.
TEST_F(ShippedDataFile, FactorsAreCorrectlyRoundedFromTheirDefinitions) {
    const struct {
        const char* quantity;
        const char* unit;
        double exact;  // units of this kind in one base unit
    } factors[] = {
        {"Length", "ft", 1 / kFoot},
        {"Length", "mi", 1 / 1609.344},
        {"Force", "lbf", 1000 / kLbf},
        {"Force", "kgf", 1000 / 9.80665},
        {"Stress / pressure / modulus", "psi", 1e6 * kInch * kInch / kLbf},
        {"Stress / pressure / modulus", "kgf/cm^2", 1e6 / 98066.5},
        {"Moment", "kip･ft", 1 / (kLbf * kFoot)},
        {"Mass", "lbf･s^2/in", kInch / kLbf},
        {"Density", "lbf･s^2/in^4", std::pow(kInch, 4) / kLbf},
        {"Rotation angle", "″", 648000 / std::numbers::pi},
        {"Energy", "kcal_th", 1 / 4184.0},
        {"Power", "PS", 1 / (75 * 9.80665)},
        {"Heat flow", "kcal_th/h", 3600 / 4184.0},
        {"Heat flow", "kcal_IT/h", 3600 / 4186.8},
        {"Surface coefficient", "cal_IT/s･mm^2･℃", 1e-6 / 4.1868},
        {"Thermal conductivity", "Btu･in/h･ft^2･°F", 3600 * kFoot * kFoot * kDegF / (kBtu * kInch)},
        {"Thermal expansion coefficient", "10^-6/°F", 1e6 * kDegF},
        {"Time", "yr", 1 / (365 * 86400.0)},
        {"Warping constant", "ft^6", std::pow(304.8, -6)},
        {"Mass moment of inertia", "lb･in^2", 1 / (0.45359237 * kInch * kInch)},
        {"Fracture toughness", "psi･√in", 1e6 * kInch * kInch / kLbf / std::sqrt(kInch)},
        {"Flexural / torsional rigidity", "lbf･in^2", 1000 / (kLbf * kInch * kInch)},
    };
    for (const auto& f : factors) {
        SCOPED_TRACE(std::string(f.quantity) + ": " + f.unit);
        const auto stored = factor(QString::fromUtf8(f.quantity), QString::fromUtf8(f.unit));
        ASSERT_TRUE(stored);
        const double halfUnit = 0.5 * std::pow(10.0, std::floor(std::log10(f.exact)) - 6);
        EXPECT_NEAR(*stored, f.exact, halfUnit * (1 + 1e-9));
    }
}

// The help window's table of consistent unit systems names these quantities and, for each,
// the unit of every system in it; the file must offer them all.
TEST_F(ShippedDataFile, OffersTheQuantitiesAndUnitsOfTheHelpTable) {
    const struct {
        const char* quantity;
        std::initializer_list<const char*> units;
    } table[] = {
        {"Length", {"m", "mm", "ft", "in"}},
        {"Force", {"N", "kgf", "lbf"}},
        {"Moment", {"N･m", "kgf･m", "N･mm", "lbf･ft", "lbf･in"}},
        {"Stress / pressure / modulus", {"N/m^2", "kgf/m^2", "N/mm^2", "psf", "psi"}},
        {"Density", {"kg/m^3", "kgf･s^2/m^4", "t/mm^3", "lbf･s^2/ft^4", "lbf･s^2/in^4"}},
        {"Mass", {"kg", "kgf･s^2/m", "t", "lbf･s^2/ft", "lbf･s^2/in"}},
        {"Stiffness", {"N/m", "kgf/m", "N/mm", "lbf/ft", "lbf/in"}},
        {"Rotation angle", {"rad"}},
        {"Rotation stiffness", {"N･m/rad", "kgf･m/rad", "N･mm/rad", "lbf･ft/rad", "lbf･in/rad"}},
        {"Rotation speed", {"rad/s"}},
        {"Temperature difference", {"K", "℃", "°F"}},
        {"Heat flow", {"W", "cal_IT/s", "Btu/s"}},
        {"Thermal conductivity",
         {"W/m･K", "cal_IT/s･m･℃", "cal_IT/s･mm･℃", "Btu/s･ft･°F", "Btu/s･in･°F"}},
        {"Surface coefficient",
         {"W/m^2･K", "cal_IT/s･m^2･℃", "cal_IT/s･mm^2･℃", "Btu/s･ft^2･°F", "Btu/s･in^2･°F"}},
    };
    for (const auto& row : table) {
        ASSERT_TRUE(find(QString::fromUtf8(row.quantity))) << row.quantity;
        for (const char* unit : row.units) {
            EXPECT_TRUE(factor(QString::fromUtf8(row.quantity), QString::fromUtf8(unit)))
                << row.quantity << ": " << unit;
        }
    }
}

}  // namespace
}  // namespace zephal::units

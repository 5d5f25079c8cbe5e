// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace zephal::number {
namespace {

TEST(ReadLenient, TakesTheLongestLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},         {"12.5kg", 12.5}, {"1 000", 1000}, {"1,5", 1},
        {"-2e3", -2000}, {"&H10", 16},     {"abc", 0},      {"\t-3\n", -3},
        {"+.5", 0.5},    {"1.2.3", 1.2},   {"2D2", 200},    {"1e", 1},
        {"1e+", 1},      {"&O17", 15},     {"&HFFFF", -1},  {"&hfffff", 1048575},
        {"- 4", -4},     {".", 0},         {"-", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readLenient(QString::fromLatin1(c.text)), c.value) << c.text;
}

TEST(LeadingNumberLength, NumberAsTypedBeforeAUnit) {
    const struct {
        const char16_t* text;
        qsizetype length;
    } cases[] = {
        {u"355 MPa", 3}, {u"250kN*m", 3}, {u"2,5 ft", 3},    {u"1 000 mm", 5}, {u"-4e3 N", 4},
        {u"- 4 kN", 3},  {u".5 m", 2},    {u"5 10^-6/K", 1}, {u"1/K", 1},      {u"2d", 1},
        {u"12", 2},      {u"MPa", 0},     {u"", 0},          {u"-", 0},        {u". m", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingNumberLength(c.text), c.length)
            << QString::fromUtf16(c.text).toStdString();
    }
}

TEST(ReadStrict, WholeTextMustBeANumber) {
    EXPECT_EQ(readStrict(u" 2.5 "), 2.5);
    EXPECT_EQ(readStrict(u"1E-3"), 0.001);
    EXPECT_EQ(readStrict(u"-2"), -2);
    EXPECT_EQ(readStrict(u"&H10"), 16);
    for (const char16_t* bad : {u"", u"  ", u"abc", u"1,5", u"12kg", u"1e", u"..5", u"&H"}) {
        EXPECT_FALSE(readStrict(bad).has_value()) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(ToInt16, RoundsHalfToEvenAndReportsErrors) {
    EXPECT_EQ(toInt16(u"2.5").value, 2);
    EXPECT_EQ(toInt16(u"3.5").value, 4);
    EXPECT_EQ(toInt16(u"-2.5").value, -2);
    EXPECT_EQ(toInt16(u"32767").value, 32767);
    EXPECT_EQ(toInt16(u"-32768").value, -32768);
    EXPECT_EQ(toInt16(u"32767.5").error, kOverflow);
    EXPECT_EQ(toInt16(u"1e10").error, kOverflow);
    EXPECT_EQ(toInt16(u"x").error, kTypeMismatch);
    EXPECT_EQ(toInt16(u"").error, kTypeMismatch);
}

TEST(ToSingle, RangeOfSinglePrecision) {
    EXPECT_EQ(toSingle(u"0.3048").value, 0.3048f);
    EXPECT_EQ(toSingle(u"3.4E38").error, 0);
    EXPECT_EQ(toSingle(u"3.5E38").error, kOverflow);
    EXPECT_EQ(toSingle(u"1E400").error, kOverflow);
    EXPECT_EQ(toSingle(u"1E-50").value, 0.0f);
}

TEST(WriteSingle, SevenSignificantDigitsAndScientificAtTheEnds) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {1000, "1000"},
        {3.28084f, "3.28084"},
        {0.001f, "0.001"},
        {6.5616798f, "6.56168"},
        {0.3048f, "0.3048"},
        {12345678, "1.234568E+07"},
        {1e-12f, "1E-12"},
        {0, "0"},
        {-0.0f, "0"},
        {-2.5f, "-2.5"},
        {9999999, "9999999"},
        {10000000, "1E+07"},
        {0.0001f, "0.0001"},
        {0.00001f, "1E-05"},
        {13.75f, "13.75"},
        {FLT_MAX, "3.402823E+38"},
        {1.0f / 3, "0.3333333"},
    };
    for (const auto& c : cases) EXPECT_EQ(writeSingle(c.value), c.text) << c.text;
}

TEST(WriteScientific3, OneDigitThreeDecimalsHalvesAwayFromZero) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1234.5, "1.235e+03"},     {1000, "1.000e+03"},
        {1, "1.000e+00"},          {9.9996, "1.000e+01"},
        {0.00012345, "1.235e-04"}, {-2.5, "-2.500e+00"},
        {1e100, "1.000e+100"},     {std::pow(10.0, std::log(1000.0) / std::log(10.0)), "1.000e+03"},
    };
    for (const auto& c : cases) EXPECT_EQ(writeScientific3(c.value), c.text) << c.text;
}

TEST(WriteDouble, FifteenSignificantDigits) {
    EXPECT_EQ(writeDouble(std::log(1000.0) / std::log(10.0)), "3");
    EXPECT_EQ(writeDouble(0.1 + 0.2), "0.3");
    EXPECT_EQ(writeDouble(1e15), "1E+15");
    EXPECT_EQ(writeDouble(123456789012345.0), "123456789012345");
}

}  // namespace
}  // namespace zephal::number

namespace zephal::number {
namespace {

TEST(NumberText, ExtremesReadBack) {
    // The largest double written to 15 digits would round past the range; it is cut instead.
    EXPECT_EQ(writeDouble(-DBL_MAX), "-1.79769313486231E+308");
    EXPECT_TRUE(std::isfinite(readLenient(writeDouble(DBL_MAX))));
    // Denormals read as denormals, not as zero.
    EXPECT_EQ(readLenient(u"4.94065645841247E-324"), 4.94065645841247E-324);
    EXPECT_EQ(readLenient(u"1E-400"), 0.0);
    EXPECT_EQ(readLenient(u"-1E400"), -HUGE_VAL);
}

}  // namespace
}  // namespace zephal::number

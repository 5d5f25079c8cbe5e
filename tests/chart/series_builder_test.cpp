// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/series_builder.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <cmath>

#include "chart/chart_grid.h"

// Readable failures: texts print as texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zephal {
namespace {

// Chart data as a conversion window sends it: entry k refers to a live value box. A box set to
// nothing stands for one whose window has closed.
class ChartData {
public:
    explicit ChartData(const QStringList& texts, QStringList units = {}) {
        m_values.emplace_back();
        m_units.emplace_back();
        for (int k = 0; k < texts.size(); ++k) {
            m_boxes.push_back(texts[k]);
            m_values.push_back([this, k] { return m_boxes[static_cast<std::size_t>(k)]; });
            m_units.push_back(k < units.size() ? units[k] : QStringLiteral("u%1").arg(k + 1));
        }
    }
    ChartData(const ChartData&) = delete;

    std::optional<QString>& box(int k) { return m_boxes[static_cast<std::size_t>(k - 1)]; }
    const std::vector<ValueRef>& values() const { return m_values; }
    const std::vector<std::optional<QString>>& units() const { return m_units; }
    std::int16_t count() const { return static_cast<std::int16_t>(m_boxes.size()); }

    std::int16_t build(ChartGrid& grid, int position, ChartModes modes = {}) const {
        return buildSeries(grid, {m_values, m_units, count(), position, modes});
    }

private:
    std::vector<std::optional<QString>> m_boxes;
    std::vector<ValueRef> m_values;
    std::vector<std::optional<QString>> m_units;
};

// The cells in entry order, whichever way the grid is laid out.
QStringList cells(ChartGrid& grid) {
    QStringList out;
    const bool individual = grid.rowCount() == 1 && grid.columnCount() > 1;
    const int n = individual ? grid.columnCount() : grid.rowCount();
    for (int k = 1; k <= n; ++k) {
        individual ? grid.setColumn(k) : grid.setRow(k);
        if (individual)
            grid.setRow(1);
        else
            grid.setColumn(1);
        out << grid.data().value_or(QStringLiteral("<none>"));
    }
    return out;
}

TEST(LogValue, BaseTenLogarithmOfPositiveValuesOnly) {
    EXPECT_EQ(Log_value(1000), std::log(1000.0) / std::log(10.0));
    EXPECT_EQ(Log_value(1), 0);
    EXPECT_EQ(Log_value(0), 0);
    EXPECT_EQ(Log_value(-5), 0);
}

TEST(SeriesBuilder, EverySeriesOfTwoEightFour) {
    const struct {
        int position;
        bool log;
        QStringList cells;
        int maxRow;
    } cases[] = {
        {kSeriesValue, false, {"2", "8", "4"}, 1},
        {kSeriesValuePercent, false, {"25", "100", "50"}, 2},
        {kSeriesInverse, false, {"0.5", "0.125", "0.25"}, 1},
        {kSeriesInversePercent, false, {"100", "25", "50"}, 1},
        {kSeriesSquareRoot, false, {"1.4142135623731", "2.82842712474619", "2"}, 1},
        {kSeriesSquareRootPercent, false, {"50", "100", "70.71068"}, 2},
        // Logarithms of the percentages: 100 becomes 2.
        {kSeriesValuePercent, true, {"1.39794000867204", "2", "1.69897000433602"}, 2},
        {kSeriesInverse,
         true,
         {"-0.301029995663981", "-0.903089986991943", "-0.602059991327962"},
         1},
        // Positions outside the list leave the raw values.
        {6, false, {"2", "8", "4"}, 1},
        {-1, true, {"2", "8", "4"}, 1},
    };
    for (const auto& c : cases) {
        ChartData data({"2", "8", "4"});
        ChartGrid grid;
        const auto maxRow = data.build(grid, c.position, {false, c.log});
        EXPECT_EQ(cells(grid), c.cells) << "position " << c.position << " log " << c.log;
        EXPECT_EQ(maxRow, c.maxRow) << "position " << c.position;
    }
}

TEST(SeriesBuilder, LargestValueAndLogarithms) {
    ChartGrid grid;
    // Of equal largest values the first wins.
    EXPECT_EQ(ChartData({"5", "9", "9"}).build(grid, kSeriesValuePercent), 2);
    // log10 of 1000 computes as 2.9999999999999996 and reads 3 at 15 digits; a value that is
    // not positive has no logarithm to draw.
    ChartData({"1000", "1", "-5", "0"}).build(grid, kSeriesValue, {false, true});
    EXPECT_EQ(cells(grid), QStringList({"3", "0", "", ""}));
    // One positive value is 100 % of itself in every percentage series.
    for (int position : {kSeriesValuePercent, kSeriesInversePercent, kSeriesSquareRootPercent}) {
        EXPECT_EQ(ChartData({"0.3048"}).build(grid, position), 1);
        EXPECT_EQ(cells(grid), QStringList({"100"})) << position;
    }
}

// A cell that cannot be worked out holds no value, in either layout and on either scale: never
// the raw value, the percentage before it or anything the grid held before.
TEST(SeriesBuilder, CellsThatCannotBeWorkedOutHoldNoValue) {
    const struct {
        QStringList values;
        int position;
        bool log;
        QStringList cells;
        int maxRow;
    } cases[] = {
        {{"0", "4"}, kSeriesInverse, false, {"", "0.25"}, 1},
        {{"-4", "9"}, kSeriesSquareRoot, false, {"", "3"}, 1},
        {{"2", "abc", "", "8"}, kSeriesValue, false, {"2", "", "", "8"}, 1},
        {{"2", "abc", "8"}, kSeriesValuePercent, false, {"25", "", "100"}, 3},
        {{"0", "2", "4"}, kSeriesInversePercent, false, {"", "100", "50"}, 2},
        {{"0", "0"}, kSeriesInversePercent, false, {"", ""}, 1},
        {{"0", "0"}, kSeriesValuePercent, false, {"", ""}, 1},
        {{"-1", "-4"}, kSeriesSquareRootPercent, false, {"", ""}, 1},
        // A quotient beyond single precision.
        {{"-1E-30", "-1E+30"}, kSeriesValuePercent, false, {"100", ""}, 1},
        {{"0", "-3"}, kSeriesSquareRoot, true, {"", ""}, 1},
        {{"-2", "8"}, kSeriesValuePercent, true, {"", "2"}, 2},
    };
    for (const auto& c : cases) {
        ChartData data(c.values);
        for (const bool individual : {false, true}) {
            ChartGrid grid;
            ChartData({"7", "7", "7", "7"}).build(grid, kSeriesValue, {individual, false});
            EXPECT_EQ(data.build(grid, c.position, {individual, c.log}), c.maxRow)
                << c.values.join(' ').toStdString();
            EXPECT_EQ(cells(grid), c.cells) << c.values.join(' ').toStdString() << individual;
        }
    }
}

TEST(SeriesBuilder, ReadsTheBoxesAtEveryBuildAndSurvivesClosedOnes) {
    ChartData data({"2", "8", "4"});
    ChartGrid grid;
    data.build(grid, kSeriesValue);
    // A later conversion changes what the next build reads.
    data.box(2) = QStringLiteral("16");
    data.build(grid, kSeriesValue);
    EXPECT_EQ(cells(grid), QStringList({"2", "16", "4"}));
    // The boxes are gone: their cells hold no value in any series, the labels stay.
    data.box(1) = std::nullopt;
    data.box(3) = std::nullopt;
    data.build(grid, kSeriesInverse);
    EXPECT_EQ(cells(grid), QStringList({"", "0.0625", ""}));
    EXPECT_EQ(data.build(grid, kSeriesValuePercent), 2);
    EXPECT_EQ(cells(grid), QStringList({"", "100", ""}));
    EXPECT_EQ(grid.rowLabelAt(3), "u3");
}

TEST(SeriesBuilder, NoEntriesEmptiesTheGrid) {
    ChartGrid grid;
    ChartData({"1", "2", "3"}).build(grid, kSeriesValue);
    ChartData none({});
    for (int position = 0; position < 6; ++position) {
        EXPECT_EQ(none.build(grid, position), 1);
        EXPECT_EQ(grid.rowCount(), 0);
    }
    // Nothing sent yet: the arrays are unallocated and the count is 0.
    const std::vector<ValueRef> values;
    const std::vector<std::optional<QString>> units;
    EXPECT_EQ(buildSeries(grid, {values, units, 0, kSeriesValuePercent, {}}), 1);
    // A count beyond the arrays: those entries are skipped.
    ChartGrid other;
    EXPECT_EQ(buildSeries(other, {values, units, 2, kSeriesValuePercent, {}}), 1);
    EXPECT_EQ(other.rowCount(), 2);
}

TEST(SeriesBuilder, IndividualLayoutPutsEachUnitInItsOwnSeries) {
    ChartData data({"2", "8", "4"}, {"N", "kN", "mN"});
    ChartGrid grid;
    data.build(grid, kSeriesValue);  // single series first: row 1 is labelled N
    grid.setRow(1);
    EXPECT_EQ(grid.rowLabel(), "N");

    // In 3D too the one category is nameless: no unit name is left from the other layout.
    grid.setChartType(kChartType3D);
    data.build(grid, kSeriesValuePercent, {true, false});
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(cells(grid), QStringList({"25", "100", "50"}));
    QStringList labels;
    for (int c = 1; c <= 3; ++c) labels << grid.columnLabelAt(c);
    EXPECT_EQ(labels, QStringList({"N", "kN", "mN"}));
    EXPECT_EQ(grid.rowLabelAt(1), "");

    // 2D empties it.
    grid.setChartType(kChartType2D);
    data.build(grid, kSeriesValuePercent, {true, false});
    EXPECT_EQ(grid.rowLabelAt(1), "");

    // And back to one series of three categories, the series nameless again.
    grid.setChartType(kChartType3D);
    data.build(grid, kSeriesValue);
    EXPECT_EQ(grid.columnCount(), 1);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.rowLabelAt(3), "mN");
    EXPECT_EQ(grid.columnLabelAt(1), "");
}

// Every bar that is missing is named with its reason; nothing is said when all are drawn.
TEST(SeriesBuilder, SaysWhichUnitsHaveNoBarAndWhy) {
    const struct {
        QStringList values;
        int position;
        bool log;
        const char* note;
    } cases[] = {
        {{"2", "8"}, kSeriesInverse, false, ""},
        {{"0", "0", "4"}, kSeriesInverse, false, "No bar for u1, u2: inverse of 0"},
        {{"-4", "", "9"},
         kSeriesSquareRoot,
         false,
         "No bar for u1: root of a negative value; for u2: no result"},
        {{"", "1"}, kSeriesValue, false, "No bar for u1: no result"},
        {{"-1", "1"},
         kSeriesValue,
         true,
         "No bar for u1: logarithm of a value that is not positive"},
        {{"0", "0"},
         kSeriesValuePercent,
         false,
         "No bar for u1, u2: percentage of a largest value of 0"},
        {{"-1E-30", "-1E+30"}, kSeriesValuePercent, false, "No bar for u2: beyond the range"},
        {{"0", "2"}, kSeriesInversePercent, false, "No bar for u1: inverse of 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.values.join(' ').toStdString() + " in series " + std::to_string(c.position));
        ChartData data(c.values);
        for (const bool individual : {false, true}) {
            ChartGrid grid;
            std::vector<NoBar> noBars;
            buildSeries(
                grid, {data.values(), data.units(), data.count(), c.position, {individual, c.log}},
                &noBars);
            EXPECT_EQ(noBarNote(noBars, data.units()), QString::fromUtf8(c.note));
        }
    }
}

TEST(ChartGridTest, RefusesWhatItCannotHoldAndKeepsCellsOnResize) {
    ChartGrid grid;
    int changes = 0;
    grid.onChanged = [&] { ++changes; };
    EXPECT_FALSE(grid.setData("1"));  // no cells yet
    EXPECT_FALSE(grid.setRowCount(-1));
    EXPECT_FALSE(grid.setColumnCount(32768));
    EXPECT_FALSE(grid.setChartType(2));
    ASSERT_TRUE(grid.setRowCount(3));
    ASSERT_TRUE(grid.setColumnCount(2));
    EXPECT_FALSE(grid.setRow(4));
    EXPECT_FALSE(grid.setColumn(0));
    ASSERT_TRUE(grid.setRow(2) && grid.setColumn(2));
    EXPECT_TRUE(grid.setData("1.5E+07"));
    for (const char* bad : {"abc", "", "NaN", "Inf", "1E400"})
        EXPECT_FALSE(grid.setData(bad)) << bad;
    EXPECT_EQ(grid.data(), "1.5E+07");
    EXPECT_EQ(grid.value(2, 2), 1.5e7);

    grid.setRowCount(2);
    grid.setColumnCount(3);
    EXPECT_EQ(grid.value(2, 2), 1.5e7);
    grid.setRowCount(1);  // the cursor follows the grid in
    EXPECT_EQ(grid.row(), 1);
    EXPECT_FALSE(grid.value(2, 2).has_value());

    // The view angles do not count as content, so the bars are not rebuilt for them.
    const auto revision = grid.contentRevision();
    const int before = changes;
    grid.setView3d(70, 30);
    EXPECT_EQ(grid.contentRevision(), revision);
    EXPECT_EQ(changes, before + 1);
    grid.setSeries1Color(300, -1, 128);
    EXPECT_EQ(grid.series1Color(), 255u | 128u << 16);
}

}  // namespace
}  // namespace zephal

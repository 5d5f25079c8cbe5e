// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_view.h"

#include <gtest/gtest.h>

#include <Q3DBars>
#include <Q3DCamera>
#include <Q3DScene>
#include <QBar3DSeries>
#include <QBarCategoryAxis>
#include <QBarDataProxy>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>
#include <QValue3DAxis>
#include <QValueAxis>

#include "chart/series_palette.h"
#include "ui/chart_legend.h"
#include "ui/dialogs.h"
#include "ui/graph_3d_widget.h"

namespace zephal::ui {
namespace {

// Three categories of two series: (1, 2), (-3, 4), (5, 6), the rows labelled a, a, b.
void fill(ChartGrid& grid) {
    grid.setRowCount(3);
    grid.setColumnCount(2);
    const char* labels[] = {"a", "a", "b"};
    for (int r = 1; r <= 3; ++r) {
        grid.setRow(r);
        grid.setRowLabel(labels[r - 1]);
        for (int c = 1; c <= 2; ++c) {
            grid.setColumn(c);
            grid.setData(QString::number(r == 2 && c == 1 ? -3 : 2 * r + c - 2));
        }
    }
    grid.setColumn(1);
    grid.setColumnLabel("first");
    grid.setColumn(2);
    grid.setColumnLabel("second");
}

// The texts the 2D chart shows, each with the rectangle its letters take.
std::vector<std::pair<QString, QRectF>> shownTexts(QChart* chart) {
    std::vector<std::pair<QString, QRectF>> out;
    for (QGraphicsItem* item : chart->scene()->items()) {
        auto* text = dynamic_cast<QGraphicsTextItem*>(item);
        if (!text || !text->isVisible() || text->toPlainText().isEmpty()) continue;
        const qreal margin = text->document()->documentMargin();
        out.emplace_back(text->toPlainText(), text->mapRectToScene(text->boundingRect().adjusted(
                                                  margin, margin, -margin, -margin)));
    }
    return out;
}

TEST(ChartView, DrawsTheGridInTwoD) {
    ChartView view;
    fill(view.grid());
    view.grid().setSeries1Color(255, 0, 0);
    view.grid().setLegend(true);
    view.grid().setValueTitle("log10 of Value");
    view.flush();

    QChart* chart = view.chart2d();
    auto* series = qobject_cast<QBarSeries*>(chart->series().value(0));
    ASSERT_NE(series, nullptr);
    ASSERT_EQ(series->count(), 2);
    EXPECT_EQ(series->barSets()[0]->label(), "first");
    EXPECT_EQ(series->barSets()[1]->at(2), 6);
    EXPECT_EQ(series->barSets()[0]->at(1), -3);
    EXPECT_EQ(series->barSets()[0]->color(), QColor(255, 0, 0));
    EXPECT_GE(perceivedDifference(fromQColor(series->barSets()[0]->color()),
                                  fromQColor(series->barSets()[1]->color())),
              50);
    // The legend names every series in its colour.
    ASSERT_FALSE(view.legend()->isHidden());
    ASSERT_EQ(view.legend()->entries().size(), 2u);
    EXPECT_EQ(view.legend()->entries()[1].label, "second");
    EXPECT_EQ(view.legend()->entries()[0].color, QColor(255, 0, 0));

    // Repeated labels keep their own places; the value axis takes in the negative bar.
    auto* categories = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(categories->count(), 3);
    EXPECT_EQ(categories->at(2), "b");
    auto* values = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
    ASSERT_NE(values, nullptr);
    EXPECT_LE(values->min(), -3);
    EXPECT_GE(values->max(), 6);
    EXPECT_TRUE(values->isTitleVisible());
    EXPECT_EQ(values->titleText(), "log10 of Value");

    // A bar clicked with the left button names its series and data point.
    QSignalSpy selected(&view, &ChartView::pointSelected);
    emit series->barSets()[1]->clicked(2);  // no button pressed yet: ignored
    EXPECT_EQ(selected.count(), 0);
}

// The 2D view keeps its series between draws and changes only what differs: a change of layout
// must still leave exactly the grid's sets, values and categories.
TEST(ChartView, RedrawsFollowEveryChangeOfLayout) {
    ChartView view;
    ChartGrid& grid = view.grid();
    fill(grid);
    view.flush();
    auto* series = qobject_cast<QBarSeries*>(view.chart2d()->series().value(0));
    ASSERT_NE(series, nullptr);
    auto* categories =
        qobject_cast<QBarCategoryAxis*>(view.chart2d()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(categories, nullptr);

    // One category of three series, as the individual layout has it.
    grid.setRowCount(1);
    grid.setColumnCount(3);
    grid.setRow(1);
    grid.setColumn(3);
    grid.setData("7");
    grid.setRowLabel("");
    view.flush();
    ASSERT_EQ(series->count(), 3);
    QList<qreal> firstRow;
    for (QBarSet* set : series->barSets()) {
        ASSERT_EQ(set->count(), 1);
        firstRow << set->at(0);
    }
    EXPECT_EQ(firstRow, QList<qreal>({1, 2, 7}));
    EXPECT_EQ(categories->count(), 1);

    // And back to one series of four categories.
    grid.setColumnCount(1);
    grid.setRowCount(4);
    grid.setRow(4);
    grid.setData("9");
    grid.setRowLabel("d");
    view.flush();
    ASSERT_EQ(series->count(), 1);
    ASSERT_EQ(series->barSets()[0]->count(), 4);
    EXPECT_EQ(series->barSets()[0]->at(3), 9);
    EXPECT_EQ(series->barSets()[0]->at(1), 0);  // a cell never written draws no bar
    EXPECT_EQ(categories->count(), 4);
    EXPECT_EQ(categories->at(3), "d");
}

TEST(ChartView, EmptyGridDrawsNoBarsAndNoNames) {
    ChartView view;
    fill(view.grid());
    view.resize(496, 330);
    view.show();
    view.flush();
    view.grid().setRowCount(0);
    view.flush();
    QCoreApplication::processEvents();
    auto* series = qobject_cast<QBarSeries*>(view.chart2d()->series().value(0));
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->barSets()[0]->count(), 0);
    for (const auto& [text, rect] : shownTexts(view.chart2d())) EXPECT_NE(text, "b");
}

// Up to 20 unit names, the longest the data file has, read whole at the chart's default size:
// none cut, none over another, none outside the view, and a name's characters are its own.
TEST(ChartView, EveryUnitNameReadsWhole) {
    ChartView view;
    view.resize(496, 330);
    view.show();
    for (const int count : {9, 17, 20}) {
        ChartGrid& grid = view.grid();
        grid.setColumnCount(1);
        grid.setRowCount(count);
        QStringList names;
        for (int r = 1; r <= count; ++r) {
            names << (r == 1 ? QStringLiteral("<i>mm</i>")
                             : QString::fromUtf8("kcal/h･m^2･℃%1").arg(r).left(18));
            grid.setRow(r);
            grid.setRowLabel(names.back());
            grid.setData(QString::number(r));
        }
        view.flush();
        QCoreApplication::processEvents();
        std::vector<QRectF> rects;
        QStringList shown;
        for (const auto& [text, rect] : shownTexts(view.chart2d())) {
            if (!names.contains(text)) continue;
            shown << text;
            for (const QRectF& other : rects)
                EXPECT_FALSE(rect.intersects(other)) << text.toStdString();
            EXPECT_TRUE(view.chart2d()->rect().contains(rect)) << text.toStdString();
            rects.push_back(rect);
        }
        shown.sort();
        names.sort();
        EXPECT_EQ(shown, names) << count;
    }
}

TEST(ChartView, ThreeDWithoutOpenGlSaysSoAndTwoDStillWorks) {
    ChartView view(nullptr, [] { return false; });
    fill(view.grid());
    view.grid().setChartType(kChartType3D);
    view.flush();
    EXPECT_EQ(view.bars3d(), nullptr);
    ASSERT_NE(view.unavailable3d(), nullptr);
    EXPECT_EQ(view.currentView(), view.unavailable3d());
    EXPECT_FALSE(view.unavailable3d()->text().contains('\n'));
    EXPECT_TRUE(view.unavailable3d()->text().contains("OpenGL"));

    view.grid().setChartType(kChartType2D);
    view.flush();
    EXPECT_EQ(view.currentView(), reinterpret_cast<QWidget*>(view.chartView2d()));
}

TEST(ChartView, DrawsTheGridInThreeD) {
    ChartView view;
    fill(view.grid());
    view.grid().setSeries1Color(0, 0, 255);
    view.grid().setView3d(60, 30);
    EXPECT_EQ(view.bars3d(), nullptr);  // made on the first switch only
    view.grid().setChartType(kChartType3D);
    view.flush();
    if (!view.bars3d()) GTEST_SKIP() << "no OpenGL on this display";

    // The series run into the depth, the categories across.
    QBarDataProxy* proxy = view.series3d()->dataProxy();
    EXPECT_EQ(proxy->rowCount(), 2);
    EXPECT_EQ(proxy->rowAt(0)->size(), 3);
    EXPECT_EQ(proxy->itemAt(0, 1)->value(), -3);
    EXPECT_EQ(proxy->itemAt(1, 2)->value(), 6);
    EXPECT_EQ(proxy->rowLabels(), QStringList({"first", "second"}));
    EXPECT_EQ(proxy->columnLabels().value(2), "b");
    EXPECT_EQ(view.series3d()->rowColors().value(0), QColor(0, 0, 255));
    view.grid().setValueTitle("log10 of Value");
    view.flush();
    EXPECT_EQ(view.bars3d()->valueAxis()->title(), "log10 of Value");
    EXPECT_TRUE(view.bars3d()->valueAxis()->isTitleVisible());

    Q3DCamera* camera = view.bars3d()->scene()->activeCamera();
    // Rotation 90 faces the front; past 90 degrees of elevation the view swings back rather
    // than jump.
    EXPECT_FLOAT_EQ(camera->xRotation(), -30);
    EXPECT_FLOAT_EQ(camera->yRotation(), 30);
    const struct {
        float rotation, elevation, x, y;
    } angles[] = {{360, 120, -90, 60}, {190, 200, 100, 20}, {350, 300, -100, 60}, {10, 0, -80, 0}};
    for (const auto& a : angles) {
        view.grid().setView3d(a.rotation, a.elevation);
        view.flush();
        EXPECT_FLOAT_EQ(camera->xRotation(), a.x) << a.rotation;
        EXPECT_FLOAT_EQ(camera->yRotation(), a.y) << a.elevation;
    }

    QSignalSpy selected(&view, &ChartView::pointSelected);
    view.series3d()->setSelectedBar(QPoint(1, 0));
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0].toInt(), 2);
    EXPECT_EQ(selected[0][1].toInt(), 1);
}

// The graph is drawn by the view itself, never as a window of its own that a window system
// might show beyond the view; a click still finds the bar under it.
TEST(ChartView, ThreeDIsDrawnInsideTheViewAndAClickSelectsABar) {
    ChartView view;
    view.resize(400, 300);
    view.grid().setRowCount(1);
    view.grid().setColumnCount(1);
    view.grid().setData("5");
    view.grid().setChartType(kChartType3D);
    view.show();
    view.flush();
    if (!view.bars3d()) GTEST_SKIP() << "no OpenGL on this display";
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_FALSE(view.bars3d()->isVisible());
    EXPECT_EQ(view.currentView(), view.graph3d());

    QSignalSpy selected(&view, &ChartView::pointSelected);
    QTest::mouseClick(view.graph3d(), Qt::LeftButton, {}, view.graph3d()->rect().center());
    // One picture finds the bar, the next hands it over.
    view.graph3d()->repaint();
    view.graph3d()->repaint();
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected[0][0].toInt(), 1);
    EXPECT_EQ(selected[0][1].toInt(), 1);
}

}  // namespace
}  // namespace zephal::ui

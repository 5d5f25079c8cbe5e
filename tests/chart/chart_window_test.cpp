// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/chart_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBar3DSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "app/application.h"
#include "chart/chart_grid.h"
#include "chart/series_builder.h"
#include "settings/chart_settings_window.h"
#include "support/recording_dialogs.h"
#include "ui/chart_view.h"
#include "ui/twips.h"

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace zephal {
namespace {

// A chart window fed as a conversion window feeds it: each ChartValues entry reads a live box.
class ChartWindowTest : public ::testing::Test {
protected:
    ~ChartWindowTest() override {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* menu = qobject_cast<QMenu*>(w)) menu->hide();
        }
    }

    void send(const QStringList& values, const QStringList& units) {
        AppState& s = app.state();
        boxes.assign(values.begin(), values.end());
        s.ChartValues.assign(1, ValueRef());
        s.ChartUnits.assign(1, std::nullopt);
        for (int k = 0; k < values.size(); ++k) {
            s.ChartValues.push_back([this, k] { return boxes[static_cast<std::size_t>(k)]; });
            s.ChartUnits.push_back(units[k]);
        }
        s.ChartCount = static_cast<std::int16_t>(values.size());
    }

    Chart1& chart() { return app.chart1(); }
    ChartGrid& grid() { return chart().MSChart1->grid(); }
    QStringList column1() {
        QStringList out;
        for (int r = 1; r <= grid().rowCount(); ++r) {
            grid().setRow(r);
            grid().setColumn(1);
            out << grid().data().value_or("<none>");
        }
        return out;
    }
    QString popUp(int series, int dataPoint) {
        int cancel = 0;
        chart().MSChart1_PointSelected(series, dataPoint, 0, cancel);
        EXPECT_TRUE(chart().menu10->isVisible());
        chart().menu10->hide();
        return chart().m10[0]->text();
    }
    void unload(Chart1& window) {
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::RecordingDialogs dialogs;
    Application app{dialogs};
    std::vector<std::optional<QString>> boxes;
};

TEST_F(ChartWindowTest, FirstLoad) {
    send({"2", "8", "4"}, {"N", "kN", "mN"});
    Chart1& c = chart();
    EXPECT_EQ(app.state().ChartShown, 1);
    EXPECT_EQ(c.windowTitle(), "Chart");
    QStringList names;
    for (int i = 0; i < c.Combo1->count(); ++i) names << c.Combo1->itemText(i);
    EXPECT_EQ(names, QStringList({"Value", "Value (%)", "Inverse Value", "Inverse Value (%)",
                                  "Square root", "Square root (%)"}));
    EXPECT_EQ(c.Combo1->currentIndex(), 0);
    EXPECT_EQ(c.lngRotation, 60);
    EXPECT_EQ(c.lngElevation, 30);
    EXPECT_EQ(grid().chartType(), kChartType2D);
    EXPECT_TRUE(grid().secondaryAxis());
    EXPECT_FALSE(grid().legend());
    EXPECT_FALSE(c.blnIndividual());
    EXPECT_FALSE(c.blnLogChart());
    EXPECT_FALSE(c.Buttons[4]->isChecked());
    EXPECT_FALSE(c.Buttons[5]->isChecked());
    EXPECT_FALSE(c.Timer1->isActive());
    EXPECT_EQ(column1(), QStringList({"2", "8", "4"}));

    // Each button's tool tip and accessible name say what that button does, the tip with its key.
    QStringList tips;
    for (int i = 2; i <= 6; ++i) {
        tips << c.Buttons[static_cast<std::size_t>(i)]->toolTip();
        EXPECT_TRUE(tips.back().startsWith(c.Buttons[static_cast<std::size_t>(i)]->text() + " ("));
    }
    EXPECT_EQ(tips, QStringList({"2D Chart (Ctrl+2)", "3D chart (Ctrl+3)",
                                 "Individual Chart with Legend (Ctrl+L)",
                                 "Logarithm Chart (Ctrl+K)", "Chart setting (Ctrl+,)"}));
    // The closed series list shows every name whole, and the toolbar still holds every button.
    QStyleOptionComboBox option;
    option.initFrom(c.Combo1);
    const int field =
        c.Combo1->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, c.Combo1)
            .width();
    for (const QString& name : names)
        EXPECT_LE(c.Combo1->fontMetrics().horizontalAdvance(name), field);
    EXPECT_LE(c.Toolbar1->widgetForAction(c.Buttons[6])->geometry().right(), c.width());
    EXPECT_EQ(c.m10[0]->text(), "m10");
    QStringList rotation;
    for (QAction* item : c.m20) rotation << item->text() + (item->isChecked() ? "*" : "");
    EXPECT_EQ(rotation, QStringList({"Dynamic Rotation", "Perpendicular Rotation*",
                                     "Horizontal Rotation", "Refresh Chart"}));
    EXPECT_EQ(ui::geometryTw(c.MSChart1).topLeft(), QPoint(45, 495));
}

TEST_F(ChartWindowTest, ButtonFourSwitchesTheIndividualLayoutAndBack) {
    send({"2", "8", "4"}, {"N", "kN", "mN"});
    Chart1& c = chart();
    c.Buttons[4]->trigger();
    EXPECT_TRUE(c.blnIndividual());
    EXPECT_TRUE(grid().legend());
    EXPECT_TRUE(c.Buttons[4]->isChecked());
    EXPECT_EQ(grid().rowCount(), 1);
    EXPECT_EQ(grid().columnCount(), 3);
    EXPECT_EQ(grid().rowLabelAt(1), "");

    boxes[0] = "6";  // the second click rebuilds from the data as it now stands
    c.Buttons[4]->trigger();
    EXPECT_FALSE(c.blnIndividual());
    EXPECT_FALSE(grid().legend());
    EXPECT_FALSE(c.Buttons[4]->isChecked());
    EXPECT_EQ(grid().columnCount(), 1);
    EXPECT_EQ(column1(), QStringList({"6", "8", "4"}));

    c.Buttons[5]->trigger();
    EXPECT_TRUE(c.blnLogChart());
    EXPECT_TRUE(c.Buttons[5]->isChecked());
    EXPECT_EQ(column1(),
              QStringList({"0.778151250383644", "0.903089986991943", "0.602059991327962"}));
    EXPECT_EQ(grid().valueTitle(), "log10 of Value");
}

TEST_F(ChartWindowTest, ModesTwoThreeAndSix) {
    send({"1"}, {"m"});
    Chart1& c = chart();
    c.Toolbar1_ButtonClick(3);
    EXPECT_EQ(grid().chartType(), kChartType3D);
    EXPECT_FALSE(grid().secondaryAxis());
    c.Toolbar1_ButtonClick(2);
    EXPECT_EQ(grid().chartType(), kChartType2D);
    EXPECT_TRUE(grid().secondaryAxis());
    EXPECT_FALSE(c.Timer1->isActive());
    // Colouring the series at load read the chart settings, which made them, hidden.
    ASSERT_NE(app.form3Loaded(), nullptr);
    EXPECT_TRUE(app.form3Loaded()->isHidden());
    c.Toolbar1_ButtonClick(6);
    ASSERT_NE(app.form3Loaded(), nullptr);
    EXPECT_TRUE(app.form3Loaded()->isVisible());
}

TEST_F(ChartWindowTest, PointPopUpText) {
    const struct {
        int position;
        bool log;
        QStringList values;
        QStringList units;
        int dataPoint;
        QString text;
    } cases[] = {
        {0, false, {"1234.5", "2"}, {"mm", "m"}, 1, "1234.5 mm"},
        {1, false, {"2", "8", "4"}, {"N", "kN", "mN"}, 1, QString::fromUtf8("25% kN･N")},
        {0, true, {"3", "1000", "0"}, {"a", "mm", "c"}, 2, "1.000e+03 mm"},
        // A cell without a value says so, with its unit.
        {0, true, {"-5", "7"}, {"mm", "m"}, 1, "mm: no value"},
        {3, false, {"0", "4"}, {"N", "kN"}, 1, "N: no value"},
        {2, true, {"0.001"}, {"km"}, 1, "1.000e+03 1/km"},
        {3, true, {"2", "8", "4"}, {"N", "kN", "mN"}, 3, QString::fromUtf8("5.000e+01% 1/N･1/mN")},
        // 5 m in miles: the inverse is per mile, to the 7 digits the value box holds.
        {2, false, {"0.003106856"}, {"mi"}, 1, "321.8688 1/mi"},
    };
    for (const auto& t : cases) {
        send(t.values, t.units);
        Chart1& c = chart();
        if (c.blnLogChart() != t.log) c.Toolbar1_ButtonClick(5);
        c.Combo1->setCurrentIndex(t.position);
        c.Combo1_Click();
        EXPECT_EQ(popUp(1, t.dataPoint), t.text) << t.text.toStdString();
    }
}

TEST_F(ChartWindowTest, PointPopUpInTheIndividualLayoutNamesTheSeries) {
    send({"2", "8", "4"}, {"N", "k&N", "mN"});
    Chart1& c = chart();
    c.Toolbar1_ButtonClick(4);
    // "&" shows as itself, not as a shortcut mark.
    EXPECT_EQ(popUp(2, 1), "8 k&&N");
}

TEST_F(ChartWindowTest, ClickingABarAndTheRightButtonInTwoD) {
    send({"2", "8", "4"}, {"N", "kN", "mN"});
    Chart1& c = chart();
    c.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&c));
    c.MSChart1->flush();
    QChartView* view = c.MSChart1->chartView2d();
    auto* series = qobject_cast<QBarSeries*>(view->chart()->series().value(0));
    ASSERT_NE(series, nullptr);
    // The middle of the second bar.
    const QPointF inChart = view->chart()->mapToPosition(QPointF(1, 4), series);
    const QPoint at = view->mapFromScene(inChart);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(c.menu10->isVisible());
    EXPECT_EQ(c.m10[0]->text(), "8 kN");
    c.menu10->hide();

    QTest::mousePress(view->viewport(), Qt::RightButton, {}, at);
    EXPECT_TRUE(c.menu20->isVisible());
    c.menu20->hide();
    EXPECT_FALSE(c.menu10->isVisible());
}

TEST_F(ChartWindowTest, SelectingABarInThreeD) {
    send({"2", "8", "4"}, {"N", "kN", "mN"});
    Chart1& c = chart();
    c.show();
    c.Toolbar1_ButtonClick(3);
    c.MSChart1->flush();
    if (!c.MSChart1->series3d()) GTEST_SKIP() << "no OpenGL on this display";
    c.MSChart1->series3d()->setSelectedBar(QPoint(0, 2));
    EXPECT_TRUE(c.menu10->isVisible());
    EXPECT_EQ(c.m10[0]->text(), "4 mN");
    c.menu10->hide();
}

TEST_F(ChartWindowTest, ClosingKeepsTheSwitchesAndReopeningStartsAfresh) {
    send({"2", "8", "4"}, {"N", "kN", "mN"});
    Chart1* first = &chart();
    first->Buttons[4]->trigger();
    first->Buttons[5]->trigger();
    first->Toolbar1_ButtonClick(3);
    first->lngRotation = 200;
    first->m20[2]->setChecked(true);
    unload(*first);
    EXPECT_EQ(app.state().ChartShown, 0);
    EXPECT_EQ(app.chart1Loaded(), nullptr);

    Chart1& again = chart();
    EXPECT_EQ(app.state().ChartShown, 1);
    EXPECT_EQ(again.lngRotation, 60);
    EXPECT_EQ(again.lngElevation, 30);
    EXPECT_EQ(grid().chartType(), kChartType2D);
    EXPECT_FALSE(again.m20[2]->isChecked());
    EXPECT_TRUE(again.blnIndividual());
    EXPECT_TRUE(again.blnLogChart());
    // The buttons and the legend show the switches as they are.
    EXPECT_TRUE(again.Buttons[4]->isChecked());
    EXPECT_TRUE(again.Buttons[5]->isChecked());
    EXPECT_TRUE(grid().legend());
    EXPECT_EQ(grid().columnCount(), 3);
}

// A closed window is released once control is back in the event loop, which may be after the
// application object that made it has gone (the sanitizer build sees the difference).
TEST(ChartWindowRelease, AClosedWindowOutlivingItsApplicationTouchesNothing) {
    ui::RecordingDialogs dialogs;
    auto app = std::make_unique<Application>(dialogs);
    app->chart1().show();
    app->chart1().close();
    app.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(ChartWindowTest, EachBuildReadsTheBoxesAsTheyAreNow) {
    send({"2", "8", "4"}, {"N", "kN", "mN"});
    Chart1& c = chart();
    boxes[2] = "16";  // a later conversion in the sending window
    c.Form_Activate();
    EXPECT_EQ(column1(), QStringList({"2", "8", "16"}));
    c.Combo1->setCurrentIndex(1);
    EXPECT_EQ(column1(), QStringList({"12.5", "50", "100"}));
    EXPECT_EQ(c.intMaxRow, 3);

    // The sending window closed: no series and no layout shows a number any more.
    boxes.assign(3, std::nullopt);
    c.Combo1->setCurrentIndex(0);
    EXPECT_EQ(column1(), QStringList({"", "", ""}));
    c.Toolbar1_ButtonClick(4);
    for (int k = 1; k <= 3; ++k) EXPECT_FALSE(grid().value(1, k)) << k;
    c.showModeless();
    c.MSChart1->flush();
    EXPECT_TRUE(c.isVisible());
}

TEST_F(ChartWindowTest, ABuildDrawsOnce) {
    QStringList values, units;
    for (int k = 1; k <= 20; ++k) values << QString::number(k * 3), units << QString("u%1").arg(k);
    send(values, units);
    Chart1& c = chart();
    QCoreApplication::processEvents();
    const int before = c.MSChart1->redrawCount();
    c.Combo1->setCurrentIndex(5);
    c.Toolbar1_ButtonClick(4);
    QCoreApplication::processEvents();
    EXPECT_EQ(c.MSChart1->redrawCount(), before + 1);
}

TEST_F(ChartWindowTest, MissingBarsAreNamedUnderTheChart) {
    send({"0", "2", "0"}, {"mm", "m", "km"});
    Chart1& c = chart();
    EXPECT_TRUE(c.lblNoBars->isHidden());
    c.Combo1->setCurrentIndex(kSeriesInverse);
    EXPECT_EQ(c.lblNoBars->text(), "No bar for mm, km: inverse of 0");
    EXPECT_FALSE(c.lblNoBars->isHidden());
    // Its lines come off the chart's height, inside the window.
    EXPECT_GE(c.lblNoBars->geometry().top(), c.MSChart1->geometry().bottom());
    EXPECT_LE(c.lblNoBars->geometry().bottom(), c.height());
    c.Combo1->setCurrentIndex(kSeriesValue);
    EXPECT_TRUE(c.lblNoBars->isHidden());
}

TEST_F(ChartWindowTest, ResizeFollowsTheWindow) {
    Chart1& c = chart();
    ui::setWindowSizeTw(&c, 9000, 7000);
    c.Form_Resize();
    // 9000 - 7 x 45 and 7000 - 2.3 x 495 = 5861.5, a half rounded to even.
    EXPECT_EQ(ui::geometryTw(c.MSChart1), QRect(45, 495, 8685, 5862));
    // A window too small for the chart leaves it as it was.
    ui::setWindowSizeTw(&c, 300, 1000);
    c.Form_Resize();
    EXPECT_EQ(ui::geometryTw(c.MSChart1).size(), QSize(8685, 5862));
}

}  // namespace
}  // namespace zephal

namespace zephal {
namespace {

// Assistive technology toggles a checkable button without clicking it; the mode follows, once.
TEST_F(ChartWindowTest, ModeButtonsFollowAToggleWithoutAClick) {
    send({"2", "8", "4"}, {"N", "kN", "mN"});
    Chart1& c = chart();
    c.Buttons[5]->toggle();
    EXPECT_TRUE(c.blnLogChart());
    EXPECT_TRUE(c.Buttons[5]->isChecked());
    c.Buttons[5]->setChecked(true);  // already so: nothing more happens
    EXPECT_TRUE(c.blnLogChart());
    c.Buttons[5]->toggle();
    EXPECT_FALSE(c.blnLogChart());
    c.Buttons[4]->toggle();
    EXPECT_TRUE(c.blnIndividual());
    EXPECT_TRUE(grid().legend());
}

}  // namespace
}  // namespace zephal

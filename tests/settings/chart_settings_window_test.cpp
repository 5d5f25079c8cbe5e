// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/chart_settings_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QStyleOptionButton>
#include <QTest>

#include "app/application.h"
#include "chart/chart_window.h"
#include "support/recording_dialogs.h"
#include "ui/color_swatch.h"
#include "ui/twips.h"

namespace zephal {
namespace {

class ChartSettingsTest : public ::testing::Test {
protected:
    ChartSettingsTest() {
        // What the main window's load step sets.
        app.state().PlotColor = 255u;
        app.state().RotSpeed = 100;
    }
    static void unload(QWidget& window) {
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ui::RecordingDialogs dialogs;
    Application app{dialogs};
};

TEST_F(ChartSettingsTest, FirstReadCreatesItHiddenWithItsDefaults) {
    Form3& f = app.form3();
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(app.chart1Loaded(), nullptr) << "reading the settings does not load the chart";
    EXPECT_EQ(f.windowTitle(), "Chart setting");
    EXPECT_EQ(f.size(), QSize(ui::toPixels(4560), ui::toPixels(4590)));
    EXPECT_TRUE(f.windowFlags() & Qt::Tool);

    const struct {
        QWidget* control;
        QWidget* container;
        QString caption;
        QRect place;
    } controls[] = {
        {f.Frame1, &f, "Plot color", {90, 45, 4380, 1050}},
        {f.Option1[0],
         f.Frame1,
         "Default  ( Changed by Click ->          ) ",
         {180, 315, 3750, 180}},
        {f.Picture1, f.Frame1, "", {3000, 300, 300, 200}},
        {f.Option1[1], f.Frame1, "Unit Coomand  color", {180, 720, 2220, 180}},
        {f.Frame2, &f, "Rotation", {90, 1215, 4380, 2580}},
        {f.Check1[0], f.Frame2, "Dynamic Rotation for 3D Chart", {180, 315, 3885, 330}},
        {f.Check1[1], f.Frame2, "Perpendicular Rotation", {360, 810, 3615, 330}},
        {f.Check1[2], f.Frame2, "Horizontal Rotation", {360, 1305, 3615, 330}},
        {f.Label1, f.Frame2, "Rotation speed", {360, 1845, 1545, 330}},
        {f.Slider1, f.Frame2, "", {1980, 1800, 2130, 465}},
        {f.Command1[0], &f, "Refresh ", {540, 4005, 1455, 330}},
        {f.Command1[1], &f, "Close", {2565, 4005, 1455, 330}},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(QStringLiteral("%1 \"%2\"")
                         .arg(QLatin1String(c.control->metaObject()->className()), c.caption)
                         .toStdString());
        EXPECT_EQ(c.control->parentWidget(), c.container);
        EXPECT_EQ(ui::geometryTw(c.control), c.place);
        QString caption;
        if (auto* b = qobject_cast<QAbstractButton*>(c.control)) caption = b->text();
        if (auto* g = qobject_cast<QGroupBox*>(c.control)) caption = g->title();
        if (auto* l = qobject_cast<QLabel*>(c.control)) caption = l->text();
        EXPECT_EQ(caption, c.caption);
    }

    EXPECT_FALSE(f.Option1[0]->isChecked());
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_FALSE(f.Check1[0]->isChecked());
    EXPECT_TRUE(f.Check1[1]->isChecked());
    EXPECT_FALSE(f.Check1[2]->isChecked());
    EXPECT_EQ(f.Slider1->minimum(), 0);
    EXPECT_EQ(f.Slider1->maximum(), 10);
    EXPECT_EQ(f.Slider1->value(), 5);
    EXPECT_EQ(f.Picture1->color(), 255u);
    EXPECT_EQ(app.state().RotSpeed, 100);
}

TEST_F(ChartSettingsTest, TheSwatchSitsInTheBlankRunAfterTheArrow) {
    Form3& f = app.form3();
    const QRadioButton* option = f.Option1[0];
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect contents =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    const QString caption = option->text();
    const qsizetype arrow = caption.indexOf("->") + 2;
    const qsizetype close = caption.lastIndexOf(')');
    const QFontMetricsF metrics(option->font());
    const double runStart =
        option->x() + contents.left() + metrics.horizontalAdvance(caption.left(arrow));
    const double runEnd = runStart + metrics.horizontalAdvance(caption.mid(arrow, close - arrow));
    const QRect swatch = f.Picture1->geometry();
    EXPECT_GE(swatch.left(), runStart);
    EXPECT_LE(swatch.right(), runEnd);
}

TEST_F(ChartSettingsTest, TheChartShowsItCentredOverItself) {
    Chart1& chart = app.chart1();
    chart.move(100, 80);
    chart.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    chart.Toolbar1_ButtonClick(6);
    Form3& f = app.form3();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QPoint offset = f.frameGeometry().center() - chart.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
    f.Command1[1]->click();
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(app.form3Loaded(), &f) << "Close only hides";
}

TEST_F(ChartSettingsTest, TheSwatchOpensTheColourDialogByMouseAndKey) {
    Form3& f = app.form3();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    dialogs.colorAnswers.push_back(0xFF8000u);
    QTest::mouseClick(f.Picture1, Qt::LeftButton);
    EXPECT_EQ(dialogs.colorsOffered, std::vector<std::uint32_t>({255u}));
    EXPECT_EQ(app.state().PlotColor, 0xFF8000u);
    EXPECT_EQ(f.Picture1->color(), 0xFF8000u);

    // A click on the swatch is not a click on the option beneath it.
    EXPECT_FALSE(f.Option1[0]->isChecked());

    f.Picture1->setFocus();
    QTest::keyClick(f.Picture1, Qt::Key_Space);  // cancelled
    EXPECT_EQ(dialogs.colorsOffered, std::vector<std::uint32_t>({255u, 0xFF8000u}));
    // A screen reader finds a button named for what it does, and presses it.
    QAccessibleInterface* swatch = QAccessible::queryAccessibleInterface(f.Picture1);
    EXPECT_EQ(swatch->role(), QAccessible::Button);
    EXPECT_EQ(swatch->text(QAccessible::Name), "Choose the plot color");
    swatch->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(dialogs.colorsOffered.size(), 3u);
    EXPECT_EQ(app.state().PlotColor, 0xFF8000u);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(ChartSettingsTest, TheCloseBoxUnloadsAndTheNextReadStartsFromTheDefaults) {
    Form3* first = &app.form3();
    Chart1& chart = app.chart1();
    first->Slider1->setValue(10);
    first->Check1[2]->setChecked(true);
    first->Check1[0]->setChecked(true);
    first->Option1[0]->setChecked(true);
    dialogs.colorAnswers.push_back(0x00FF00u);
    first->Picture1_Click();
    unload(*first);
    EXPECT_EQ(app.form3Loaded(), nullptr);

    Form3& again = app.form3();
    EXPECT_EQ(again.Slider1->value(), 5);
    EXPECT_FALSE(again.Check1[0]->isChecked());
    EXPECT_TRUE(again.Check1[1]->isChecked());
    EXPECT_FALSE(again.Check1[2]->isChecked());
    EXPECT_TRUE(again.Option1[1]->isChecked());
    EXPECT_EQ(again.Picture1->color(), 0x00FF00u);
    // What lives outside the window keeps its value.
    EXPECT_EQ(app.state().RotSpeed, 50);
    EXPECT_EQ(app.state().PlotColor, 0x00FF00u);
    EXPECT_TRUE(chart.m20[0]->isChecked());
    EXPECT_TRUE(chart.m20[2]->isChecked());
}

TEST_F(ChartSettingsTest, EscapeHidesLikeClose) {
    Form3& f = app.form3();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.Check1[2]->setChecked(true);
    QTest::keyClick(f.Check1[2], Qt::Key_Escape);
    EXPECT_TRUE(f.isHidden());
    EXPECT_EQ(app.form3Loaded(), &f);
    EXPECT_TRUE(f.Check1[2]->isChecked());
}

}  // namespace
}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/find_field.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QToolButton>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_window.h"
#include "convert/conversion_window.h"
#include "help/about_window.h"
#include "settings/setting_window.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/twips.h"

namespace zephal {
namespace {

// The program started on the shipped data file.
class FindFieldTest : public ::testing::Test {
protected:
    FindFieldTest() : m_previous(QDir::currentPath()) {
        QDir::setCurrent(folder.folder());
        QFile::copy(test::shippedDataFile(), folder.path("zephal.zep"));
        app.onEnd = [] {};
        app.Main();
    }
    ~FindFieldTest() override { QDir::setCurrent(m_previous); }

    FindField& field() { return *app.form1().findField(); }
    void type(const QString& text) {
        field().setFocus();
        field().clear();
        QTest::keyClicks(&field(), text);
    }
    QStringList listed() {
        QStringList rows;
        for (int r = 0; r < field().list()->count(); ++r) rows << field().list()->item(r)->text();
        return rows;
    }

    test::TempFolder folder;
    ui::RecordingDialogs dialogs;
    Application app{dialogs};

private:
    QString m_previous;
};

// The narrowest main window (two tabs) and a wide one, in either font of the settings.
TEST_F(FindFieldTest, FitsTheToolbarAfterHelpWithoutMovingTheGrid) {
    const QString narrow =
        folder.writeLines("narrow.zep", {"0,A", "1,Q", "3,m (m),1", "0,B", "1,R", "3,s (s),1"});
    for (const QString& file : {narrow, test::shippedDataFile()}) {
        for (bool japanese : {false, true}) {
            app.setting().Check1[1]->setChecked(japanese);
            app.setting().Form1_set();
            app.form1().SetData(file);
            QApplication::processEvents();
            Form1& main = app.form1();
            const QList<QAction*> actions = main.Toolbar1->actions();
            EXPECT_EQ(actions.indexOf(main.Toolbar1->actionAt(field().geometry().center())),
                      actions.size() - 1);
            EXPECT_EQ(actions[actions.size() - 2]->data(), 3);  // the help button
            EXPECT_TRUE(field().isVisible());
            EXPECT_LE(field().geometry().right(), main.Toolbar1->width());
            for (auto* more : main.Toolbar1->findChildren<QToolButton*>("qt_toolbar_ext_button")) {
                EXPECT_FALSE(more->isVisible());
            }
            EXPECT_EQ(ui::geometryTw(main.SSTab1).topLeft(), QPoint(90, 510));
            // The Japanese font's captions may need a little more than the grid's width.
            const int laidOut = file == narrow ? 3400 : 7400;
            EXPECT_EQ(ui::windowWidthTw(&main) == laidOut, !japanese || file == narrow);
            EXPECT_GE(ui::windowWidthTw(&main), laidOut);
        }
    }
}

TEST_F(FindFieldTest, EnterOpensTheMatchAsAClickWould) {
    const struct {
        QString typed;
        int downs;
        QString caption;
        QString unit;
        QString value;
        int row;  // a row of the window and the value it shows
        QString rowValue;
        QString note = "Enter Your Value Here";  // the value box's tool tip
    } cases[] = {
        {"355 MPa", 0, "Stress / pressure / modulus", "Megapascal (MPa)", "355", 15, "51.48838"},
        {"2,5 ft", 0, "Length", "Foot (ft)", "2,5", 0, "0.6096", "Read as 2"},  // the box reads 2
        {"10 kN/m", 1, "Stiffness", "Kilonewton per metre (kN/m)", "10", 0, "10000"},
        {"psi", 0, "Stress / pressure / modulus", "Pound-force per square inch (psi)", "1", 4,
         "0.006894759"},
        {"Velocity", 0, "Velocity", "Metre per second (m/s)", "1", 1, "1000"},
        // more digits than the value box takes would be cut to another number
        {"1234567890123456 mm", 0, "Length", "Millimetre (mm)", "1", 0, "0.001"},
        // a unit the file lacks, in the second quantity that measures the same
        {"355 N/cm2", 1, "Stress / pressure / modulus", "Megapascal (MPa)", "3.55", 3, "3.55",
         "355 N/cm\u00B2 = 3.55 MPa"},
    };
    std::int16_t opened = 0;
    for (const auto& c : cases) {
        type(c.typed);
        for (int i = 0; i < c.downs; ++i) QTest::keyClick(&field(), Qt::Key_Down);
        QTest::keyClick(&field(), Qt::Key_Return);
        ASSERT_EQ(app.state().WindowCount, ++opened) << c.typed.toStdString();
        Form2& w = *app.conversionWindows().back();
        EXPECT_EQ(w.F2x, opened);
        EXPECT_EQ(w.windowTitle(), c.caption);
        EXPECT_EQ(w.Combo1->currentText(), c.unit);
        EXPECT_EQ(w.Text1->text(), c.value);
        EXPECT_EQ(w.Tx[static_cast<std::size_t>(c.row)]->text(), c.rowValue)
            << c.typed.toStdString();
        EXPECT_EQ(w.Text1->toolTip(), c.note);
        EXPECT_FALSE(field().list()->isVisible());
    }
    // The note holds for the value entered only.
    Form2& last = *app.conversionWindows().back();
    last.Text1->setText("4");
    EXPECT_EQ(last.Text1->toolTip(), "Enter Your Value Here");
    EXPECT_EQ(last.Text1->accessibleDescription(), "");
}

TEST_F(FindFieldTest, SaysWhenNothingMatches) {
    type("xyz");
    ASSERT_TRUE(field().list()->isVisible());
    EXPECT_EQ(listed(), QStringList({"No unit or quantity matches \"xyz\""}));
    EXPECT_EQ(field().list()->item(0)->flags(), Qt::ItemIsEnabled);  // not selectable
    EXPECT_EQ(field().accessibleDescription(), "No unit or quantity matches \"xyz\"");
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Return}) QTest::keyClick(&field(), key);
    EXPECT_EQ(app.state().WindowCount, 0);
    EXPECT_EQ(field().text(), "xyz");
    type("kN");
    EXPECT_EQ(field().accessibleDescription(), "");
}

TEST_F(FindFieldTest, ArrowsEscapeAndAClick) {
    type("kN/m");
    ASSERT_TRUE(field().list()->isVisible());
    EXPECT_EQ(listed().mid(0, 2),
              QStringList({QStringLiteral("Line load \u2014 Kilonewton per metre (kN/m)"),
                           QStringLiteral("Stiffness \u2014 Kilonewton per metre (kN/m)")}));
    EXPECT_EQ(field().list()->currentRow(), 0);
    for (auto [key, row] : {std::pair{Qt::Key_Down, 1}, {Qt::Key_Up, 0}, {Qt::Key_Up, 0}}) {
        QTest::keyClick(&field(), key);
        EXPECT_EQ(field().list()->currentRow(), row);
    }
    QTest::keyClick(&field(), Qt::Key_Escape);
    EXPECT_FALSE(field().list()->isVisible());
    EXPECT_EQ(field().text(), "");
    EXPECT_EQ(app.state().WindowCount, 0);

    type("kN/m");
    QListWidget* list = field().list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    ASSERT_EQ(app.state().WindowCount, 1);
    EXPECT_EQ(app.conversionWindows().back()->windowTitle(), "Stiffness");
}

TEST_F(FindFieldTest, MatchesFollowReadsThatEndNormally) {
    type("MPa");
    EXPECT_EQ(listed().value(0), "Stress / pressure / modulus \u2014 Megapascal (MPa)");
    app.form1().SetData(
        folder.writeLines("own.zep", {"0,Loads", "1,Point load", "3,Kilonewton (kN),1"}));
    type("MPa");
    EXPECT_EQ(listed(), QStringList({"No unit or quantity matches \"MPa\""}));
    type("kN");
    EXPECT_EQ(listed(), QStringList({QStringLiteral("Point load \u2014 Kilonewton (kN)")}));
    // A read that fails part way leaves the matches of the last good one.
    app.form1().SetData(
        folder.writeLines("bad.zep", {"0,Other", "1,Mass", "3,Kilogram (kg),1", "9,x"}));
    type("kg");
    EXPECT_EQ(listed(), QStringList({"No unit or quantity matches \"kg\""}));
    type("kN");
    EXPECT_EQ(listed().size(), 1);
}

TEST_F(FindFieldTest, CtrlFFromEveryWindowFocusesTheField) {
    Form1& main = app.form1();
    main.Command1_Click(1);
    const std::vector<QWidget*> windows = {app.conversionWindows().back(), &app.setting(),
                                           &app.about(), &app.chart1()};
    for (QWidget* window : windows) {
        main.Command1[1]->setFocus();
        field().setText("Length");
        field().deselect();
        window->show();
        QTest::qWait(20);
        QApplication::setActiveWindow(window);
        QTest::keyClick(window, Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(main.focusWidget(), &field()) << window->windowTitle().toStdString();
        EXPECT_EQ(field().selectedText(), "Length");
        EXPECT_TRUE(main.isVisible());
    }
}

}  // namespace
}  // namespace zephal

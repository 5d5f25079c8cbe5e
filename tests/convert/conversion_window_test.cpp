// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conversion_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QWidgetAction>
#include <functional>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_grid.h"
#include "chart/chart_window.h"
#include "help/about_window.h"
#include "settings/chart_settings_window.h"
#include "settings/setting_window.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/chart_view.h"
#include "ui/controls.h"
#include "ui/focus_mark.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace zephal {
namespace {

// Tab 0 holds 20 commands, tab 1 two; the quantity buttons are numbered 20 t + c + 1.
QStringList unitFile() {
    QStringList lines = {"0,Mechanics",         "1,Length",
                         "3,metre (m),1",       "2,millimetre (mm),1000",
                         "2,foot (ft),3.28084", "1,Six"};
    for (int i = 0; i < 6; ++i) lines << QStringLiteral("2,unit %1 (u%1),%2").arg(i).arg(i + 1);
    lines << "1,ZeroBase"
          << "3,zero (z),0"
          << "2,one (o),1"
          << "1,Wide"
          << "3,small (s),1"
          << "2,huge (h),1E30"
          << "1,NoUnits"
          << "1,Four"
          << "3,a (a),1"
          << "2,b (b),2"
          << "2,c (c),4"
          << "2,d (d),8";
    for (int c = 6; c < 19; ++c) lines << QStringLiteral("1,Q%1").arg(c) << "3,u (u),1";
    lines << "1,Twentieth"
          << "3,only (o),1"
          << "0,Statics"
          << "1,Force"
          << "2,newton (N),1000"
          << "3,kilonewton (kN),1";
    return lines;
}

enum Button {
    kLength = 1,
    kSix = 2,
    kZeroBase = 3,
    kWide = 4,
    kNoUnits = 5,
    kFour = 6,
    kTwentieth = 20,
    kForce = 21
};

class ConversionWindowTest : public ::testing::Test {
protected:
    ConversionWindowTest() : m_previous(QDir::currentPath()) {
        QDir::setCurrent(folder.folder());
        folder.writeLines("zephal.zep", unitFile());
        app.onEnd = [] {};
        app.Main();
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    }
    ~ConversionWindowTest() override { QDir::setCurrent(m_previous); }

    Form1& main() { return app.form1(); }
    Form2& open(int k) {
        main().Command1_Click(k);
        return *app.conversionWindows().back();
    }
    // Other test programs share the display and its input focus, so the test makes the window
    // the active one in this program rather than waiting for the display to do it, once the
    // display's own focus changes have come in.
    static void activate(Form2& window) {
        QTest::qWait(20);
        QApplication::setActiveWindow(&window);
    }
    static QStringList texts(const std::vector<QLineEdit*>& boxes) {
        QStringList list;
        for (const QLineEdit* box : boxes) list << box->text();
        return list;
    }
    static QStringList texts(const std::vector<QLabel*>& labels) {
        QStringList list;
        for (const QLabel* label : labels) list << label->text();
        return list;
    }
    // Replaces the whole text of a box by typing, as a user would.
    static void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(box, text);
        }
    }
    static void clickRightArrow(QScrollBar* bar) {
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() - 3, bar->height() / 2));
    }

    // What ChartValues entry k reads now; nothing for an empty entry or a box that is gone.
    std::optional<QString> chartValue(std::size_t k) {
        const auto& values = app.state().ChartValues;
        if (k >= values.size() || !values[k]) return std::nullopt;
        return values[k]();
    }
    // The value the chart draws for entry k in the single-series layout.
    std::optional<double> drawn(int k) { return app.chart1Loaded()->MSChart1->grid().value(k, 1); }

    test::TempFolder folder;
    ui::RecordingDialogs dialogs;
    Application app{dialogs};

private:
    QString m_previous;
};

TEST_F(ConversionWindowTest, NewWindowShowsOneUnitOfTheBaseUnit) {
    Form2& w = open(kLength);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.windowTitle(), "Length");
    EXPECT_EQ(w.Cmd1x, kLength);
    EXPECT_EQ(w.Text1->text(), "1");
    EXPECT_EQ(w.Text2->text(), "1");
    EXPECT_EQ(w.HScroll1->value(), 1);
    EXPECT_EQ(w.Mdx, 0);
    EXPECT_EQ(w.Combo1->currentIndex(), 0);
    EXPECT_EQ(w.Combo1->count(), 3);
    EXPECT_EQ(texts(w.Tn), QStringList({"1", "1000", "3.28084"}));
    EXPECT_EQ(texts(w.Tx), QStringList({"1", "1000", "3.28084"}));
    EXPECT_EQ(texts(w.Lx), QStringList({"m", "mm", "ft"}));
    for (QCheckBox* tick : w.Ck) EXPECT_TRUE(tick->isChecked());
    for (std::size_t i = 0; i < w.Tn.size(); ++i) {
        for (QWidget* part :
             std::initializer_list<QWidget*>{w.Ln[i], w.Tn[i], w.Tx[i], w.Lx[i], w.Ck[i]}) {
            EXPECT_TRUE(part->isVisible()) << i;
        }
    }
    EXPECT_EQ(w.Ln[0]->text(), "x                           =");
    EXPECT_EQ(app.state().ConvertLock, 0);  // the opener clears it after loading
    // A screen reader hears the row's unit in every part of it, and the captions as labels.
    const QWidget* mmRow[] = {w.Lx[1], w.Tn[1], w.Tx[1], w.Ck[1]};
    QStringList names;
    for (const QWidget* part : mmRow) {
        names << part->accessibleName();
        EXPECT_EQ(part->accessibleDescription(), "millimetre (mm)");
    }
    EXPECT_EQ(names, QStringList({"mm", "Scale factor to mm", "Value in mm", "Chart mm"}));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.Text3[1])->role(), QAccessible::StaticText);

    Form2& force = open(kForce);
    EXPECT_EQ(force.Combo1->currentIndex(), 1);
    EXPECT_EQ(texts(force.Tn), QStringList({"1000", "1"}));
    EXPECT_EQ(force.Combo1->itemText(0), "newton (N)");
}

TEST_F(ConversionWindowTest, RowsAHundredTwipsApartAndHeightFollowsTheLastRow) {
    Form2& w = open(kSix);
    ASSERT_EQ(w.Tn.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        const auto row = static_cast<std::size_t>(i);
        EXPECT_EQ(ui::geometryTw(w.Tn[row]), QRect(405, 1665 + 415 * i, 1365, 315)) << i;
        EXPECT_EQ(ui::geometryTw(w.Tx[row]), QRect(2070, 1665 + 415 * i, 2490, 315)) << i;
        EXPECT_EQ(ui::geometryTw(w.Ln[row]).top(), 1710 + 415 * i) << i;
        EXPECT_EQ(ui::geometryTw(w.Lx[row]).top(), 1710 + 415 * i) << i;
        EXPECT_EQ(ui::geometryTw(w.Ck[row]).top(), 1710 + 415 * i) << i;
    }
    // The last row's top and three row heights, below the 420-twip toolbar.
    EXPECT_EQ(ui::windowHeightTw(&w), 1665 + 5 * 415 + 3 * 315 + 420);
    EXPECT_EQ(ui::windowWidthTw(&w), 5790);
    EXPECT_EQ(ui::geometryTw(w.Text1), QRect(405, 900, 1395, 315));
    EXPECT_EQ(ui::geometryTw(w.Combo1), QRect(2064, 900, 3585, 315));
    const QRect last(w.Tn.back()->mapTo(&w, QPoint()), w.Tn.back()->size());
    EXPECT_GE(w.client()->geometry().bottom(), last.bottom());
    EXPECT_LE(w.client()->geometry().bottom(), w.height());
    EXPECT_FALSE(w.rowsArea()->verticalScrollBar()->isVisible());
}

TEST_F(ConversionWindowTest, ButtonsTwentyAndTwentyOneOpenTheirQuantities) {
    EXPECT_EQ(open(kTwentieth).windowTitle(), "Twentieth");
    EXPECT_EQ(open(kForce).windowTitle(), "Force");
}

TEST_F(ConversionWindowTest, EveryClickOpensTheNextNumberedWindow) {
    Form2& first = open(kLength);
    Form2& second = open(kLength);
    EXPECT_NE(&first, &second);
    EXPECT_EQ(first.F2x, 1);
    EXPECT_EQ(second.F2x, 2);
    EXPECT_TRUE(first.isVisible());
    first.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(open(kLength).F2x, 3);  // numbers are not reused
    EXPECT_EQ(app.state().WindowCount, 3);
}

TEST_F(ConversionWindowTest, ClickOnTheGridButtonOpensAWindow) {
    main().SSTab1->setCurrentIndex(1);
    QTest::mouseClick(main().Command1[kForce], Qt::LeftButton);
    ASSERT_EQ(app.conversionWindows().size(), 1u);
    EXPECT_EQ(app.conversionWindows().front()->windowTitle(), "Force");
}

TEST_F(ConversionWindowTest, TypingThenOneClickRightStepsTheWholePart) {
    Form2& w = open(kLength);
    type(w.Text1, "12.75");
    EXPECT_EQ(w.Text1->text(), "12.75");
    EXPECT_EQ(w.HScroll1->value(), 12);
    EXPECT_EQ(w.Mdx, 0.75f);
    EXPECT_EQ(w.Tx[1]->text(), "12750");

    clickRightArrow(w.HScroll1);
    EXPECT_EQ(w.HScroll1->value(), 13);
    EXPECT_EQ(w.Text1->text(), "13.75");
    EXPECT_EQ(w.Tx[1]->text(), "13750");

    w.Text2->setText("5");
    clickRightArrow(w.HScroll1);
    EXPECT_EQ(w.Text1->text(), "18.75");
}

TEST_F(ConversionWindowTest, TypingIsNeverRewritten) {
    Form2& w = open(kLength);
    activate(w);
    type(w.Text1, "15.5");
    type(w.Text1, "2");
    EXPECT_EQ(w.Text1->text(), "2");
    EXPECT_EQ(w.Tx[1]->text(), "2000");
    EXPECT_EQ(w.Mdx, 0);

    type(w.Text1, "");
    EXPECT_EQ(w.Text1->text(), "");
    EXPECT_EQ(texts(w.Tx), QStringList({"0", "0", "0"}));
    EXPECT_EQ(texts(w.Tn), QStringList({"1", "1000", "3.28084"}));

    for (const char* typed : {"2.50", "1e3", "12.5kg", "1,5"}) {
        type(w.Text1, typed);
        EXPECT_EQ(w.Text1->text(), typed);
    }
    EXPECT_EQ(w.Tx[1]->text(), "1000");  // 1,5 reads as 1

    // Moving the focus onto the scroll bar does not tidy the text either.
    type(w.Text1, "2.50");
    QTest::keyClick(w.Text1, Qt::Key_Tab);  // to the unit list
    QTest::keyClick(w.Combo1, Qt::Key_Tab);
    EXPECT_TRUE(w.HScroll1->hasFocus());
    EXPECT_EQ(w.Text1->text(), "2.50");
    EXPECT_EQ(w.HScroll1->value(), 2);
}

TEST_F(ConversionWindowTest, NegativeValuesStepByWholeUnits) {
    Form2& w = open(kLength);
    type(w.Text1, "-2.5");
    EXPECT_EQ(w.HScroll1->value(), -3);
    EXPECT_EQ(w.Tx[1]->text(), "-2500");
    clickRightArrow(w.HScroll1);
    EXPECT_EQ(w.Text1->text(), "-1.5");
    clickRightArrow(w.HScroll1);
    clickRightArrow(w.HScroll1);
    EXPECT_EQ(w.Text1->text(), "0.5");
}

TEST_F(ConversionWindowTest, ValueBeyondTheScrollRangeStillConvertsAndRestsTheBar) {
    Form2& w = open(kLength);
    type(w.Text1, "40000");
    EXPECT_EQ(w.Tx[1]->text(), "4E+07");
    // No step could start from the value shown: the bar rests until the value fits again.
    for (const char* text : {"40000", "99999.25", "-32769", "1E39"}) {
        w.Text1->setText(text);
        EXPECT_FALSE(w.HScroll1->isEnabled()) << text;
    }
    w.Text1->setText("32767.5");
    EXPECT_TRUE(w.HScroll1->isEnabled());
    EXPECT_EQ(w.HScroll1->value(), 32767);
    w.Text1->setText("123456789012345678");  // the box holds 15 characters at most
    EXPECT_EQ(w.Text1->text(), "123456789012345");
}

TEST_F(ConversionWindowTest, StepBoxAcceptsWholeNumbersFromOneUp) {
    Form2& w = open(kLength);
    type(w.Text2, "abc");
    EXPECT_EQ(w.Text2->text(), "1");
    EXPECT_EQ(w.HScroll1->singleStep(), 1);
    const struct {
        const char* text;
        const char* shown;
        int step;
    } cases[] = {{"7", "7", 7}, {"2.5", "2.5", 2},         {"0", "1", 1},     {"-4", "1", 1},
                 {"", "1", 1},  {"32767", "32767", 32767}, {"32768", "1", 1}, {"3x", "1", 1}};
    for (const auto& c : cases) {
        w.Text2->setText(QString::fromLatin1(c.text));
        EXPECT_EQ(w.Text2->text(), c.shown) << c.text;
        EXPECT_EQ(w.HScroll1->singleStep(), c.step) << c.text;
    }
}

TEST_F(ConversionWindowTest, PickingAnotherUnitConvertsFromIt) {
    Form2& w = open(kLength);
    w.Combo1->setCurrentIndex(2);  // foot
    EXPECT_EQ(texts(w.Tn), QStringList({"0.3048", "304.8", "1"}));
    EXPECT_EQ(texts(w.Tx), QStringList({"0.3048", "304.8", "1"}));
    type(w.Text1, "2");
    EXPECT_EQ(w.Tx[0]->text(), "0.6096");
}

TEST_F(ConversionWindowTest, JapaneseFontOptionReachesTheUnitNamesAndTheList) {
    Form2& before = open(kLength);
    app.setting().Check1[1]->setChecked(true);
    Form2& w = open(kLength);
    EXPECT_EQ(w.Lx[0]->font().family(),
              ui::fonts::kTimesNewRoman);  // the designed row keeps its font
    EXPECT_EQ(w.Lx[1]->font().family(), ui::fonts::kMsPGothic);
    EXPECT_EQ(w.Lx[2]->font().family(), ui::fonts::kMsPGothic);
    EXPECT_EQ(w.Combo1->font().family(), ui::fonts::kMsPGothic);
    EXPECT_TRUE(w.Combo1->font().bold());
    EXPECT_EQ(before.Lx[1]->font().family(), ui::fonts::kTimesNewRoman);

    app.setting().Check1[1]->setChecked(false);
    w.Combo1->setCurrentIndex(1);  // the list follows the option whenever a unit is picked
    EXPECT_EQ(w.Combo1->font().family(), ui::fonts::kTimesNewRoman);
}

// A box whose number cannot be worked out is empty, never an answer left from an earlier value,
// and the clipboard copies it as empty.
TEST_F(ConversionWindowTest, RowsThatCannotBeWorkedOutShowNoNumber) {
    Form2& zero = open(kZeroBase);
    EXPECT_EQ(texts(zero.Tn), QStringList({"", ""}));
    EXPECT_EQ(texts(zero.Tx), QStringList({"", ""}));
    EXPECT_EQ(texts(zero.Lx), QStringList({"z", "o"}));
    EXPECT_TRUE(zero.Tx[1]->isVisible());
    EXPECT_EQ(ui::geometryTw(zero.Tx[1]).top(), 1665 + 415);
    zero.Combo1->setCurrentIndex(1);
    EXPECT_EQ(texts(zero.Tx), QStringList({"0", "1"}));
    zero.Combo1->setCurrentIndex(0);
    EXPECT_EQ(texts(zero.Tx), QStringList({"", ""}));

    Form2& wide = open(kWide);
    wide.Text1->setText("1e10");
    EXPECT_EQ(texts(wide.Tx), QStringList({"1E+10", ""}));  // 1E+40 is beyond the single range
    EXPECT_EQ(wide.Tn[1]->text(), "1E+30");
    wide.Text1->setText("1E39");  // the entered number itself is beyond the range
    EXPECT_EQ(texts(wide.Tx), QStringList({"", ""}));
    EXPECT_EQ(texts(wide.Tn), QStringList({"1", "1E+30"}));
    wide.Toolbar1_ButtonClick(2);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "1,Wide\r\n3,small (s),\r\n2,huge (h),\r\n");

    Form2& length = open(kLength);
    length.Combo1->setCurrentIndex(-1);
    type(length.Text1, "5");
    EXPECT_EQ(texts(length.Tx), QStringList({"", "", ""}));
}

// The reader stops at the first character that does not fit; the box then says what it read.
TEST_F(ConversionWindowTest, ValueReadOnlyInPartIsShown) {
    Form2& w = open(kLength);
    const QColor normal = w.Text1->palette().color(QPalette::Base);
    const struct {
        const char* text;
        const char* note;  // "" when the whole text was read
    } rows[] = {{"2,5", "Read as 2"},
                {"1,000.5", "Read as 1"},
                {"0x10", "Read as 0"},
                {"abc", "Read as 0"},
                {"12.5kg", "Read as 12.5"},
                {"1e-44", "Read as 1E-44, too small to convert"},
                {"1e40", "Read as 1E+40, too large to convert"},
                {" 1 000 ", ""},
                {"&HFFFF", ""},
                {"", ""},
                {"-2e3", ""}};
    for (const auto& row : rows) {
        w.Text1->setText(QString::fromLatin1(row.text));
        const bool partly = *row.note != 0;
        EXPECT_EQ(w.Text1->text(), row.text);  // typing never rewrites the text
        EXPECT_EQ(w.Text1->toolTip(), partly ? row.note : "Enter Your Value Here") << row.text;
        EXPECT_EQ(w.Text1->palette().color(QPalette::Base) != normal, partly) << row.text;
    }
}

// No template text or tick passes for a result: the window says the quantity has no units.
TEST_F(ConversionWindowTest, QuantityWithoutUnitsSaysSo) {
    Form2& w = open(kNoUnits);
    EXPECT_EQ(w.Combo1->count(), 0);
    EXPECT_EQ(w.Tn.size(), 1u);
    for (QWidget* row :
         std::initializer_list<QWidget*>{w.Ln[0], w.Tn[0], w.Tx[0], w.Lx[0], w.Ck[0]})
        EXPECT_TRUE(row->isHidden());
    ASSERT_TRUE(w.lblNoUnits);
    EXPECT_TRUE(w.lblNoUnits->isVisible());
    EXPECT_EQ(w.lblNoUnits->text(), "This quantity has no units in the data file.");
    EXPECT_EQ(ui::windowHeightTw(&w), 450 + 420 + 4380);  // the design size
}

TEST_F(ConversionWindowTest, LockLetsOnlyAClearedConversionRun) {
    Form2& w = open(kLength);
    {
        const QSignalBlocker quiet(w.Text1);
        w.Text1->setText("3");
    }
    app.state().ConvertLock = -1;
    w.Converts();
    EXPECT_EQ(w.Tx[1]->text(), "1000");
    app.state().ConvertLock = 0;
    w.Converts();
    EXPECT_EQ(w.Tx[1]->text(), "3000");
    EXPECT_EQ(app.state().ConvertLock, -1);
    {
        const QSignalBlocker quiet(w.Text1);
        w.Text1->setText("4");
    }
    w.Converts();
    EXPECT_EQ(w.Tx[1]->text(), "3000");
}

TEST_F(ConversionWindowTest, WindowKeepsTheUnitsItOpenedWith) {
    Form2& w = open(kLength);
    main().SetData(folder.writeLines("other.zep", {"0,T", "1,Other", "3,x (x),1", "2,y (y),4"}));
    EXPECT_EQ(w.Combo1->count(), 3);
    w.Combo1->setCurrentIndex(1);
    EXPECT_EQ(w.Tx[0]->text(), "0.001");
    EXPECT_EQ(open(kLength).windowTitle(), "Other");
}

TEST_F(ConversionWindowTest, ActivationTakesTheButtonColourAndTheChart) {
    ui::setBackColor(main().Command1[kLength], 0x80C0FF);
    Form2& w = open(kLength);
    w.Form_Activate();
    EXPECT_EQ(app.state().UnitCommandColor, 0x80C0FFu);
    EXPECT_EQ(ui::backColor(&w), 0x80C0FFu);
    EXPECT_EQ(ui::backColor(w.Label1[3]), 0x80C0FFu);
    EXPECT_EQ(ui::backColor(w.Lx[2]), 0x80C0FFu);
    EXPECT_EQ(ui::backColor(w.Ck[1]), 0x80C0FFu);
    EXPECT_NE(w.Tn[0]->palette().color(QPalette::Base), ui::toQColor(0x80C0FF));
    EXPECT_EQ(app.state().ChartOwner, w.F2x);
    EXPECT_EQ(app.state().ChartShown, 0);
    EXPECT_EQ(app.chart1Loaded(), nullptr);

    Form2& second = open(kForce);
    second.Form_Activate();
    EXPECT_EQ(app.state().ChartOwner, 2);
}

TEST_F(ConversionWindowTest, ActivationPutsTheFocusInTheValueBoxReadyToBeTypedOver) {
    open(kForce);
    Form2& w = open(kLength);
    activate(w);
    EXPECT_TRUE(w.Text1->hasFocus());
    EXPECT_EQ(app.state().ChartOwner, w.F2x);
    QTest::keyClicks(w.Text1, "250");
    EXPECT_EQ(w.Text1->text(), "250");
}

TEST_F(ConversionWindowTest, ClipboardButtonPutsTheResultsAsLines) {
    Form2& w = open(kLength);
    type(w.Text1, "2");
    w.Toolbar1_ButtonClick(2);
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "1,Length\r\n3,metre (m),2\r\n2,millimetre (mm),2000\r\n2,foot (ft),6.56168\r\n");
    w.Toolbar1_ButtonClick(1);
    w.Toolbar1_ButtonClick(3);
    EXPECT_EQ(app.chart1Loaded(), nullptr);
}

TEST_F(ConversionWindowTest, ToolbarsCarryTheirPicturesAndTips) {
    QStringList tips;
    for (QAction* action : main().Toolbar1->actions()) {
        if (action->isSeparator() || qobject_cast<QWidgetAction*>(action)) continue;
        EXPECT_FALSE(action->icon().isNull());
        tips << action->toolTip();
        EXPECT_EQ(main().Toolbar1->widgetForAction(action)->accessibleDescription(), tips.back());
    }
    EXPECT_EQ(tips, QStringList({"Open the data file (*.zep). (Ctrl+O)",
                                 "Comannd display setting (Ctrl+,)", "Help & information (F1)"}));
    tips.clear();
    Form2& w = open(kLength);
    for (QAction* action : w.Toolbar1->actions()) {
        if (action->isSeparator() || action->toolTip().isEmpty()) continue;
        if (action->data().isValid()) {
            EXPECT_FALSE(action->icon().isNull());
        }
        tips << action->toolTip();
    }
    EXPECT_TRUE(tips.contains("List datas is outputed to Clipboard. (Ctrl+Shift+C)"));
    EXPECT_TRUE(tips.contains("The chart display of datas. (Ctrl+G)"));
}

TEST_F(ConversionWindowTest, ToolbarShowsTheSettingsAndHelpWindows) {
    main().Toolbar1_ButtonClick(3);
    ASSERT_NE(app.aboutLoaded(), nullptr);
    EXPECT_TRUE(app.aboutLoaded()->isVisible());
    main().Toolbar1_ButtonClick(2);
    EXPECT_TRUE(app.setting().isVisible());
    main().Toolbar1_ButtonClick(9);
    EXPECT_TRUE(dialogs.filtersAsked.isEmpty());
}

TEST_F(ConversionWindowTest, TicksChooseTheRowsTheChartReads) {
    Form2& w = open(kFour);
    EXPECT_EQ(app.chart1Loaded(), nullptr);
    w.Ck[1]->setChecked(false);  // the first tick opens the chart
    ASSERT_NE(app.chart1Loaded(), nullptr);
    EXPECT_TRUE(app.chart1Loaded()->isVisible());
    EXPECT_EQ(app.state().ChartShown, 1);
    w.Ck[3]->setCheckState(Qt::Unchecked);

    const AppState& s = app.state();
    EXPECT_EQ(s.ChartCount, 2);
    ASSERT_EQ(s.ChartValues.size(), 5u);
    EXPECT_EQ(chartValue(1), w.Tx[0]->text());
    EXPECT_EQ(chartValue(2), w.Tx[2]->text());
    EXPECT_EQ(s.ChartUnits[1], "a");
    EXPECT_EQ(s.ChartUnits[2], "c");
    for (std::size_t k : {0u, 3u, 4u}) {
        EXPECT_FALSE(s.ChartValues[k]) << k;
        EXPECT_FALSE(s.ChartUnits[k]) << k;
    }
    EXPECT_EQ(app.chart1Loaded()->windowTitle(), "Four : 1 a (a)");
    EXPECT_EQ(drawn(2), 4.0);

    // A partly ticked box counts as ticked.
    w.Ck[3]->setCheckState(Qt::PartiallyChecked);
    EXPECT_EQ(s.ChartCount, 3);
    EXPECT_EQ(chartValue(3), w.Tx[3]->text());
    w.Ck[3]->setCheckState(Qt::Unchecked);

    // Every row reaches the clipboard, ticked or not.
    w.Toolbar1_ButtonClick(2);
    EXPECT_EQ(QGuiApplication::clipboard()->text().count("\r\n"), 5);

    // With the chart loaded, every conversion re-titles it and draws the new values.
    type(w.Text1, "5");
    EXPECT_EQ(app.chart1Loaded()->windowTitle(), "Four : 5 a (a)");
    EXPECT_EQ(drawn(1), 5.0);
    EXPECT_EQ(drawn(2), 20.0);

    // Unticking the last ticked rows still titles and shows the chart, with nothing in it.
    w.Ck[0]->setChecked(false);
    w.Ck[2]->setChecked(false);
    EXPECT_EQ(s.ChartCount, 0);
    EXPECT_EQ(s.ChartValues.size(), 5u);
    for (const ValueRef& entry : s.ChartValues) EXPECT_FALSE(entry);
    EXPECT_TRUE(app.chart1Loaded()->isVisible());
    EXPECT_EQ(app.chart1Loaded()->MSChart1->grid().rowCount(), 0);
}

TEST_F(ConversionWindowTest, ChartReadsTheBoxesAsTheyAreNow) {
    Form2& w = open(kFour);
    w.Toolbar1_ButtonClick(4);
    ASSERT_NE(app.chart1Loaded(), nullptr);
    EXPECT_EQ(app.state().ChartCount, 4);
    EXPECT_EQ(drawn(4), 8.0);

    // Without the chart no conversion sends data again, yet the entries follow the boxes.
    app.chart1Loaded()->close();
    EXPECT_EQ(app.state().ChartShown, 0);
    type(w.Text1, "3");
    EXPECT_EQ(chartValue(4), "24");
    EXPECT_EQ(app.chart1().MSChart1->grid().value(4, 1), 24.0);  // reopened elsewhere
    EXPECT_EQ(app.state().ChartShown, 1);
}

TEST_F(ConversionWindowTest, ActivationMovesTheChartToTheActivatedWindow) {
    Form2& length = open(kLength);
    length.Form_Activate();
    length.Toolbar1_ButtonClick(4);
    Chart1* chart = app.chart1Loaded();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->windowTitle(), "Length : 1 metre (m)");
    EXPECT_EQ(app.state().ChartCount, 3);

    Form2& force = open(kForce);
    force.Form_Activate();
    EXPECT_EQ(app.state().ChartOwner, force.F2x);
    EXPECT_EQ(chart->windowTitle(), "Force : 1 kilonewton (kN)");
    EXPECT_EQ(app.state().ChartCount, 2);
    EXPECT_EQ(app.state().ChartUnits[1], "N");
    EXPECT_EQ(chart->MSChart1->grid().rowLabelAt(1), "N");
    EXPECT_EQ(drawn(1), 1000.0);

    length.Form_Activate();
    EXPECT_EQ(app.state().ChartOwner, length.F2x);
    EXPECT_EQ(chart->windowTitle(), "Length : 1 metre (m)");
    EXPECT_EQ(app.state().ChartCount, 3);
    EXPECT_EQ(chart->MSChart1->grid().rowCount(), 3);

    // The other window converted and sent its rows meanwhile: the owner's activation, which
    // names its own value in the caption, takes its rows back as well.
    type(force.Text1, "2");
    length.Form_Activate();
    EXPECT_EQ(chart->windowTitle(), "Length : 1 metre (m)");
    EXPECT_EQ(chart->MSChart1->grid().rowCount(), 3);
}

TEST_F(ConversionWindowTest, TypingWithTheChartLoadedKeepsTheKeyboard) {
    Form2& w = open(kLength);
    app.chart1();  // loaded hidden, as a colour choice in the chart settings does
    activate(w);
    type(w.Text1, "25");  // the first key shows the chart, the second redraws it
    QTest::qWait(50);     // a window that asked for the focus has it by now
    EXPECT_TRUE(app.chart1Loaded()->isVisible());
    EXPECT_EQ(w.Text1->text(), "25");
    EXPECT_EQ(w.focusWidget(), w.Text1);
    // Another program on the display may hold the focus; the chart window must not.
    EXPECT_NE(QApplication::activeWindow(), app.chart1Loaded());
    EXPECT_EQ(app.chart1Loaded()->windowTitle(), "Length : 25 metre (m)");
}

// Bars, unit names and caption all go with the window whose rows they were; a window that did
// not send them leaves the chart alone.
TEST_F(ConversionWindowTest, ClosedWindowTakesItsRowsOffTheChart) {
    Form2& other = open(kForce);
    Form2& length = open(kLength);
    length.Toolbar1_ButtonClick(4);
    Chart1& chart = *app.chart1Loaded();
    other.close();
    EXPECT_EQ(chart.MSChart1->grid().rowCount(), 3);
    length.close();
    EXPECT_EQ(drawn(1), std::nullopt);  // at once, not only once the window is released
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(app.conversionWindows().empty());

    EXPECT_EQ(app.state().ChartCount, 0);
    EXPECT_EQ(chart.windowTitle(), "Chart");
    EXPECT_EQ(chart.MSChart1->grid().rowCount(), 0);
    EXPECT_TRUE(chart.lblNoBars->isHidden());

    // The next window takes the chart over.
    Form2& force = open(kForce);
    force.Form_Activate();
    EXPECT_EQ(app.state().ChartCount, 2);
    EXPECT_EQ(chartValue(2), "1");
}

TEST_F(ConversionWindowTest, UnitColumnWidensForLongSymbols) {
    Form2& plain = open(kLength);
    const QRect designTick = ui::geometryTw(plain.Ck[0]);
    const int designWidth = ui::windowWidthTw(&plain);
    EXPECT_EQ(ui::geometryTw(plain.Lx[2]).width(), 765);
    EXPECT_EQ(designTick.left(), 5445);

    main().SetData(folder.writeLines(
        "wide.zep",
        {"0,T", "1,Viscosity", "3,pascal second (Pa･s),1",
         "2,kilogram-force second squared per metre to the fourth (kgf･s^2/m^4),9.80665",
         "2,calorie per second metre degree (cal/s･m･℃),1"}));
    Form2& wide = open(kLength);
    const int column = ui::geometryTw(wide.Lx[0]).width();
    const int extra = column - 765;
    EXPECT_GT(extra, 0);
    for (std::size_t i = 0; i < wide.Lx.size(); ++i) {
        const QLabel* unit = wide.Lx[i];
        EXPECT_LE(unit->fontMetrics().horizontalAdvance(unit->text()), unit->width()) << i;
        EXPECT_EQ(ui::geometryTw(unit).width(), column);
        EXPECT_EQ(ui::geometryTw(wide.Ck[i]).left(), 5445 + extra);
        const QRect tick(wide.Ck[i]->mapTo(wide.client(), QPoint()), wide.Ck[i]->size());
        EXPECT_TRUE(wide.client()->rect().contains(tick)) << i;
    }
    EXPECT_EQ(ui::windowWidthTw(&wide), designWidth + extra);
    EXPECT_EQ(wide.Toolbar1->width(), wide.width());
}

}  // namespace
}  // namespace zephal

namespace zephal {
namespace {

// At every scale a window stays on the screen; where it would be taller, what does not fit
// scrolls and every row and button can still be reached. The scale is the program's own from
// its start, so each one is a child run of this test on the same screen.
TEST_F(ConversionWindowTest, TwentyRowsStayOnTheScreenAtEveryScale) {
    const char* test = "ConversionWindowTest.TwentyRowsStayOnTheScreenAtEveryScale";
    if (!qEnvironmentVariableIsSet("ZEPHAL_SCALE_RUN")) {
        for (const char* scale : {"1", "1.5", "2"}) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_SCALE_FACTOR", scale);
            environment.insert("ZEPHAL_SCALE_RUN", scale);
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--gtest_filter=") + test});
            ASSERT_TRUE(child.waitForFinished(120000)) << scale;
            EXPECT_EQ(child.exitCode(), 0) << "scale " << scale << "\n"
                                           << child.readAll().toStdString();
        }
        return;
    }
    // Twenty quantities in one tab, the first with twenty units.
    QStringList lines = {"0,Twenty", "1,Stress"};
    for (int i = 0; i < 20; ++i) {
        lines << QStringLiteral("%1,unit %2 (u%2),%3").arg(i ? 2 : 3).arg(i).arg(i + 1);
    }
    for (int c = 1; c < 20; ++c) lines << QStringLiteral("1,Q%1").arg(c) << "3,u (u),1";
    main().SetData(folder.writeLines("twenty.zep", lines));
    Form2& w = open(1);
    QTest::qWait(20);
    QApplication::setActiveWindow(&w);
    // On the 1600 x 1200 screen of the tests, 800 and 600 pixels high at 1.5 and 2.
    const QString scale = qEnvironmentVariable("ZEPHAL_SCALE_RUN");

    const struct {
        const char* name;
        QWidget* window;
        QScrollArea* area;
        QStringList scrollingScales;  // where the screen is too low for the whole window
        QWidget* last;                // the last row's tick box, the last quantity button
        std::vector<QWidget*> stay;   // in view however the rest scrolls
    } rows[] = {
        {"conversion window",
         &w,
         w.rowsArea(),
         {"2"},
         w.Ck.back(),
         {w.Toolbar1, w.HScroll1, w.Text1}},
        {"main window",
         &main(),
         static_cast<QScrollArea*>(main().SSTab1->currentWidget()),
         {"1.5", "2"},
         main().Command1[20],
         {main().Toolbar1, main().SSTab1->tabBar()}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QRect screen = row.window->screen()->availableGeometry();
        EXPECT_LE(row.window->height(), screen.height());
        EXPECT_LE(row.window->width(), screen.width());
        EXPECT_EQ(row.area->verticalScrollBar()->isVisible(), row.scrollingScales.contains(scale));
        EXPECT_FALSE(row.area->horizontalScrollBar()->isVisible());
        QApplication::setActiveWindow(row.window);
        row.last->setFocus(Qt::TabFocusReason);
        const QRect shown(row.last->mapTo(row.area->viewport(), QPoint()), row.last->size());
        EXPECT_TRUE(row.area->viewport()->rect().contains(shown));
        for (QWidget* part : row.stay) {
            const QRect place(part->mapTo(row.window, QPoint()), part->size());
            EXPECT_TRUE(row.window->rect().contains(place)) << part->accessibleName().toStdString();
        }
    }
}

// What a keyboard user meets on the way: a button by its text, any other control by its name.
QString focusName(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QToolButton*>(widget)) return button->text();
    if (qobject_cast<const QTabBar*>(widget)) return QStringLiteral("tabs");
    return widget ? widget->accessibleName() : QStringLiteral("nothing");
}

// Every window's toolbar comes first in the order of the Tab key, Shift+Tab goes back, and each
// button shows where the keyboard is.
TEST_F(ConversionWindowTest, TabReachesEveryToolbarButtonInReadingOrder) {
    Form2& w = open(kLength);
    w.Toolbar1_ButtonClick(4);
    Chart1& chart = app.chart1();
    const auto firstButton = [](QToolBar* bar) {
        for (QAction* action : bar->actions()) {
            if (action->data().isValid()) return bar->widgetForAction(action);
        }
        return static_cast<QWidget*>(nullptr);
    };
    const struct {
        const char* name;
        QWidget* first;
        QStringList order;  // from the first stop on, by Tab
    } rows[] = {
        {"main window",
         firstButton(main().Toolbar1),
         {"Open", "Setting", "Help", "Find a unit or quantity", "tabs"}},
        {"conversion window",
         firstButton(w.Toolbar1),
         {"Clipboard", "Chart", "Convert value", "Description unit"}},
        {"chart window",
         chart.Combo1,
         {"Series", "2D Chart", "3D chart", "Individual Chart with Legend", "Logarithm Chart",
          "Chart setting"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTest::qWait(20);
        QApplication::setActiveWindow(row.first->window());
        row.first->setFocus(Qt::TabFocusReason);
        QStringList met = {focusName(QApplication::focusWidget())};
        for (qsizetype i = 1; i < row.order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            met << focusName(QApplication::focusWidget());
            if (const auto* button = qobject_cast<QToolButton*>(QApplication::focusWidget())) {
                EXPECT_TRUE(ui::hasFocusMark(button)) << met.back().toStdString();
            }
        }
        EXPECT_EQ(met, row.order);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(focusName(QApplication::focusWidget()), row.order[row.order.size() - 2]);
    }
}

// The keys of the toolbar commands, each pressed where a user's hands would be, and Space and
// Enter on a focused button.
TEST_F(ConversionWindowTest, ToolbarCommandsByKey) {
    Form2& w = open(kLength);
    type(w.Text1, "2");
    w.Toolbar1_ButtonClick(4);
    Chart1& chart = app.chart1();
    chart.hide();
    const auto button = [](QToolBar* bar, int data) {
        for (QAction* action : bar->actions()) {
            if (action->data() == data) return bar->widgetForAction(action);
        }
        return static_cast<QWidget*>(nullptr);
    };
    const QString table =
        "1,Length\r\n3,metre (m),2\r\n2,millimetre (mm),2000\r\n2,foot (ft),6.56168\r\n";
    const struct {
        const char* name;
        QWidget* focus;
        QKeySequence key;
        std::function<bool()> done;
    } rows[] = {
        {"Ctrl+O opens a data file", main().SSTab1->tabBar(), QKeySequence("Ctrl+O"),
         [&] { return dialogs.filtersAsked.size() == 1; }},
        {"Ctrl+, shows the display settings", main().SSTab1->tabBar(), QKeySequence("Ctrl+,"),
         [&] { return app.setting().isVisible(); }},
        {"F1 shows help from a conversion window", w.Text1, QKeySequence("F1"),
         [&] { return app.aboutLoaded() && app.aboutLoaded()->isVisible(); }},
        {"Esc closes the help window", app.about().SSTab1->tabBar(), QKeySequence("Esc"),
         [&] { return !app.aboutLoaded(); }},
        {"Ctrl+Shift+C copies the table while typing", w.Text1, QKeySequence("Ctrl+Shift+C"),
         [&] { return QGuiApplication::clipboard()->text() == table; }},
        {"Ctrl+C in a box copies what is selected there", w.Tx[1], QKeySequence("Ctrl+A, Ctrl+C"),
         [&] { return QGuiApplication::clipboard()->text() == "2000"; }},
        {"Enter on the clipboard button", button(w.Toolbar1, 2), QKeySequence(Qt::Key_Return),
         [&] { return QGuiApplication::clipboard()->text() == table; }},
        {"Ctrl+G shows the chart", w.Text1, QKeySequence("Ctrl+G"),
         [&] { return chart.isVisible(); }},
        {"Ctrl+3 draws it in 3D", chart.Combo1, QKeySequence("Ctrl+3"),
         [&] { return chart.MSChart1->grid().chartType() == kChartType3D; }},
        {"Ctrl+K switches the logarithm on", chart.Combo1, QKeySequence("Ctrl+K"),
         [&] { return chart.blnLogChart() && chart.Buttons[5]->isChecked(); }},
        {"Space on the logarithm button switches it off", button(chart.Toolbar1, 5),
         QKeySequence(Qt::Key_Space), [&] { return !chart.blnLogChart(); }},
        {"Ctrl+L the individual layout", chart.Combo1, QKeySequence("Ctrl+L"),
         [&] { return chart.blnIndividual(); }},
        {"Ctrl+2 draws it in 2D", chart.Combo1, QKeySequence("Ctrl+2"),
         [&] { return chart.MSChart1->grid().chartType() == kChartType2D; }},
        {"Ctrl+, shows the chart settings", chart.Combo1, QKeySequence("Ctrl+,"),
         [&] { return app.form3Loaded() && app.form3Loaded()->isVisible(); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QGuiApplication::clipboard()->clear();
        QTest::qWait(20);
        QApplication::setActiveWindow(row.focus->window());
        row.focus->setFocus(Qt::TabFocusReason);
        QTest::keySequence(row.focus, row.key);
        // An animated click lands a moment later.
        EXPECT_TRUE(QTest::qWaitFor(row.done, 1000));
    }
}

TEST_F(ConversionWindowTest, KeysOnTheScrollBarStepLikeItsButtonsAndTrough) {
    Form2& w = open(kLength);
    const struct {
        Qt::Key key;
        const char* text;  // after the key, from 100 with the page step 10
    } rows[] = {{Qt::Key_Right, "101"}, {Qt::Key_Down, "101"}, {Qt::Key_PageDown, "110"},
                {Qt::Key_Left, "99"},   {Qt::Key_Up, "99"},    {Qt::Key_PageUp, "90"}};
    for (const auto& row : rows) {
        w.Text1->setText("100");
        QTest::keyClick(w.HScroll1, row.key);
        EXPECT_EQ(w.Text1->text(), row.text) << row.key;
    }
}

}  // namespace
}  // namespace zephal

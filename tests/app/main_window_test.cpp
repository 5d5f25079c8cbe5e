// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QTabBar>
#include <QTest>

#include "app/application.h"
#include "chart/chart_window.h"
#include "convert/conversion_window.h"
#include "help/about_window.h"
#include "settings/setting_window.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/twips.h"

namespace zephal {
namespace {

// A program started in a temporary folder, its dialogs answered by the test.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : m_previous(QDir::currentPath()) {
        QDir::setCurrent(folder.folder());
        app.onEnd = [this] { ++ends; };
    }
    ~MainWindowTest() override { QDir::setCurrent(m_previous); }

    Form1& main() { return app.form1(); }
    QPushButton* button(int k) { return main().Command1[static_cast<std::size_t>(k)]; }
    int shownButtons() {
        int n = 0;
        for (std::size_t k = 1; k < main().Command1.size(); ++k)
            n += main().Command1[k]->isHidden() ? 0 : 1;
        return n;
    }
    int shownTabs() {
        int n = 0;
        for (int t = 0; t < main().SSTab1->count(); ++t) n += main().SSTab1->isTabVisible(t);
        return n;
    }
    // A file whose tab t holds counts[t] commands of one unit each.
    QString fileWithCounts(const QString& name, const std::vector<int>& counts) {
        QStringList lines;
        for (std::size_t t = 0; t < counts.size(); ++t) {
            lines << QStringLiteral("0,Tab %1").arg(t);
            for (int c = 0; c < counts[t]; ++c)
                lines << QStringLiteral("1,Q%1.%2").arg(t).arg(c) << "3,m (m),1";
        }
        return folder.writeLines(name, lines);
    }

    test::TempFolder folder;
    ui::RecordingDialogs dialogs;
    Application app{dialogs};
    int ends = 0;

private:
    QString m_previous;
};

TEST_F(MainWindowTest, StartUpWithoutDataFileShowsErrorAndNoButton) {
    app.Main();
    // Then the folders looked in, the working folder and the user's data folder first.
    const QString lookedIn = "Looked in: " + QDir::currentPath() + ", " +
                             qEnvironmentVariable("XDG_DATA_HOME") + "/zephal, ";
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("Error No.53\r\nFile \"zephal.zep\" not found!\r\n" +
                                               lookedIn))
        << dialogs.messages[0].toStdString();
    EXPECT_EQ(main().windowTitle(), "ZEPHAL");
    EXPECT_EQ(main().Command1.size(), 201u);
    EXPECT_EQ(shownButtons(), 0);
    EXPECT_EQ(shownTabs(), 0);  // placeholder pages without buttons are not offered
    EXPECT_EQ(main().SSTab1->count(), 10);
    EXPECT_EQ(main().SSTab1->tabText(0), "Unit 1");
    EXPECT_EQ(button(1)->text(), "Command 1");
    EXPECT_EQ(ui::geometryTw(button(21)).topLeft(), QPoint(200, 540));
    EXPECT_EQ(ui::geometryTw(button(40)).top(), 540 * 20);
    EXPECT_EQ(ui::windowHeightTw(&main()), 7000);
    EXPECT_EQ(ui::geometryTw(main().SSTab1).height(), 5940);
    const AppState& s = app.state();
    EXPECT_EQ(s.Tmax, 10);
    EXPECT_EQ(s.PlotColor, 255u);
    EXPECT_EQ(s.RotSpeed, 100);
    EXPECT_EQ(s.tables.tabCount(), 10);
}

TEST_F(MainWindowTest, StartUpReadsTheShippedFile) {
    QFile::copy(test::shippedDataFile(), folder.path("zephal.zep"));
    app.Main();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
    EXPECT_EQ(main().windowTitle(), "ZEPHAL : zephal.zep");
    EXPECT_TRUE(main().isVisible());
    EXPECT_GT(shownTabs(), 0);
    EXPECT_EQ(main().SSTab1->tabText(0), app.state().tables.TabItems(0).Name);
    EXPECT_EQ(button(1)->text(), app.state().tables.CommandItems(0, 0).Name);
    EXPECT_FALSE(button(1)->isHidden());
}

TEST_F(MainWindowTest, LayoutOfFiveTabsWithFourteenCommands) {
    app.Main();
    main().SetData(fileWithCounts("five.zep", {3, 14, 1, 2, 5}));
    EXPECT_EQ(ui::windowWidthTw(&main()), 5000);
    EXPECT_EQ(ui::windowHeightTw(&main()), 9160);
    EXPECT_EQ(ui::geometryTw(main().SSTab1), QRect(90, 510, 4820, 8100));
    EXPECT_EQ(ui::geometryTw(button(20 + 14)).top(), 7560);
    EXPECT_EQ(ui::geometryTw(button(20 + 14)).width(), 4330);
    // Counted from the tab control's top, above the tab row, whatever the row showed when the
    // buttons were made: so the last button lies inside the control.
    EXPECT_NEAR(button(20 + 14)->mapTo(main().SSTab1, QPoint()).y(), ui::toPixels(7560), 1);
    EXPECT_EQ(shownTabs(), 5);
    EXPECT_EQ(shownButtons(), 25);
    EXPECT_EQ(main().SSTab1->tabText(1), "Tab 1");
    EXPECT_EQ(main().SSTab1->currentIndex(), 0);
}

TEST_F(MainWindowTest, EmptyTabIsHiddenAndExtraButtonsOfAnEarlierFileToo) {
    app.Main();
    main().SetData(fileWithCounts("a.zep", {4, 2}));
    main().SetData(fileWithCounts("b.zep", {2, 0, 3}));
    EXPECT_TRUE(main().SSTab1->isTabVisible(0));
    EXPECT_FALSE(main().SSTab1->isTabVisible(1));
    EXPECT_TRUE(main().SSTab1->isTabVisible(2));
    EXPECT_FALSE(button(2)->isHidden());
    EXPECT_TRUE(button(3)->isHidden());
    EXPECT_EQ(ui::windowWidthTw(&main()), 3400);
}

TEST_F(MainWindowTest, FailedReadChangesNothing) {
    app.Main();
    main().SetData(fileWithCounts("a.zep", {4}));
    main().SetData(folder.writeLines("bad.zep", {"0,X", "1,Y", "9,z"}));
    EXPECT_EQ(main().windowTitle(), "ZEPHAL : a.zep");
    EXPECT_EQ(button(1)->text(), "Q0.0");
    EXPECT_FALSE(button(4)->isHidden());
    EXPECT_EQ(app.state().tables.CommandItems(0, 0).Name, "Q0.0");
}

TEST_F(MainWindowTest, TwelveTabRecordsLayOutTheFirstTen) {
    app.Main();
    main().SetData(fileWithCounts("twelve.zep", std::vector<int>(12, 1)));
    EXPECT_EQ(dialogs.messages.size(), 3);  // the start-up 53, then two tab messages
    EXPECT_EQ(shownTabs(), 10);
    EXPECT_EQ(ui::windowWidthTw(&main()), 9000);
}

TEST_F(MainWindowTest, TabsBeyondTenGetButtonsWhenTheMaximumAllows) {
    app.Main();
    app.state().Tmax = 12;
    app.state().tables.resizeKeepingContents(12);
    main().SetData(fileWithCounts("twelve.zep", std::vector<int>(12, 2)));
    ASSERT_GE(main().Command1.size(), 241u);
    EXPECT_EQ(button(20 * 11 + 2)->text(), "Q11.1");
    EXPECT_FALSE(button(20 * 11 + 2)->isHidden());
    EXPECT_EQ(shownTabs(), 12);
}

TEST_F(MainWindowTest, CancelledOpenDialogChangesNothing) {
    app.Main();
    main().SetData(fileWithCounts("a.zep", {4}));
    dialogs.messages.clear();
    main().Toolbar1_ButtonClick(1);
    EXPECT_EQ(dialogs.filtersAsked, QStringList({"Zephal Format(*.zep)|*.zep|"}));
    EXPECT_EQ(dialogs.foldersAsked, QStringList({folder.folder()}));  // where a.zep is
    ASSERT_EQ(dialogs.sideBarsOffered.size(), 1u);
    EXPECT_EQ(dialogs.sideBarsOffered[0], app.dataFolders());
    EXPECT_EQ(app.dataFolders().value(0), folder.folder());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(main().windowTitle(), "ZEPHAL : a.zep");
    EXPECT_EQ(app.state().tables.TabItems(0).Count, 4);
}

TEST_F(MainWindowTest, ChosenFileIsReadAndTheNextDialogStartsInItsFolder) {
    QFile::copy(test::shippedDataFile(), folder.path("zephal.zep"));
    app.Main();
    QDir(folder.folder()).mkdir("sub");
    dialogs.fileAnswers.push_back(fileWithCounts("sub/b.zep", {1, 1}));
    main().Toolbar1_ButtonClick(1);
    EXPECT_EQ(main().windowTitle(), "ZEPHAL : b.zep");
    EXPECT_EQ(shownTabs(), 2);
    main().Toolbar1_ButtonClick(1);
    EXPECT_EQ(dialogs.foldersAsked, QStringList({folder.folder(), folder.path("sub")}));
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgram) {
    app.Main();
    app.setting().show();
    main().close();
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(app.setting().isVisible());
}

// Every shown tab has an equal share of one row, whatever the number of tabs, the length of
// their captions or the font: it can be seen and clicked.
TEST_F(MainWindowTest, EveryShownTabHasItsShareOfTheRow) {
    app.Main();
    const QString longTitle = QStringLiteral("Thermal conductivity and heat transfer %1");
    for (const bool japanese : {false, true}) {
        app.setting().Check1[1]->setChecked(japanese);
        app.setting().Command1_Click(0);
        for (const int tabs : {1, 3, 4, 7, 10, 12}) {
            app.setting().Text1->setText(QString::number(std::max(tabs, 10)));
            QStringList lines;
            for (int t = 0; t < tabs; ++t)
                lines << "0," + longTitle.arg(t) << "1,Q"
                      << "3,m (m),1";
            main().SetData(folder.writeLines("tabs.zep", lines));
            QCoreApplication::processEvents();
            const QTabBar* bar = main().SSTab1->tabBar();
            const QRect control = main().SSTab1->rect();
            int total = 0;
            for (int t = 0; t < tabs; ++t) {
                const QRect tab(bar->mapTo(main().SSTab1, bar->tabRect(t).topLeft()),
                                bar->tabRect(t).size());
                EXPECT_TRUE(control.contains(tab)) << tabs << " tabs, tab " << t;
                EXPECT_LE(std::abs(tab.width() - control.width() / tabs), 1) << tabs;
                EXPECT_EQ(bar->tabToolTip(t), longTitle.arg(t));
                EXPECT_EQ(bar->accessibleTabName(t), longTitle.arg(t));
                total += tab.width();
            }
            EXPECT_EQ(total, control.width()) << tabs;
        }
    }
}

// With the shipped file, at the width the window opens in, every caption reads whole in either
// font: the first look at the program is of whole words.
TEST_F(MainWindowTest, ShippedCaptionsReadWholeInEitherFont) {
    QFile::copy(test::shippedDataFile(), folder.path("zephal.zep"));
    app.Main();
    const struct {
        const char* name;
        bool japanese;
        bool widthAsLaidOut;  // else a little wider, as the captions need
    } rows[] = {{"Latin font", false, true}, {"Japanese font", true, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        app.setting().Check1[1]->setChecked(row.japanese);
        app.setting().Command1_Click(0);  // the font changes; no file is read
        QCoreApplication::processEvents();
        EXPECT_EQ(ui::windowWidthTw(&main()) == 7400, row.widthAsLaidOut)
            << ui::windowWidthTw(&main());
        for (int t = 0; t < main().SSTab1->count(); ++t) {
            if (!main().SSTab1->isTabVisible(t)) continue;
            EXPECT_TRUE(main().SSTab1->captionWhole(t)) << main().SSTab1->tabText(t).toStdString();
        }
    }
}

TEST_F(MainWindowTest, HiddenTabsCannotBeReached) {
    app.Main();
    main().SetData(fileWithCounts("gaps.zep", {2, 0, 1, 0, 3}));  // tabs 0, 2 and 4 shown
    ui::RowTabWidget* tabs = main().SSTab1;
    const struct {
        Qt::KeyboardModifiers keys;
        int from, to;
    } rows[] = {{Qt::ControlModifier, 0, 2},
                {Qt::ControlModifier, 2, 4},
                {Qt::ControlModifier, 4, 0},
                {Qt::ControlModifier | Qt::ShiftModifier, 0, 4},
                {Qt::ControlModifier | Qt::ShiftModifier, 2, 0}};
    for (const auto& row : rows) {
        tabs->setCurrentIndex(row.from);
        QTest::keyClick(tabs, Qt::Key_Tab, row.keys);
        EXPECT_EQ(tabs->currentIndex(), row.to) << row.from;
    }
    for (const int hidden : {1, 3, 8}) {  // as an accessibility action would pick it
        tabs->setCurrentIndex(hidden);
        EXPECT_TRUE(tabs->isTabVisible(tabs->currentIndex())) << hidden;
    }
}

TEST_F(MainWindowTest, WindowsAreFramesNamedByTheirCaptions) {
    QFile::copy(test::shippedDataFile(), folder.path("zephal.zep"));
    app.Main();
    main().Command1_Click(1);
    const std::vector<QWidget*> windows = {&main(), app.conversionWindows().front(), &app.chart1(),
                                           &app.setting(), &app.about()};
    for (QWidget* window : windows) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Window) << window->windowTitle().toStdString();
        EXPECT_EQ(face->text(QAccessible::Name), window->windowTitle());
    }
}

// With the shipped file, nothing a user does to the maximum of tabs or by opening a broken file
// makes a button open anything but its own quantity.
TEST_F(MainWindowTest, ButtonsOpenTheirOwnQuantityAfterMaxTabsAndABrokenFile) {
    QFile::copy(test::shippedDataFile(), folder.path("zephal.zep"));
    app.Main();
    const auto everyButtonOpensItsQuantity = [this] {
        for (std::size_t k = 1; k < main().Command1.size(); ++k) {
            if (main().Command1[k]->isHidden()) continue;
            main().Command1_Click(static_cast<int>(k));
            Form2* window = app.conversionWindows().back();
            EXPECT_EQ(window->windowTitle(), main().Command1[k]->text().replace("&&", "&")) << k;
            EXPECT_GT(window->Combo1->count(), 0) << k;
            delete window;
        }
    };
    for (const char* typed : {"5", "4", "50", "0", "-1", "32767"}) {
        QLineEdit* max = app.setting().Text1;
        max->selectAll();
        QTest::keyClicks(max, QString::fromLatin1(typed));
        everyButtonOpensItsQuantity();
    }
    app.setting().Text1->setText("10");
    dialogs.fileAnswers.push_back(
        folder.writeLines("broken.zep", {"0,X", "1,Y", "3,y (y),1", "9,z"}));
    main().Toolbar1_ButtonClick(1);
    EXPECT_EQ(dialogs.messages.size(), 1);
    everyButtonOpensItsQuantity();
}

TEST(FileFilter, PipeFilterInQtForm) {
    EXPECT_EQ(ui::qtFileFilter("Zephal Format(*.zep)|*.zep|"), "Zephal Format(*.zep)");
    EXPECT_EQ(ui::qtFileFilter("Text|*.txt|All|*.*"), "Text (*.txt);;All (*.*)");
}

}  // namespace
}  // namespace zephal

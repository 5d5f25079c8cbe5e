// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/setting_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTest>
#include <algorithm>
#include <set>

#include "app/application.h"
#include "app/main_window.h"
#include "convert/conversion_window.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace zephal {
namespace {

std::vector<std::uint32_t> buttonColors(const Form1& main, std::size_t from = 1) {
    std::vector<std::uint32_t> colors;
    for (std::size_t k = from; k < main.Command1.size(); ++k) {
        colors.push_back(ui::backColor(main.Command1[k], QPalette::Button));
    }
    return colors;
}

bool allComponentsFrom128(const std::vector<std::uint32_t>& colors) {
    for (std::uint32_t c : colors) {
        for (int shift : {0, 8, 16}) {
            if ((c >> shift & 0xFF) < 128) return false;
        }
    }
    return true;
}

// A program started in a temporary folder without a data file, its dialogs answered by the
// test: 10 tabs of hidden buttons, styled by the default settings.
class SettingTest : public ::testing::Test {
protected:
    SettingTest() : m_previous(QDir::currentPath()) {
        QDir::setCurrent(folder.folder());
        app.onEnd = [] {};
        app.Main();
    }
    ~SettingTest() override { QDir::setCurrent(m_previous); }

    Form1& main() { return app.form1(); }
    Setting& setting() { return app.setting(); }
    AppState& state() { return app.state(); }
    // A file whose tab t holds counts[t] commands of one unit each.
    QString fileWithCounts(const QString& name, const std::vector<int>& counts) {
        QStringList lines;
        for (std::size_t t = 0; t < counts.size(); ++t) {
            lines << QStringLiteral("0,Tab %1").arg(t);
            for (int c = 0; c < counts[t]; ++c) {
                lines << QStringLiteral("1,Q%1.%2").arg(t).arg(c) << "3,m (m),1";
            }
        }
        return folder.writeLines(name, lines);
    }

    test::TempFolder folder;
    ui::RecordingDialogs dialogs;
    Application app{dialogs};

private:
    QString m_previous;
};

TEST_F(SettingTest, ControlsStartWithTheirDefaults) {
    Setting& s = setting();
    EXPECT_EQ(s.windowTitle(), "Setting");
    EXPECT_TRUE(s.isHidden());
    EXPECT_EQ(s.size(), QSize(ui::toPixels(3915), ui::toPixels(3900)));
    const struct {
        QWidget* control;
        QString text;
        QRect twips;
    } rows[] = {
        {s.Label1, "Convert Item Max Tabs : ", {180, 225, 1905, 330}},
        {s.Text1, "10", {2160, 225, 735, 285}},
        {s.Check2, "Reset unit data at opening *.zep file", {180, 675, 3525, 285}},
        {s.Label2, "(It has not checked in addition.)", {450, 1035, 2940, 195}},
        {s.Check1[0], "Color command display (randomize)", {180, 1395, 3075, 360}},
        {s.Option1[0], "Light color", {405, 1890, 2130, 195}},
        {s.Option1[1], "Deeplight color", {405, 2250, 2130, 195}},
        {s.Check1[1], "Useing Japanese font of unit items", {180, 2610, 3435, 360}},
        {s.Command1[0], "Ok", {450, 3330, 1320, 375}},
        {s.Command1[1], "Close", {2160, 3330, 1320, 375}},
    };
    for (const auto& row : rows) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(row.control)) text = label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(row.control)) text = edit->text();
        if (auto* button = qobject_cast<QAbstractButton*>(row.control)) text = button->text();
        EXPECT_EQ(text, row.text);
        EXPECT_EQ(ui::geometryTw(row.control), row.twips) << row.text.toStdString();
    }
    EXPECT_TRUE(s.Check2->isChecked());
    EXPECT_TRUE(s.Check1[0]->isChecked());
    EXPECT_TRUE(s.Option1[0]->isChecked());
    EXPECT_FALSE(s.Option1[1]->isChecked());
    EXPECT_FALSE(s.Check1[1]->isChecked());
}

TEST_F(SettingTest, StartUpGivesEveryButtonLightColoursTheSameOnEveryStart) {
    const std::vector<std::uint32_t> colors = buttonColors(main());
    ASSERT_EQ(colors.size(), 200u);
    EXPECT_TRUE(allComponentsFrom128(colors));
    EXPECT_GT(std::set<std::uint32_t>(colors.begin(), colors.end()).size(), 150u);

    ui::RecordingDialogs otherDialogs;
    Application second(otherDialogs);
    second.onEnd = [] {};
    second.Main();
    EXPECT_EQ(buttonColors(second.form1()), colors);

    for (std::size_t k = 1; k < main().Command1.size(); ++k) {
        EXPECT_EQ(main().Command1[k]->font().family(), ui::fonts::kTimesNewRoman);
        EXPECT_EQ(main().Command1[k]->font().pointSizeF(), 8);
    }
    EXPECT_EQ(main().font().family(), ui::fonts::kTimesNewRoman);
    EXPECT_EQ(main().Command1[0]->font().pointSizeF(), 8.25);  // the template is left alone
}

TEST_F(SettingTest, DeeplightColoursRangeOverAllComponents) {
    const std::vector<std::uint32_t> before = buttonColors(main());
    setting().Option1[1]->setChecked(true);
    setting().Command1_Click(0);
    const std::vector<std::uint32_t> after = buttonColors(main());
    EXPECT_NE(after, before);
    EXPECT_FALSE(allComponentsFrom128(after));
}

TEST_F(SettingTest, WithoutRandomColoursButtonsTakeTheMainWindowColour) {
    setting().Check1[0]->setChecked(false);
    setting().Command1_Click(0);
    const std::uint32_t back = ui::backColor(&main());
    for (std::uint32_t c : buttonColors(main())) EXPECT_EQ(c, back);
}

TEST_F(SettingTest, JapaneseFontReachesButtonsAndMainWindowAndBack) {
    setting().Check1[1]->setChecked(true);
    setting().Command1_Click(0);
    for (std::size_t k = 1; k < main().Command1.size(); ++k) {
        EXPECT_EQ(main().Command1[k]->font().family(), ui::fonts::kMsPGothic);
        EXPECT_EQ(main().Command1[k]->font().pointSizeF(), 9);
    }
    EXPECT_EQ(main().font().family(), ui::fonts::kMsPGothic);

    // A conversion window opened afterwards names its units in the Japanese font.
    folder.writeLines("units.zep", {"0,T", "1,Length", "3,Metre (m),1", "2,Millimetre (mm),1000",
                                    "2,Foot (ft),3.28084"});
    main().SetData(folder.path("units.zep"));
    main().Command1_Click(1);
    ASSERT_EQ(app.conversionWindows().size(), 1u);
    Form2& conversion = *app.conversionWindows().front();
    ASSERT_EQ(conversion.Lx.size(), 3u);
    for (std::size_t i = 1; i < conversion.Lx.size(); ++i) {
        EXPECT_EQ(conversion.Lx[i]->font().family(), ui::fonts::kMsPGothic);
    }
    conversion.Combo1->setCurrentIndex(2);
    EXPECT_EQ(conversion.Combo1->font().family(), ui::fonts::kMsPGothic);

    setting().Check1[1]->setChecked(false);
    setting().Command1_Click(0);
    EXPECT_EQ(main().Command1[200]->font().family(), ui::fonts::kTimesNewRoman);
    EXPECT_EQ(main().Command1[200]->font().pointSizeF(), 8);
    EXPECT_EQ(main().font().family(), ui::fonts::kTimesNewRoman);
}

TEST_F(SettingTest, TypingTwelveOverTenGrowsTheTablesKeepingThem) {
    main().SetData(fileWithCounts("ten.zep", std::vector<int>(10, 2)));
    ASSERT_EQ(state().tables.TabItems(9).Name, "Tab 9");

    setting().Text1->setText("1");  // "10" less its last character
    EXPECT_EQ(state().Tmax, 1);
    EXPECT_EQ(state().tables.tabCount(), 10);
    setting().Text1->setText("12");
    EXPECT_EQ(state().Tmax, 12);
    EXPECT_EQ(state().tables.tabCount(), 12);
    for (int t = 0; t < 10; ++t) {
        EXPECT_EQ(state().tables.TabItems(t).Count, 2);
        EXPECT_EQ(state().tables.CommandItems(1, t).Name, QStringLiteral("Q%1.1").arg(t));
    }
    EXPECT_TRUE(state().tables.TabItems(11).Name.isEmpty());

    setting().Text1->setText("3");
    EXPECT_EQ(state().Tmax, 3);
    EXPECT_EQ(state().tables.tabCount(), 12);
}

TEST_F(SettingTest, TextThatIsNoNumberOfTabsChangesNothing) {
    for (const char* text : {"", "abc", "0", "-2", "40000", "4x"}) {
        setting().Text1->setText(QString::fromLatin1(text));
        EXPECT_EQ(state().Tmax, 10) << text;
        EXPECT_EQ(state().tables.tabCount(), 10) << text;
        EXPECT_EQ(setting().Text1->text(), QString::fromLatin1(text));
        setting().Command1_Click(0);
        EXPECT_EQ(state().Tmax, 10) << text;
    }
    // A read after all that still works with the maximum the field last held.
    main().SetData(fileWithCounts("two.zep", {1, 1}));
    EXPECT_EQ(state().tables.tabCount(), 10);
    EXPECT_EQ(dialogs.messages.size(), 1);  // only the start-up's missing file
}

TEST_F(SettingTest, TheLargestMaximumStillLaysOutAFile) {
    setting().Text1->setText("32767");
    EXPECT_EQ(state().tables.tabCount(), 32767);
    main().SetData(fileWithCounts("two.zep", {1, 2}));
    EXPECT_FALSE(main().Command1[22]->isHidden());
    EXPECT_TRUE(main().SSTab1->isTabVisible(1));
    EXPECT_LE(main().SSTab1->count(), 10);  // no page for tabs that cannot be shown
}

TEST_F(SettingTest, OkSetsTheMaximumAgainButNeverResizes) {
    setting().Text1->setText("12");
    setting().Text1->setText("2");
    ASSERT_EQ(state().tables.tabCount(), 12);
    state().Tmax = 7;
    setting().Command1_Click(0);
    EXPECT_EQ(state().Tmax, 2);
    EXPECT_EQ(state().tables.tabCount(), 12);
}

TEST_F(SettingTest, CloseHidesAndTheCloseBoxUnloads) {
    Setting* first = &setting();
    first->show();
    first->Text1->setText("12");
    first->Check2->setChecked(false);
    first->Command1_Click(1);
    EXPECT_TRUE(first->isHidden());
    ASSERT_EQ(app.settingLoaded(), first);
    EXPECT_EQ(first->Text1->text(), "12");

    first->show();
    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    QTest::keyClick(first->Text1, Qt::Key_Escape);  // does what "Close" does
    EXPECT_TRUE(first->isHidden());
    ASSERT_EQ(app.settingLoaded(), first);

    first->show();
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.settingLoaded(), nullptr);
    // The next read recreates it with the defaults; Tmax and the tables keep what they had.
    EXPECT_TRUE(setting().Check2->isChecked());
    EXPECT_EQ(setting().Text1->text(), "10");
    EXPECT_EQ(state().Tmax, 12);
    EXPECT_EQ(state().tables.tabCount(), 12);
}

TEST_F(SettingTest, ButtonsBuiltForLateTabsLookLikeTheOthers) {
    setting().Check1[1]->setChecked(true);
    setting().Command1_Click(0);
    setting().Text1->setText("12");
    const std::vector<std::uint32_t> before = buttonColors(main());

    main().SetData(fileWithCounts("twelve.zep", std::vector<int>(12, 1)));
    ASSERT_EQ(main().Command1.size(), 241u);
    const std::vector<std::uint32_t> after = buttonColors(main());
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));  // not re-randomised
    const std::vector<std::uint32_t> late = buttonColors(main(), 201);
    EXPECT_TRUE(allComponentsFrom128(late));
    EXPECT_GT(std::set<std::uint32_t>(late.begin(), late.end()).size(), 30u);
    for (std::size_t k = 201; k <= 240; ++k) {
        EXPECT_EQ(main().Command1[k]->font().family(), ui::fonts::kMsPGothic);
        EXPECT_EQ(main().Command1[k]->font().pointSizeF(), 9);
    }
    EXPECT_FALSE(main().Command1[221]->isHidden());
    EXPECT_EQ(main().SSTab1->tabText(11), "Tab 11");
}

TEST_F(SettingTest, LayoutWithoutAnyCommandShowsAnEmptyTabControl) {
    main().SetData(fileWithCounts("one.zep", {3}));
    ASSERT_TRUE(main().Command1[1]->isVisible());
    dialogs.messages.clear();

    main().SetData(folder.writeLines("empty.zep", {"0,Nothing here"}));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    for (int t = 0; t < main().SSTab1->count(); ++t) EXPECT_FALSE(main().SSTab1->isTabVisible(t));
    for (std::size_t k = 1; k < main().Command1.size(); ++k) {
        EXPECT_FALSE(main().Command1[k]->isVisible()) << k;
    }
    // The next file with commands shows its grid again.
    main().SetData(fileWithCounts("again.zep", {2}));
    EXPECT_TRUE(main().Command1[2]->isVisible());
}

}  // namespace
}  // namespace zephal

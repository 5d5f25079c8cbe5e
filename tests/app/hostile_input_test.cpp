// SPDX-License-Identifier: GPL-3.0-or-later
// What a user can throw at the windows: floods of messages, files that vanish, any key in any
// box, pasted text, extreme numbers, absurd tab counts, and a chart whose rows' window has
// closed. Nothing may crash, hang or leave the state inconsistent.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_window.h"
#include "convert/conversion_window.h"
#include "settings/setting_window.h"
#include "support/recording_dialogs.h"
#include "support/temp_folder.h"

namespace zephal {
namespace {

class HostileInputTest : public ::testing::Test {
protected:
    HostileInputTest() : m_previous(QDir::currentPath()) {
        QDir::setCurrent(folder.folder());
        folder.writeLines("zephal.zep",
                          {"0,Mechanics", "1,Length", "3,metre (m),1", "2,millimetre (mm),1000",
                           "2,foot (ft),3.28084", "1,Tiny", "3,a (a),1", "2,b (b),1E-30"});
        app.onEnd = [] {};
        app.Main();
    }
    ~HostileInputTest() override { QDir::setCurrent(m_previous); }

    Form2& open(int k) {
        app.form1().Command1_Click(k);
        return *app.conversionWindows().back();
    }
    // Sends one key press carrying the character, as a keyboard would.
    static void type(QWidget* widget, QChar c) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
    // Every printable ASCII character, every control character, a few beyond ASCII, and the
    // editing keys.
    static void typeEverything(QWidget* widget) {
        for (char16_t c = 1; c < 128; ++c) type(widget, QChar(c));
        for (const char16_t c : {u'é', u'鋼', u'･', u'\u0301', u'\u200B', u'\uFFFD'})
            type(widget, QChar(c));
        for (const int key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,
                              Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Up}) {
            QTest::keyClick(widget, Qt::Key(key));
        }
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_Z, Qt::ControlModifier);
    }
    // No box shows anything but a number the program wrote or its design text.
    static void expectRowsReadable(const Form2& w) {
        for (const QLineEdit* box : w.Tx) {
            EXPECT_FALSE(box->text().contains("nan", Qt::CaseInsensitive))
                << box->text().toStdString();
            EXPECT_FALSE(box->text().contains("inf", Qt::CaseInsensitive))
                << box->text().toStdString();
        }
    }

    test::TempFolder folder;
    ui::RecordingDialogs dialogs;
    Application app{dialogs};

private:
    QString m_previous;
};

// Names from a data file are shown as written, never read as markup or access keys.
TEST_F(HostileInputTest, TextFromTheDataFileIsShownAsWritten) {
    dialogs.fileAnswers.push_back(folder.writeLines(
        "markup.zep", {"0,<b>Tab</b>", "1,Heat & <i>flow</i>", "3,watt (<i>W</i>),1"}));
    app.form1().Toolbar1_ButtonClick(1);
    Form2& w = open(1);
    EXPECT_EQ(w.windowTitle(), "Heat & <i>flow</i>");
    EXPECT_EQ(w.Lx[0]->textFormat(), Qt::PlainText);
    EXPECT_EQ(app.form1().SSTab1->tabToolTip(0), "<b>Tab</b>");
    EXPECT_EQ(app.form1().Command1[1]->text(), "Heat && <i>flow</i>");  // drawn as one "&"

    // The real message box, closed as soon as it shows.
    Qt::TextFormat shown = Qt::AutoText;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shown = box->textFormat();
        box->accept();
    });
    ui::QtDialogs().message(nullptr, "Convert Tab items : <i>Heat</i> is over Maximum Tabs 10.");
    EXPECT_EQ(shown, Qt::PlainText);
}

TEST_F(HostileInputTest, FiveThousandRecordsOverTheLimitsComeOneByOne) {
    QStringList lines{"0,T", "1,Q"};
    for (int i = 0; i < 20; ++i) lines << QStringLiteral("2,u%1,1").arg(i);
    for (int i = 0; i < 5000; ++i) lines << QStringLiteral("2,over%1,1").arg(i);
    dialogs.fileAnswers.push_back(folder.writeLines("flood.zep", lines));
    int answered = 0;
    dialogs.onMessage = [&](const QString&) {
        ++answered;
        QCoreApplication::processEvents();  // the program keeps handling events meanwhile
    };
    app.form1().Toolbar1_ButtonClick(1);
    ASSERT_EQ(dialogs.messages.size(), 5000);
    EXPECT_EQ(answered, 5000);
    EXPECT_EQ(dialogs.messages.first(), "Convert Function items : over0 is over 20.");
    EXPECT_EQ(dialogs.messages.last(), "Convert Function items : over4999 is over 20.");
    EXPECT_EQ(app.state().tables.CommandItems(0, 0).Count, 20);
    EXPECT_FALSE(app.form1().Command1[1]->isHidden());
}

TEST_F(HostileInputTest, FileGoneBetweenTheDialogAndTheRead) {
    const QString path = folder.writeLines("gone.zep", {"0,T", "1,Q"});
    dialogs.fileAnswers.push_back(path);
    QFile::remove(path);
    app.form1().Toolbar1_ButtonClick(1);
    EXPECT_EQ(dialogs.messages, QStringList({"Error No.53\r\nFile \"" + path + "\" not found!"}));
    EXPECT_EQ(app.form1().windowTitle(), "ZEPHAL : zephal.zep");
    EXPECT_EQ(app.state().tables.CommandItems(0, 0).Name, "Length");
}

TEST_F(HostileInputTest, AnyKeyInTheConversionWindowBoxes) {
    Form2& w = open(1);
    typeEverything(w.Text1);
    EXPECT_LE(w.Text1->text().size(), 15);
    typeEverything(w.Text2);
    const auto step = w.Text2->text().toInt();
    EXPECT_TRUE(step >= 1 && step <= 32767) << w.Text2->text().toStdString();
    expectRowsReadable(w);
}

TEST_F(HostileInputTest, PastingTenThousandCharactersKeepsFifteen) {
    Form2& w = open(1);
    QGuiApplication::clipboard()->setText(QString(10000, u'7'));
    w.Text1->selectAll();
    w.Text1->paste();
    EXPECT_EQ(w.Text1->text().size(), 15);
    EXPECT_EQ(w.Tx[1]->text(), "7.777778E+17");  // 777777777777777 m in mm, 7 digits
}

TEST_F(HostileInputTest, ExtremeValues) {
    Form2& w = open(1);
    for (const char* text : {"3.4E+38", "-3.4E+38", "3.5E+38", "1E-45", "1E-310", "1E999", "-1E999",
                             "&HFFFFFFFF", "9e99999999", "0.000000000000001"}) {
        w.Text1->setText(QString::fromLatin1(text));
        expectRowsReadable(w);
    }
    w.Text1->setText("2");
    EXPECT_EQ(w.Tx[1]->text(), "2000");  // the window still converts afterwards

    Form2& tiny = open(2);
    tiny.Text1->setText("1E-20");
    expectRowsReadable(tiny);
}

TEST_F(HostileInputTest, AnyKeyAndAbsurdCountsInTheMaximumTabs) {
    Setting& s = app.setting();
    typeEverything(s.Text1);
    EXPECT_GE(app.state().Tmax, 1);
    for (const char* text : {"0", "-1", "32767", "-32768", "99999", "", "10"}) {
        s.Text1->setText(QString::fromLatin1(text));
        EXPECT_GE(app.state().Tmax, 1) << text;
        EXPECT_GE(app.state().tables.tabCount(), 1) << text;
    }
    s.Text1->setText("32767");
    app.form1().SetData(QStringLiteral("zephal.zep"));
    EXPECT_EQ(app.state().tables.tabCount(), 32767);
    s.Text1->setText("10");
    app.form1().SetData(QStringLiteral("zephal.zep"));
    EXPECT_EQ(app.state().Tmax, 10);
    EXPECT_EQ(app.form1().Command1[1]->text(), "Length");
    EXPECT_FALSE(app.form1().Command1[1]->isHidden());
}

TEST_F(HostileInputTest, ChartActionsAfterItsRowsWindowClosed) {
    Form2& w = open(1);
    w.Toolbar1_ButtonClick(4);  // the chart shows this window's rows
    Chart1* chart = app.chart1Loaded();
    ASSERT_NE(chart, nullptr);
    w.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(app.conversionWindows().empty());

    for (int index = 1; index <= 6; ++index) chart->Toolbar1_ButtonClick(index);
    for (int position = 0; position < chart->Combo1->count(); ++position) {
        chart->Combo1->setCurrentIndex(position);
    }
    chart->Toolbar1_ButtonClick(3);
    for (int item = 0; item < 4; ++item) chart->m20_Click(item);
    for (int tick = 0; tick < 40; ++tick) chart->Timer1_Timer();
    int cancel = 0;
    chart->MSChart1_PointSelected(1, 1, 0, cancel);
    chart->MSChart1_PointSelected(3, 9, 0, cancel);
    chart->Form_Activate();
    chart->close();
    EXPECT_EQ(app.state().ChartShown, 0);
}

}  // namespace
}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/about_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>

#include "app/application.h"
#include "ui/app_icon.h"
#include "ui/dialogs.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace zephal {
namespace {

const QString kHyphens(51, u'-');

class AboutTest : public ::testing::Test {
protected:
    frmAbout& about() { return app.about(); }
    // Closes with the close box, as the user would; the window is gone afterwards.
    void closeBox() {
        about().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    int tabHeight() { return ui::geometryTw(about().SSTab1).height(); }
    int tabWidth() { return ui::geometryTw(about().SSTab1).width(); }

    ui::RecordingDialogs dialogs;
    Application app{dialogs};
};

QStringList items(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
}

TEST_F(AboutTest, UnitSystemsTableWordForWord) {
    const QStringList list = items(about().List2);
    ASSERT_EQ(list.size(), 49);
    const struct {
        int index;
        QString text;
    } rows[] = {
        {0, kHyphens},
        {1, "Applicable field: Finite element method, Structural analysis"},
        {2, kHyphens},
        {3, ""},
        {4, QStringLiteral("Length\u3000\tm\tm\tmm\tft\tin")},
        {8,
         QStringLiteral("Moment\u3000\tN\uff65m\tkgf\uff65m\tN\uff65mm\tlbf\uff65ft\tlbf\uff65in")},
        {11, "Stress\tN/m^2\tkgf/m^2\tN/mm^2\tlbf/ft^2\tlbf/in^2"},
        {15, "Density\tKg/m^3\t-------\t-------\t-------\t-------"},
        {30, QStringLiteral("Temperature\t\u00b0K\t\u2103\t\u2103\t\u00b0F\t\u00b0F")},
        {35, "Conductivity \t-------\t-------\t-------\t-------\t-------"},
        {36, QStringLiteral("\tm\uff65\u00b0K\ts\uff65m\uff65\u2103\ts\uff65mm\uff65\u2103"
                            "\ts\uff65ft\uff65\u00b0F\ts\uff65in\uff65\u00b0F")},
        {39, "Cofficient\t-------\t-------\t-------\t-------\t-------"},
        {42, kHyphens},
        {43, "Example: Steel (iron)"},
        {45, "Modulus\t2.10E11\t2.14E10\t2.10E5\t4.39E9\t3.05E7"},
        {47, "Density\t7860\t801.5\t7.86E-09\t15.25\t7.35E-4"},
        {48, kHyphens},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(list[row.index], row.text) << row.index;
    }
    // Every item with columns has all six, so the columns line up.
    for (const QString& item : list) {
        EXPECT_TRUE(item.count(u'\t') == 0 || item.count(u'\t') == 5) << item.toStdString();
    }
}

TEST_F(AboutTest, NotesAndConstantsWordForWord) {
    const QStringList list = items(about().List1);
    ASSERT_EQ(list.size(), 88);
    const struct {
        int index;
        QString text;
    } rows[] = {
        {0, "Length"},
        {7, "Earth planet"},
        {9, "  Radius:   6,371 km"},
        {11, "  Distance from the sun:   149,600,000 km"},
        {12, "  Mass:   5.972 x 10^24 kg"},
        {21, "  Speed of Sound:   1.2366 x 10^3 km/h (3.435 x 10^2 m/s)"},
        {22, "  A brisk walk:   4.5 km/h (1.25 m/s)"},
        {25, "Rate of elasticity (Young's modulus)"},
        {29, "    E = 2G(1+nu)"},
        {33, "  Unit & Conversion"},
        {35, "    1[N/m^2]=10^5/10^4[dyne/cm^2] =10[dyne/cm^2]"},
        {37, QStringLiteral("    1[m]=10^2[cm]\u21d2 1[m^2]=10^4[cm^2]")},
        {40, "    1[GPa]=10^10[dyne/cm^2]"},
        {43, "Normal Volume of ideal gas at 0C, 1atm : 22.4136 liters/g-mole"},
        {45, "Gas Constant  (R)  :  0.08205 Litres atm/g-mole K"},
        {49, "                   : 10.73 psia cu ft/lb-mole R"},
        {52, "Acceleration of Gravity\t9.806 m/s2"},
        {54, "Faraday Constant\t9.6485E4 C/mol"},
        {56, "Speed of Light\t2.998 E8 m/s"},
        {58, "Pi \t3.14159"},
        {60, "ln x\t2.3026 log x"},
        {63, "SI Unit Prefixes "},
        {65, "Factors\tPrefix\tSymbol"},
        {67, "10^12\ttera\tT"},
        {70, "10^3\tkilo\tk"},
        {72, "10^1\tdeca\tda"},
        {80, "10^-18\tatto\ta"},
        {83, "Atomic mass constant  1.660 539 07E -27 kg "},
        {84, "Electron mass 9.109 383 70E-31 kg "},
        {85, "Boltzmann constant  1.380 649 E-23 J K-1  "},
        {86, "Avogadro Number : 6.02214E23"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(list[row.index], row.text) << row.index;
    }
}

TEST_F(AboutTest, ReferenceValuesAreRight) {
    // The gas constant in ergs, the speed of light in km/h and the earth's area in km^2.
    const QStringList list = items(about().List1);
    EXPECT_EQ(list[46], "                   : 8.314E7 ergs/g-mole K");
    EXPECT_EQ(list[20], "  Speed of Light:   1.07925 x 10^9 km/h (2.99792 x 10^8 m/s)");
    EXPECT_EQ(list[10], "  Area:   510,100,000 km^2");
}

TEST_F(AboutTest, PagesLabelsAndFonts) {
    frmAbout& a = about();
    EXPECT_EQ(a.windowTitle(), "About");
    ASSERT_EQ(a.SSTab1->count(), 3);
    EXPECT_EQ(a.SSTab1->tabText(0), "&Analysis unit table");
    EXPECT_EQ(a.SSTab1->tabText(1), "Description");
    EXPECT_EQ(a.SSTab1->tabText(2), "About");
    EXPECT_EQ(a.SSTab1->currentIndex(), 0);
    EXPECT_FALSE(a.windowFlags() & Qt::WindowMaximizeButtonHint);

    EXPECT_EQ(a.List1->font().family(), ui::fonts::kTimesNewRoman);
    EXPECT_EQ(a.List1->font().pointSizeF(), 9.75);
    EXPECT_EQ(a.lblTitle->text(), "Zephal : Unit Convertor");
    EXPECT_EQ(a.lblTitle->font().family(), ui::fonts::kComicSans);
    EXPECT_EQ(a.lblTitle->font().pointSizeF(), 12);
    EXPECT_TRUE(a.lblTitle->font().bold());
    EXPECT_EQ(a.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(a.lblVersion->text(), "Version 1.1");
    EXPECT_EQ(a.lblVersion->font().family(), ui::fonts::kTimesNewRoman);
    EXPECT_EQ(a.lblVersion->font().pointSizeF(), 8.25);
    EXPECT_TRUE(a.lblVersion->font().bold());
    EXPECT_EQ(a.Label1->text(),
              "Bibliography software : Unit Calculator\r\n\r\n   2026 Zephal developers");
    EXPECT_TRUE(a.lblLicence->text().contains("General Public License, version 3 or any later"));

    const QPixmap icon = a.picIcon->pixmap();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.deviceIndependentSize().toSize(), QSize(32, 32));
    EXPECT_EQ(ui::geometryTw(a.picIcon), QRect(2250, 990, 480, 480));
    EXPECT_EQ(ui::geometryTw(a.lblTitle), QRect(3285, 1080, 2880, 390));
    EXPECT_EQ(ui::geometryTw(a.Label1), QRect(3285, 2610, 3795, 780));
    for (int size : {16, 32, 256}) {
        EXPECT_EQ(ui::appIcon().pixmap(size, size).width(), size);
    }
}

TEST_F(AboutTest, TabControlAndListsFollowTheHeight) {
    frmAbout& a = about();
    a.show();
    const int height = ui::windowHeightTw(&a);
    EXPECT_EQ(height, 4905 + ui::kFrameHeightTw);
    EXPECT_EQ(tabHeight(), height - 700);
    EXPECT_EQ(ui::geometryTw(a.List1).height(), height - 1200);
    EXPECT_EQ(ui::geometryTw(a.List2).height(), height - 1200);

    ui::setWindowHeightTw(&a, height + 1000);
    EXPECT_EQ(tabHeight(), height + 300);
    EXPECT_EQ(ui::geometryTw(a.List1).height(), height - 200);
    EXPECT_EQ(ui::geometryTw(a.List2).height(), height - 200);

    // Too low for the lists, then too low for the tab control too: each keeps its last height.
    const struct {
        int window, tab, lists;
    } rows[] = {{1000, 300, height - 200}, {600, 300, height - 200}, {1300, 600, 100}};
    for (const auto& row : rows) {
        ui::setWindowHeightTw(&a, row.window);
        EXPECT_EQ(tabHeight(), row.tab) << row.window;
        EXPECT_EQ(ui::geometryTw(a.List1).height(), row.lists) << row.window;
        EXPECT_EQ(ui::geometryTw(a.List2).height(), row.lists) << row.window;
    }
}

TEST_F(AboutTest, NeverWiderThanAtLoad) {
    frmAbout& a = about();
    a.show();
    const int width = ui::windowWidthTw(&a);
    EXPECT_EQ(width, 9915 + ui::kFrameWidthTw);

    ui::setWindowWidthTw(&a, width + 1500);
    EXPECT_EQ(ui::windowWidthTw(&a), width);
    EXPECT_EQ(a.width(), ui::toPixels(9915));
    EXPECT_EQ(tabWidth(), 9825);

    a.resize(a.width() + 40, a.height());  // as a drag of the border would
    EXPECT_EQ(a.width(), ui::toPixels(9915));

    ui::setWindowWidthTw(&a, width - 3000);  // narrower stays; the tab control keeps its width
    EXPECT_EQ(ui::windowWidthTw(&a), width - 3000);
    EXPECT_EQ(tabWidth(), 9825);
    ui::setWindowWidthTw(&a, width - 1000);  // wider than just now, not than at load
    EXPECT_EQ(ui::windowWidthTw(&a), width - 1000);
}

TEST_F(AboutTest, ReopeningShowsTheFirstTabAndTheWidthsAtLoad) {
    about().show();
    about().SSTab1->setCurrentIndex(2);
    ui::setWindowWidthTw(&about(), 6000);
    closeBox();
    ASSERT_EQ(app.aboutLoaded(), nullptr);

    frmAbout& again = about();
    again.show();
    EXPECT_EQ(again.SSTab1->currentIndex(), 0);
    ui::setWindowWidthTw(&again, 12000);
    EXPECT_EQ(ui::windowWidthTw(&again), 9915 + ui::kFrameWidthTw);
}

}  // namespace
}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/about_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <numbers>

#include "app/application.h"
#include "help/about_texts.h"
#include "support/recording_dialogs.h"
#include "ui/app_icon.h"
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
        {43, "Normal Volume of ideal gas at 0C, 1atm : 22.41397 liters/g-mole"},
        {45, "Gas Constant  (R)  :  0.08206 Litres atm/g-mole K"},
        {49, "                   : 10.73 psia cu ft/lb-mole R"},
        {52, "Acceleration of Gravity\t9.807 m/s2"},
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

// Every figure is its reference value (CODATA 2018, a defined value, or worked out from those)
// correctly rounded to the digits it shows.
// A screen reader hears rows of words: no tab characters and no runs of dashes.
TEST_F(AboutTest, ListsAreReadAsRowsOfWords) {
    const struct {
        const char* name;
        QListWidget* list;
        int row;
        const char16_t* spoken;
    } rows[] = {
        {"a line of dashes says nothing", about().List2, 0, u""},
        {"a one-line quantity", about().List2, 4, u"Length, m, m, mm, ft, in"},
        {"numerators", about().List2, 14, u"kgf/m^3, ton, lb･wt/ft^3, lb･wt/in^3"},
        {"fraction bars", about().List2, 15, u"Density, Kg/m^3, over, over, over, over"},
        {"a constant and its value", about().List1, 52, u"Acceleration of Gravity, 9.807 m/s2"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.list->item(row.row)->data(Qt::AccessibleTextRole).toString(),
                  QString::fromUtf16(row.spoken))
            << row.name;
    }
    for (const QListWidget* list : {about().List1, about().List2}) {
        for (int i = 0; i < list->count(); ++i) {
            const QString spoken = list->item(i)->data(Qt::AccessibleTextRole).toString();
            EXPECT_FALSE(spoken.contains(u'\t') || spoken.contains(QStringLiteral("---"))) << i;
        }
    }
}

TEST(AboutTexts, EveryFigureIsRightToTheDigitsItShows) {
    constexpr double kR = 8.314462618;                 // J/(mol K)
    constexpr double kLbf = 0.45359237 * 9.80665;      // N
    constexpr double kPsi = kLbf / (0.0254 * 0.0254);  // Pa
    constexpr double kFt4 = 0.3048 * 0.3048 * 0.3048 * 0.3048;
    constexpr double kIn4 = 0.0254 * 0.0254 * 0.0254 * 0.0254;
    constexpr double kEarthRadius = 6371.0088;  // km, mean radius
    const struct {
        const char* text;  // as the item shows it
        const char* figure;
        double reference;
    } rows[] = {
        {"Radius:   6,371 km", "6.371e+03", kEarthRadius},
        {"510,100,000 km^2", "5.101e+08", 4 * std::numbers::pi * kEarthRadius * kEarthRadius},
        {"149,600,000 km", "1.496e+08", 149597870.7},
        {"5.972 x 10^24 kg", "5.972e+24", 3.986004e14 / 6.67430e-11},
        {"1.07925 x 10^9 km/h", "1.07925e+09", 299792458 * 3.6},
        {"(2.99792 x 10^8 m/s)", "2.99792e+08", 299792458},
        {"1.2366 x 10^3 km/h (3.435", "1.2366e+03", 343.5 * 3.6},
        {"4.5 km/h (1.25 m/s)", "1.25e+00", 4.5 / 3.6},
        {"22.41397 liters", "2.241397e+01", kR * 273.15 / 101325 * 1000},
        {"0.08206 Litres", "8.206e-02", kR / 101.325},
        {"8.314E7 ergs", "8.314e+07", kR * 1e7},
        {"8.314 joules", "8.314e+00", kR},
        {"1.987 cal", "1.987e+00", kR / 4.184},
        {"10.73 psia", "1.073e+01", kR * 453.59237 * 5 / 9 / (kPsi * 0.3048 * 0.3048 * 0.3048)},
        {"Gravity\t9.807 m/s2", "9.807e+00", 9.80665},
        {"Charge\t1.602E-19 C", "1.602e-19", 1.602176634e-19},
        {"Faraday Constant\t9.6485E4", "9.6485e+04", 96485.33212},
        {"Planck's Constant\t6.626E-34", "6.626e-34", 6.62607015e-34},
        {"Speed of Light\t2.998 E8", "2.998e+08", 299792458},
        {"Pi \t3.14159", "3.14159e+00", std::numbers::pi},
        {"e\t2.718", "2.718e+00", std::numbers::e},
        {"ln x\t2.3026 log x", "2.3026e+00", std::numbers::ln10},
        {"1.660 539 07E -27 kg", "1.66053907e-27", 1.66053906660e-27},
        {"9.109 383 70E-31 kg", "9.10938370e-31", 9.1093837015e-31},
        {"1.380 649 E-23 J", "1.380649e-23", 1.380649e-23},
        {"6.02214E23", "6.02214e+23", 6.02214076e23},
        // The unit systems: g in m/s^2, ft/s^2 and in/s^2, and steel's modulus and density.
        {"\t9.81\tmm^3", "9.81e+00", 9.80665},
        {"\t32.2\t", "3.22e+01", 9.80665 / 0.3048},
        {"\t386", "3.86e+02", 9.80665 / 0.0254},
        {"\t2.14E10\t", "2.14e+10", 2.1e11 / 9.80665},
        {"\t2.10E5\t", "2.10e+05", 2.1e11 / 1e6},
        {"\t4.39E9\t", "4.39e+09", 2.1e11 * 0.3048 * 0.3048 / kLbf},
        {"\t3.05E7", "3.05e+07", 2.1e11 / kPsi},
        {"\t801.5\t", "8.015e+02", 7860 / 9.80665},
        {"\t7.86E-09\t", "7.86e-09", 7860 * 1e-12},
        {"\t15.25\t", "1.525e+01", 7860 * kFt4 / kLbf},
        {"\t7.35E-4", "7.35e-04", 7860 * kIn4 / kLbf},
    };
    const QStringList items = help::notesAndConstants() + help::unitSystemsTable();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const QString text = QString::fromUtf8(row.text);
        EXPECT_TRUE(std::any_of(items.begin(), items.end(),
                                [&text](const QString& item) { return item.contains(text); }));
        const std::string figure = row.figure;
        const int digits = static_cast<int>(std::count_if(
            figure.begin(), figure.begin() + static_cast<std::ptrdiff_t>(figure.find('e')),
            [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }));
        char rounded[64];
        std::snprintf(rounded, sizeof rounded, "%.*e", digits - 1, row.reference);
        EXPECT_EQ(std::string(rounded), figure);
    }
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

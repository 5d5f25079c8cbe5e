// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/about_window.h"

#include <QShortcut>
#include <QTabBar>

#include "help/about_texts.h"
#include "ui/app_icon.h"
#include "ui/dialogs.h"
#include "ui/focus_mark.h"
#include "ui/fonts.h"
#include "ui/tab_stop_delegate.h"
#include "ui/text_colors.h"
#include "ui/twips.h"

namespace zephal {
namespace {

constexpr int kClientWidthTw = 9915;
constexpr int kClientHeightTw = 4905;
// How much lower than the window the tab control and the lists stand.
constexpr int kTabHeightAllowanceTw = 700;
constexpr int kListHeightAllowanceTw = 1200;
constexpr int kIconPixels = 32;

QListWidget* makeList(QWidget* page, const QStringList& items, QList<double> tabStops) {
    auto* list = new QListWidget(page);
    list->setItemDelegate(new ui::TabStopDelegate(std::move(tabStops), list));
    list->setUniformItemSizes(true);
    list->addItems(items);
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        item->setData(Qt::AccessibleTextRole, help::spokenItem(item->text()));
    }
    return list;
}

}  // namespace

frmAbout::frmAbout(Application&) {
    setWindowTitle(QStringLiteral("About"));
    // Sizable, without a maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    SSTab1 = new QTabWidget(this);
    SSTab1->setUsesScrollButtons(false);
    ui::setGeometryTw(SSTab1, {45, 90, 9825, 4785});
    auto* tablePage = new QWidget;
    auto* notesPage = new QWidget;
    auto* aboutPage = new QWidget;
    SSTab1->addTab(tablePage, QStringLiteral("&Analysis unit table"));
    SSTab1->addTab(notesPage, QStringLiteral("Description"));
    SSTab1->addTab(aboutPage, QStringLiteral("About"));
    const QPoint origin = pageOrigin();

    // Quantity names take the first column, each unit system one narrower column.
    List2 = makeList(tablePage, help::unitSystemsTable(), {20, 34, 48, 62, 76});
    List2->setAccessibleName(QStringLiteral("Analysis unit table"));
    ui::setGeometryTw(List2, {90, 450, 9645, 4200}, origin);
    List1 = makeList(notesPage, help::notesAndConstants(), {28, 42});
    List1->setAccessibleName(QStringLiteral("Description"));
    List1->setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 9.75));
    ui::setGeometryTw(List1, {90, 450, 9630, 4110}, origin);

    picIcon = new QLabel(aboutPage);
    picIcon->setPixmap(ui::appIcon().pixmap(QSize(kIconPixels, kIconPixels), devicePixelRatioF()));
    ui::setGeometryTw(picIcon, {2250, 990, 480, 480}, origin);
    lblTitle = new QLabel(QStringLiteral("Zephal : Unit Convertor"), aboutPage);
    lblTitle->setFont(ui::fonts::font(ui::fonts::kComicSans, 12, true));
    QPalette navy = lblTitle->palette();
    // Navy where it reads on the scheme's window, as on a light one.
    const QColor window = navy.color(QPalette::Window);
    navy.setColor(QPalette::WindowText,
                  ui::toQColor(ui::readableTextColor(ui::fromQColor(window), 0x800000)));
    lblTitle->setPalette(navy);
    ui::setGeometryTw(lblTitle, {3285, 1080, 2880, 390}, origin);
    lblVersion = new QLabel(QStringLiteral("Version 1.1"), aboutPage);
    lblVersion->setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 8.25, true));
    ui::setGeometryTw(lblVersion, {4320, 1890, 1320, 270}, origin);
    Label1 = new QLabel(aboutPage);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::setGeometryTw(Label1, {3285, 2610, 3795, 780}, origin);
    lblLicence = new QLabel(
        QStringLiteral("Zephal is free software: you may share and change it under the GNU General "
                       "Public License, version 3 or any later version (GPL-3.0-or-later). It "
                       "comes with no warranty."),
        aboutPage);
    lblLicence->setWordWrap(true);
    lblLicence->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblLicence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ui::setGeometryTw(lblLicence, {3285, 3480, 5400, 780}, origin);

    SSTab1->setCurrentIndex(0);
    ui::showFocusMark(SSTab1->tabBar());
    // Escape closes it, as the close box does.
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
            &QWidget::close);
    ui::setWindowSizeTw(this, kClientWidthTw + ui::kFrameWidthTw,
                        kClientHeightTw + ui::kFrameHeightTw);
}

QPoint frmAbout::pageOrigin() const {
    // Positions on a page count from the tab control's top left, above the page.
    return {-1, -SSTab1->tabBar()->sizeHint().height()};
}

void frmAbout::Form_Load() {
    Label1->setText(
        QStringLiteral("Bibliography software : Unit Calculator\r\n\r\n"
                       "   2026 Zephal developers"));
    m_loadWidth = ui::windowWidthTw(this);
    m_loadTabWidth = ui::geometryTw(SSTab1).width();
}

void frmAbout::resizeEvent(QResizeEvent* event) {
    ui::Window::resizeEvent(event);
    Form_Resize();
}

void frmAbout::Form_Resize() {
    // Each step on its own: a height the window is too low for is skipped, the control keeps
    // its last one, and the next step still runs.
    const int height = ui::windowHeightTw(this);
    if (height - kTabHeightAllowanceTw >= 0) {
        ui::setHeightTw(SSTab1, height - kTabHeightAllowanceTw);
    }
    if (height - kListHeightAllowanceTw >= 0) {
        ui::setHeightTw(List1, height - kListHeightAllowanceTw);
        ui::setHeightTw(List2, height - kListHeightAllowanceTw);
    }
    if (m_loadWidth > 0 && ui::windowWidthTw(this) > m_loadWidth) {
        ui::setWindowWidthTw(this, m_loadWidth);
        ui::setWidthTw(SSTab1, m_loadTabWidth);
    }
}

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include <QAction>
#include <QFileInfo>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTabBar>
#include <cmath>

#include "app/application.h"
#include "app/find_field.h"
#include "app/grid_layout.h"
#include "convert/conversion.h"
#include "convert/conversion_window.h"
#include "help/about_window.h"
#include "settings/setting_window.h"
#include "ui/dialogs.h"
#include "ui/focus_mark.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/screen_fit.h"
#include "ui/toolbar_keys.h"
#include "ui/twips.h"
#include "units/unit_reader.h"

namespace zephal {
namespace {
constexpr int kToolbarHeightTw = 420;
const QString kDataFileFilter = QStringLiteral("Zephal Format(*.zep)|*.zep|");
constexpr int kDesignButtonWidthTw = 2685;

// The button of row c on a tab page; `origin` is where the tab control's top left lies on the
// page (Form1::pageOrigin).
void placeGridButton(QPushButton* button, int c, int width, QPoint origin) {
    ui::setGeometryTw(button, {kGridButtonLeft, gridButtonTop(c), width, kGridButtonHeight},
                      origin);
}
}  // namespace

Form1::Form1(Application& app) : m_app(app) {
    setWindowTitle(QStringLiteral("ZEPHAL"));
    setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 9));

    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(20, 20));
    // The help window comes up from every window of the program, as Ctrl+F does the find field.
    const struct {
        int image;
        const char* text;
        const char* tip;
        QIcon icon;
        QKeySequence key;
        Qt::ShortcutContext scope;
    } buttons[] = {{1, "Open", "Open the data file (*.zep).", ui::icons::openFile(),
                    QKeySequence::Open, Qt::WindowShortcut},
                   {2, "Setting", "Comannd display setting", ui::icons::settings(),
                    QKeySequence(Qt::CTRL | Qt::Key_Comma), Qt::WindowShortcut},
                   {3, "Help", "Help & information", ui::icons::help(), QKeySequence(Qt::Key_F1),
                    Qt::ApplicationShortcut}};
    QAction* help = nullptr;
    for (const auto& b : buttons) {
        if (b.image == 3) Toolbar1->addSeparator();
        QAction* action = Toolbar1->addAction(b.icon, QString::fromLatin1(b.text));
        action->setToolTip(QString::fromLatin1(b.tip));
        action->setData(b.image);
        ui::setCommandKey(Toolbar1, action, b.key, b.scope);
        connect(action, &QAction::triggered, this,
                [this, image = b.image] { Toolbar1_ButtonClick(image); });
        help = action;
    }
    ui::reachByKeys(Toolbar1);

    SSTab1 = new ui::RowTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    for (const char* caption : {"Unit 1", "Unit 2", "Unit 3"}) {
        addPage(QString::fromLatin1(caption));
    }
    constexpr int kDesignTabWidthTw = 3120;
    ui::setGeometryTw(SSTab1, {kGridTabLeft, kGridTabTop, kDesignTabWidthTw, kGridTabHeight});
    // Until a read lays the grid out, the window gives the tab control the same margin on
    // either side.
    ui::setWindowWidthTw(this, kDesignTabWidthTw + 2 * kGridTabLeft);

    auto* templateButton = new QPushButton(QStringLiteral("Length"), this);
    templateButton->setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 8.25));
    ui::setGeometryTw(templateButton, {225, 6705, kDesignButtonWidthTw, kGridButtonHeight});
    templateButton->hide();
    Command1.push_back(templateButton);

    m_find = new FindField(app, Toolbar1);
    Toolbar1->addWidget(m_find);
    // In reading order: the toolbar's buttons, the find field, the tabs, the quantities.
    setTabOrder(Toolbar1->widgetForAction(help), m_find);
    setTabOrder(m_find, SSTab1->tabBar());
    ui::showFocusMark(SSTab1->tabBar());
    // The keyboard starts on the tabs, where the quantities are picked.
    SSTab1->tabBar()->setFocus();
    fitWindow();
}

// The window takes the size the grid is laid out in. Where the screen is smaller it stays on the
// screen, the tab control fills what room there is, and each page's buttons scroll under the
// tab row.
void Form1::fitWindow() {
    // Each page holds its buttons and a little room beside and below the last.
    const int room = ui::toPixels(60);
    for (int t = 0; t < SSTab1->count(); ++t) {
        QWidget* buttons = page(t);
        const QRect used = buttons->childrenRect();
        buttons->resize(std::max(used.right() + room, 0), std::max(used.bottom() + room, 0));
    }
    if (!ui::limitToScreen(this)) return;
    const QPoint corner = SSTab1->pos();
    const int bottomMargin = ui::toPixels(kGridWindowHeight - ui::kFrameHeightTw) -
                             (corner.y() + ui::toPixels(kGridTabHeight));
    SSTab1->resize(width() - 2 * corner.x(),
                   std::min(SSTab1->height(), height() - corner.y() - bottomMargin));
}

void Form1::Form_Load() {
    AppState& s = m_app.state();
    s.Tmax = 10;
    s.ResetTables();
    s.PlotColor = 255;
    s.RotSpeed = 100;
}

QPoint Form1::pageOrigin() const {
    // Positions on a page count from the tab control's top left, above the page.
    return {-1, -SSTab1->tabBar()->sizeHint().height()};
}

QWidget* Form1::page(int t) {
    return static_cast<QScrollArea*>(SSTab1->widget(t))->widget();
}

void Form1::addPage(const QString& caption) {
    // The page scrolls its buttons when the screen leaves the tab control less than its height.
    SSTab1->addTab(ui::scrollingArea(new QWidget, nullptr), caption);
}

// Tabs up to `tabs` exist; those beyond it are hidden.
void Form1::setTabCount(int tabs) {
    while (SSTab1->count() < tabs) addPage(QStringLiteral("Tab %1").arg(SSTab1->count()));
    for (int t = tabs; t < SSTab1->count(); ++t) SSTab1->setTabShown(t, false);
}

// The 20 hidden buttons of tab t, numbered on from the last one built.
void Form1::buildTabButtons(int t) {
    QWidget* container = page(t);
    const QPoint origin = pageOrigin();
    for (int c = 0; c < kCommandsPerTab; ++c) {
        const int k = static_cast<int>(Command1.size());
        auto* button = new QPushButton(QStringLiteral("Command %1").arg(k), container);
        button->setFont(Command1[0]->font());
        placeGridButton(button, c, kDesignButtonWidthTw, origin);
        ui::showFocusMark(button);
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, k] { Command1_Click(k); });
        Command1.push_back(button);
    }
}

void Form1::Start_Click() {
    setTabCount(10);
    // No tab is shown until a read lays the grid out: a page without buttons offers nothing.
    for (int t = 0; t < SSTab1->count(); ++t) SSTab1->setTabShown(t, false);
    SSTab1->setCurrentIndex(0);
    for (int t = 0; t < 10; ++t) {
        SSTab1->setCurrentIndex(t);
        buildTabButtons(t);
    }
    ui::setWindowHeightTw(this, kGridWindowHeight);
    ui::setHeightTw(SSTab1, kGridTabHeight);
    SSTab1->setCurrentIndex(0);
    fitWindow();
}

void Form1::SetData(const QString& path) {
    units::ReaderHost host;
    // The caption is set once the file has opened: from then on it is the file read last.
    host.setCaption = [this, &path](const QString& caption) {
        setWindowTitle(caption);
        m_dataFolder = QFileInfo(path).absolutePath();
    };
    host.showMessage = [this](const QString& text) { m_app.dialogs().message(this, text); };
    host.resetOption = [this] { return m_app.setting().Check2->checkState() != Qt::Unchecked; };
    if (units::SetData(path, m_app.state(), host).layout) {
        layoutGrid();
        m_find->setFinder(UnitFinder(m_app.state()));
    }
}

void Form1::layoutGrid() {
    const AppState& s = m_app.state();
    const GridLayout g = computeGridLayout(s);

    // Buttons exist for every tab that has commands to show, beyond the 10 of start-up too.
    const int filled = std::min(g.lastFilledTab + 1, g.tabCount);
    // Pages go up to the last tab shown only: those after it would all be hidden, and a tab
    // control holding thousands of hidden pages (a maximum of 32767 tabs) takes minutes to lay out.
    int pages = 0;
    for (int t = 0; t < g.tabCount; ++t) {
        if (g.tabVisible[static_cast<std::size_t>(t)]) pages = t + 1;
    }
    setTabCount(std::max(pages, filled));
    while (buttonTabs() < filled) {
        if (SSTab1->count() <= buttonTabs()) setTabCount(buttonTabs() + 1);
        buildTabButtons(buttonTabs());
        // Late buttons get the colour and font the display settings gave the others.
        for (std::size_t k = Command1.size() - kCommandsPerTab; k < Command1.size(); ++k) {
            m_app.setting().styleCommandButton(Command1[k]);
        }
    }
    for (int t = 0; t < g.tabCount && t < SSTab1->count(); ++t) {
        SSTab1->setTabShown(t, g.tabVisible[static_cast<std::size_t>(t)]);
    }
    ui::setWindowWidthTw(this, g.windowWidth);
    ui::setWidthTw(SSTab1, g.tabWidth);

    // Buttons are placed again now that the tab row shows: positions count from above it, and
    // before the first read the row is empty and has no height.
    const QPoint origin = pageOrigin();
    for (int t = 0; t <= g.lastFilledTab; ++t) {
        const TabItem& tab = s.tables.TabItems(t);
        if (tab.Count < 1) continue;
        SSTab1->setCaption(t, tab.Name);
        for (int c = 0; c < kCommandsPerTab; ++c) {
            QPushButton* button = Command1[static_cast<std::size_t>(buttonNumber(t, c))];
            if (c < tab.Count) {
                // "&" in a caption is shown as written, not taken for an access key.
                button->setText(
                    QString(s.tables.CommandItems(c, t).Name).replace(u'&', QStringLiteral("&&")));
                placeGridButton(button, c, g.buttonWidth, origin);
                button->show();
            } else {
                button->hide();
            }
        }
    }
    for (int t = 0; t < SSTab1->count(); ++t) {
        if (SSTab1->isTabVisible(t)) {
            SSTab1->setCurrentIndex(t);  // tab 0, or the first shown when tab 0 is hidden
            break;
        }
    }
    ui::setWindowHeightTw(this, g.windowHeight);
    ui::setHeightTw(SSTab1, g.tabHeight);
    m_layout = g;
    fitCaptions();
    fitWindow();
}

// Where the tab row is too narrow for every caption to read whole in the window's font, the
// window, the tab control and the buttons grow by what the captions lack; a font that needs less
// gives the grid its own width back.
void Form1::fitCaptions() {
    if (m_layout.windowWidth == 0) return;  // no read has laid the grid out
    const auto captions = static_cast<int>(std::ceil(ui::toTwips(SSTab1->wholeCaptionsWidth())));
    const GridLayout g = widenForCaptions(m_layout, captions);
    ui::setWindowWidthTw(this, g.windowWidth);
    ui::setWidthTw(SSTab1, g.tabWidth);
    for (std::size_t k = 1; k < Command1.size(); ++k) {
        if (!Command1[k]->isHidden()) ui::setWidthTw(Command1[k], g.buttonWidth);
    }
}

void Form1::changeEvent(QEvent* event) {
    ui::Window::changeEvent(event);
    // The display settings change the window's font: the captions are measured again.
    if (event->type() == QEvent::FontChange && m_layout.windowWidth > 0) {
        fitCaptions();
        fitWindow();
    }
}

void Form1::Toolbar1_ButtonClick(int imageNumber) {
    switch (imageNumber) {
        case 1:
            SetData(m_app.dialogs().openFileName(this, kDataFileFilter, m_dataFolder,
                                                 m_app.dataFolders()));
            break;
        case 2:
            m_app.setting().showInFront();
            break;
        case 3:
            m_app.about().showInFront();
            break;
        default:
            break;
    }
}

void Form1::Command1_Click(int k) {
    AppState& s = m_app.state();
    auto* window = new Form2(m_app);
    m_app.registerConversionWindow(window);
    window->Cmd1x = static_cast<std::int16_t>(k);
    // Past 32767 windows the numbers wrap round; they stay distinct for another 65535.
    s.WindowCount = static_cast<std::int16_t>(s.WindowCount + 1);
    window->F2x = s.WindowCount;
    const convert::Quantity q = convert::quantityOfButton(k);
    // The caption comes before the load: loading converts, and with the chart open the chart's
    // caption then names this quantity, not the window's design caption.
    window->setWindowTitle(s.tables.CommandItems(q.command, q.tab).Name);
    window->Form_Load();
    s.ConvertLock = 0;
    window->show();
    window->raise();
    window->activateWindow();
}

void Form1::Form_Unload() {
    m_app.endProgram();
}

void Form1::resizeEvent(QResizeEvent* event) {
    // The toolbar spans the top of the window whatever width the grid gives it.
    Toolbar1->setGeometry(0, 0, width(), ui::toPixels(kToolbarHeightTw));
    ui::Window::resizeEvent(event);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    activateWindow();
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

}  // namespace zephal

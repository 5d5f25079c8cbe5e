// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/chart_window.h"

#include <QCursor>
#include <QEvent>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>
#include <cmath>

#include "app/application.h"
#include "chart/chart_colors.h"
#include "chart/chart_grid.h"
#include "chart/point_caption.h"
#include "chart/rotation.h"
#include "chart/series_builder.h"
#include "convert/number_text.h"
#include "settings/chart_settings_window.h"
#include "ui/chart_icons.h"
#include "ui/chart_view.h"
#include "ui/toolbar_keys.h"
#include "ui/twips.h"

namespace zephal {
namespace {

// Design client area, and the chart's place in it, in twips.
constexpr int kClientWidthTw = 7755;
constexpr int kClientHeightTw = 5640;
constexpr int kToolbarHeightTw = 420;
constexpr int kChartLeftTw = 45;
constexpr int kChartTopTw = 495;
constexpr int kPlaceholderWidthTw = 2000;
constexpr int kComboLeftTw = 90;
constexpr int kComboWidthTw = 1815;

const QStringList kSeriesNames = {
    QStringLiteral("Value"),         QStringLiteral("Value (%)"),
    QStringLiteral("Inverse Value"), QStringLiteral("Inverse Value (%)"),
    QStringLiteral("Square root"),   QStringLiteral("Square root (%)"),
};

// The width at which a closed list shows each of the names whole.
int widthShowingWhole(const QComboBox& combo, const QStringList& names) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    int text = 0;
    for (const QString& name : names)
        text = std::max(text, combo.fontMetrics().horizontalAdvance(name));
    return combo.style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, combo.fontMetrics().height()),
                           &combo)
        .width();
}

}  // namespace

QString Chart1::designCaption() {
    return QStringLiteral("Chart");
}

Chart1::Chart1(Application& app) : m_app(app) {
    setWindowTitle(designCaption());
    setWindowIcon(ui::chartIcon(ui::ChartIcon::Window));

    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(ui::toPixels(300), ui::toPixels(300)));

    // Button 1 only holds the series list. The list is as wide as designed, or as its longest
    // name needs in the font at hand, so that "Value (%)" and "Inverse Value (%)" differ.
    auto* placeholder = new QWidget(Toolbar1);
    Combo1 = new QComboBox(placeholder);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setAccessibleName(QStringLiteral("Series"));
    ui::setGeometryTw(Combo1, {kComboLeftTw, 45, kComboWidthTw, 300});
    Combo1->setFixedWidth(std::max(Combo1->width(), widthShowingWhole(*Combo1, kSeriesNames)));
    placeholder->setFixedSize(Combo1->width() + ui::toPixels(kPlaceholderWidthTw - kComboWidthTw),
                              ui::toPixels(390));
    Buttons.assign(7, nullptr);
    Buttons[1] = Toolbar1->addWidget(placeholder);

    const struct {
        int index;
        ui::ChartIcon icon;
        const char* tip;
        bool toggles;
        QKeySequence key;
    } buttons[] = {
        {2, ui::ChartIcon::Bars2D, "2D Chart", false, QKeySequence(Qt::CTRL | Qt::Key_2)},
        {3, ui::ChartIcon::Bars3D, "3D chart", false, QKeySequence(Qt::CTRL | Qt::Key_3)},
        // Each tool tip names what its own button does.
        {4, ui::ChartIcon::Individual, "Individual Chart with Legend", true,
         QKeySequence(Qt::CTRL | Qt::Key_L)},
        {5, ui::ChartIcon::Logarithm, "Logarithm Chart", true, QKeySequence(Qt::CTRL | Qt::Key_K)},
        {6, ui::ChartIcon::Settings, "Chart setting", false,
         QKeySequence(Qt::CTRL | Qt::Key_Comma)},
    };
    for (const auto& b : buttons) {
        QAction* action = Toolbar1->addAction(ui::chartIcon(b.icon), QString::fromLatin1(b.tip));
        action->setToolTip(QString::fromLatin1(b.tip));
        action->setCheckable(b.toggles);
        action->setData(b.index);
        if (b.toggles) {
            // A toggle (by mouse, or by assistive technology, which toggles without a click)
            // switches the mode when the button's new state differs from it; setting the
            // button to the mode's state from code does nothing more.
            connect(action, &QAction::toggled, this, [this, index = b.index](bool checked) {
                const bool mode = index == 4 ? modes().blnIndividual : modes().blnLogChart;
                if (checked != mode) Toolbar1_ButtonClick(index);
            });
        } else {
            connect(action, &QAction::triggered, this,
                    [this, index = b.index] { Toolbar1_ButtonClick(index); });
        }
        Buttons[static_cast<std::size_t>(b.index)] = action;
        ui::setCommandKey(Toolbar1, action, b.key);
    }
    ui::reachByKeys(Toolbar1);

    MSChart1 = new ui::ChartView(this);
    MSChart1->setObjectName(QStringLiteral("MSChart1"));
    MSChart1->grid().setView3d(60, 30);
    ui::setGeometryTw(MSChart1, {kChartLeftTw, kChartTopTw, 7215, 3075});
    connect(MSChart1, &ui::ChartView::pointSelected, this,
            [this](int series, int dataPoint, int mouseFlags) {
                int cancel = 0;
                MSChart1_PointSelected(series, dataPoint, mouseFlags, cancel);
            });
    connect(MSChart1, &ui::ChartView::mouseDown, this, &Chart1::MSChart1_MouseDown);

    lblNoBars = new QLabel(this);
    lblNoBars->setObjectName(QStringLiteral("lblNoBars"));
    lblNoBars->setTextFormat(Qt::PlainText);  // unit names as written in the data file
    lblNoBars->setWordWrap(true);
    lblNoBars->hide();

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &Chart1::Timer1_Timer);

    menu10 = new QMenu(QStringLiteral("menu10"), this);
    m10.push_back(menu10->addAction(QStringLiteral("m10")));

    menu20 = new QMenu(QStringLiteral("menu20"), this);
    const char* rotationItems[] = {"Dynamic Rotation", "Perpendicular Rotation",
                                   "Horizontal Rotation", "Refresh Chart"};
    for (int i = 0; i < 4; ++i) {
        QAction* item = menu20->addAction(QString::fromLatin1(rotationItems[i]));
        item->setCheckable(i < 3);
        item->setChecked(i == 1);
        connect(item, &QAction::triggered, this, [this, item, i] {
            // Qt has already flipped the mark of a checkable item; m20_Click flips it itself.
            if (item->isCheckable()) {
                const QSignalBlocker quiet(item);
                item->setChecked(!item->isChecked());
            }
            m20_Click(i);
        });
        m20.push_back(item);
    }

    connect(Combo1, &QComboBox::currentIndexChanged, this, [this] { Combo1_Click(); });

    ui::setWindowSizeTw(this, kClientWidthTw + ui::kFrameWidthTw,
                        kClientHeightTw + ui::kFrameHeightTw);
    Toolbar1->setGeometry(0, 0, width(), ui::toPixels(kToolbarHeightTw));
}

Chart1::~Chart1() {
    // A window its close box unloaded has cleared the flag already, and may be released after
    // the application object that made it is gone.
    if (!m_unloaded) Form_Terminate();
}

ChartModes& Chart1::modes() {
    return m_app.chartModes();
}
const ChartModes& Chart1::modes() const {
    return m_app.chartModes();
}
bool Chart1::blnIndividual() const {
    return modes().blnIndividual;
}
bool Chart1::blnLogChart() const {
    return modes().blnLogChart;
}

void Chart1::Form_Load() {
    {
        // Filling the list must not build; the selection below builds once.
        const QSignalBlocker quiet(Combo1);
        Combo1->clear();
        Combo1->addItems(kSeriesNames);
        Combo1->setCurrentIndex(-1);
    }
    Combo1->setCurrentIndex(0);
    lngRotation = 60;
    lngElevation = 30;
    Chart_color();
    Chart_mode(2);
    m_app.state().ChartShown = 1;

    // The two switches survive a close of the window: draw their buttons and the legend as they
    // are, so that the toolbar never shows a mode other than the one drawn.
    Buttons[4]->setChecked(blnIndividual());
    Buttons[5]->setChecked(blnLogChart());
    MSChart1->grid().setLegend(blnIndividual());
    Combo1->setFocus();
}

void Chart1::showModeless() {
    show();
    raise();
    activateWindow();
    // Activation may come late or not at all (the window manager decides); the data just sent
    // is drawn either way.
    Combo1_Click();
}

void Chart1::Form_Activate() {
    Combo1_Click();
}

void Chart1::Form_Resize() {
    const float width = static_cast<float>(ui::windowWidthTw(this)) - 7.0f * kChartLeftTw;
    float height = static_cast<float>(ui::windowHeightTw(this)) - 2.3f * kChartTopTw;
    if (width >= 0) ui::setWidthTw(MSChart1, static_cast<int>(number::roundHalfEven(width)));
    // The note of missing bars takes its lines from the bottom of the chart.
    if (!lblNoBars->isHidden() && width >= 0) {
        const int noteWidth = ui::toPixels(static_cast<int>(width));
        const int noteHeight = lblNoBars->heightForWidth(noteWidth);
        height -= static_cast<float>(ui::toTwips(noteHeight));
        lblNoBars->setGeometry(ui::toPixels(kChartLeftTw),
                               ui::toPixels(kChartTopTw + static_cast<int>(std::max(height, 0.0f))),
                               noteWidth, noteHeight);
    }
    if (height >= 0) ui::setHeightTw(MSChart1, static_cast<int>(number::roundHalfEven(height)));
}

void Chart1::Form_Unload() {
    m_unloaded = true;
    m_app.state().ChartShown = 0;
    // The window goes once control is back in the event loop; no tick may come before.
    Timer1->stop();
}

void Chart1::Form_Terminate() {
    // A window closed earlier may be released after a new one has loaded; it must not clear
    // the new window's flag.
    Chart1* loaded = m_app.chart1Loaded();
    if (!loaded || loaded == this) m_app.state().ChartShown = 0;
}

bool Chart1::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return ui::Window::event(event);
}

void Chart1::resizeEvent(QResizeEvent* event) {
    ui::Window::resizeEvent(event);
    Toolbar1->setGeometry(0, 0, width(), ui::toPixels(kToolbarHeightTw));
    Form_Resize();
}

void Chart1::Toolbar1_ButtonClick(int index) {
    Chart_mode(static_cast<std::int16_t>(index));
}

void Chart1::setTimer1Interval(int milliseconds) {
    if (milliseconds <= 0) {
        Timer1->stop();
    } else {
        Timer1->start(milliseconds);
    }
}

void Chart1::Chart_mode(std::int16_t mode) {
    ChartGrid& grid = MSChart1->grid();
    switch (mode) {
        case 2:
            setTimer1Interval(0);
            grid.setChartType(kChartType2D);
            grid.setSecondaryAxis(true);
            break;
        case 3:
            grid.setChartType(kChartType3D);
            grid.setSecondaryAxis(false);
            Timer_sets();
            break;
        case 4:
            modes().blnIndividual = !modes().blnIndividual;
            grid.setLegend(modes().blnIndividual);
            Buttons[4]->setChecked(modes().blnIndividual);
            break;
        case 5:
            modes().blnLogChart = !modes().blnLogChart;
            Buttons[5]->setChecked(modes().blnLogChart);
            break;
        case 6:
            m_app.form3().showInFront();
            break;
        default:
            break;
    }
    Combo1_Click();
}

void Chart1::Combo1_Click() {
    const AppState& s = m_app.state();
    ChartGrid& grid = MSChart1->grid();
    std::vector<NoBar> noBars;
    intMaxRow = buildSeries(
        grid, {s.ChartValues, s.ChartUnits, s.ChartCount, Combo1->currentIndex(), modes()},
        &noBars);
    // A missing bar is said in words: a gap or a blank plot alone does not tell why.
    const QString note = noBarNote(noBars, s.ChartUnits);
    if (note != lblNoBars->text() || note.isEmpty() != lblNoBars->isHidden()) {
        lblNoBars->setText(note);
        lblNoBars->setVisible(!note.isEmpty());
        Form_Resize();
    }
    // Logarithms are not values: the axis says what it counts.
    grid.setValueTitle(blnLogChart() ? QStringLiteral("log10 of ") + Combo1->currentText()
                                     : QString());
}

void Chart1::MSChart1_PointSelected(int series, int dataPoint, int, int&) {
    ChartGrid& grid = MSChart1->grid();
    PointInput point;
    if (blnIndividual()) {
        grid.setColumn(series);
        point.label = grid.columnLabel().value_or(QString());
    } else {
        grid.setRow(dataPoint);
        point.label = grid.rowLabel().value_or(QString());
    }
    point.data = grid.data().value_or(QString());
    point.position = Combo1->currentIndex();
    point.log = blnLogChart();
    const auto& units = m_app.state().ChartUnits;
    if (intMaxRow >= 0 && static_cast<std::size_t>(intMaxRow) < units.size()) {
        point.largestUnit = units[static_cast<std::size_t>(intMaxRow)].value_or(QString());
    }
    const QString caption = pointCaption(point);

    // "&" in a menu caption would mark a shortcut key; the text must show as it is.
    m10[0]->setText(QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")));
    menu10->popup(QCursor::pos());
}

void Chart1::Timer_sets() {
    Form3& settings = m_app.form3();
    const RotationOptions options{settings.Check1[0]->isChecked(), settings.Check1[1]->isChecked(),
                                  settings.Check1[2]->isChecked()};
    const bool is2D = MSChart1->grid().chartType() == kChartType2D;
    setTimer1Interval(rotationInterval(is2D, options, m_app.state().RotSpeed));
}

void Chart1::Timer1_Timer() {
    const ViewAngles shown =
        steppedAngles({lngRotation, lngElevation}, m20[1]->isChecked(), m20[2]->isChecked());
    MSChart1->grid().setView3d(static_cast<float>(shown.rotation),
                               static_cast<float>(shown.elevation));
    const ViewAngles kept = wrappedAngles(shown);
    lngRotation = kept.rotation;
    lngElevation = kept.elevation;
}

void Chart1::m20_Click(int Index) {
    if (Index >= 0 && Index <= 2) {
        QAction* item = m20[static_cast<std::size_t>(Index)];
        item->setChecked(!item->isChecked());
        // The settings window's box follows; its own handler copies the state back to this
        // item and sets the timer, which changes nothing when the two already agree.
        m_app.form3().Check1[static_cast<std::size_t>(Index)]->setChecked(item->isChecked());
        Timer_sets();
    } else if (Index == 3) {
        const ViewAngles start;
        lngRotation = start.rotation;
        lngElevation = start.elevation;
        MSChart1->grid().setView3d(static_cast<float>(lngRotation),
                                   static_cast<float>(lngElevation));
    }
}

void Chart1::Chart_color() {
    const bool useDefault = m_app.form3().Option1[0]->isChecked();
    const AppState& s = m_app.state();
    const RgbComponents c =
        splitColor(chosenChartColor(useDefault, s.PlotColor, s.UnitCommandColor));
    MSChart1->grid().setSeries1Color(c.red, c.green, c.blue);
}

void Chart1::MSChart1_MouseDown(int button, int, int, int) {
    if (button == 2) menu20->popup(QCursor::pos());
}

}  // namespace zephal

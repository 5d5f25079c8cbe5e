// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/conversion_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSignalBlocker>
#include <cmath>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_window.h"
#include "convert/conversion.h"
#include "convert/number_text.h"
#include "settings/setting_window.h"
#include "ui/controls.h"
#include "ui/focus_mark.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/screen_fit.h"
#include "ui/toolbar_keys.h"
#include "ui/twips.h"

namespace zephal {
namespace {

constexpr int kToolbarHeightTw = 420;
constexpr int kClientWidthTw = 5790;
constexpr int kClientHeightTw = 4380;
// The rows scroll from here down, below the captions "Scale factor" and "Results".
constexpr int kRowsTopTw = 1650;
constexpr int kScrollLowest = -32768;
constexpr int kScrollHighest = 32767;

const QString kRowCaption = QStringLiteral("x") + QString(27, u' ') + u'=';
const QString kValueToolTip = QStringLiteral("Enter Your Value Here");

// Text boxes that show results or captions sit on the colour of menu bars, which the window's
// own colour does not change.
QColor menuColor() {
    return QApplication::palette().color(QPalette::Window);
}

void setBaseColor(QLineEdit* box, const QColor& color) {
    QPalette palette = box->palette();
    ui::setColorWithText(palette, QPalette::Base, QPalette::Text, color);
    box->setPalette(palette);
}

void setFontFamily(QWidget* widget, const QString& family) {
    QFont font = widget->font();
    font.setFamily(family);
    widget->setFont(font);
}

// The row caption's blanks are meant to carry its "=" past the scale box that lies over the
// caption; the stand-in fonts have narrower blanks, so the characters are spaced out until the
// "=" sits in the middle of the gap between the scale box and the value box.
QFont rowCaptionFont() {
    QFont font = ui::fonts::font(ui::fonts::kMsPGothic, 9);
    const QFontMetricsF metrics(font);
    const double target = ui::toPixels((1770 + 2070) / 2 - 150);
    const qsizetype before = kRowCaption.size() - 1;  // "x" and the blanks
    const double start = metrics.horizontalAdvance(kRowCaption.left(before));
    const double equals = metrics.horizontalAdvance(u'=');
    font.setLetterSpacing(QFont::AbsoluteSpacing, (target - equals / 2 - start) / before);
    return font;
}

// A result box is only touched when its text really changes.
void setChangedText(QLineEdit* box, const QString& text) {
    if (box->text() != text) box->setText(text);
}

int topTw(const QWidget* w) {
    return ui::geometryTw(w).top();
}
int heightTw(const QWidget* w) {
    return ui::geometryTw(w).height();
}

}  // namespace

Form2::Form2(Application& app) : m_app(app) {
    setWindowTitle(QStringLiteral("Form2"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 8.25));
    buildToolbar();
    m_client = new QWidget(this);
    m_client->setGeometry(0, ui::toPixels(kToolbarHeightTw), ui::toPixels(kClientWidthTw),
                          ui::toPixels(kClientHeightTw));
    // The rows keep their design positions, counted from the top of the client area.
    m_rows = new QWidget;
    m_rowsArea = ui::scrollingArea(m_rows, m_client);
    m_rowsOrigin = QPoint(0, -ui::toPixels(kRowsTopTw));
    buildControls();
    m_clientWidthTw = kClientWidthTw;
    m_heightTw = kClientHeightTw + ui::kFrameHeightTw;
    fitWindow();
}

void Form2::buildToolbar() {
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->setMovable(false);
    Toolbar1->setIconSize(QSize(20, 20));
    // The toolbar keeps the system colours when the window takes its button's colour.
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Window));
    palette.setColor(QPalette::Button, palette.color(QPalette::Button));
    Toolbar1->setPalette(palette);
    Toolbar1->setAutoFillBackground(true);
    Toolbar1->setGeometry(0, 0, ui::toPixels(kClientWidthTw), ui::toPixels(kToolbarHeightTw));

    auto* spacing = new QWidget(Toolbar1);  // button 1
    spacing->setFixedWidth(ui::toPixels(120));
    Toolbar1->addWidget(spacing);
    QAction* clipboard = Toolbar1->addAction(ui::icons::clipboard(), QStringLiteral("Clipboard"));
    clipboard->setToolTip(QStringLiteral("List datas is outputed to Clipboard."));
    clipboard->setData(2);
    Toolbar1->addSeparator();  // button 3
    QAction* chart = Toolbar1->addAction(ui::icons::chart(), QStringLiteral("Chart"));
    chart->setToolTip(QStringLiteral("The chart display of datas."));
    chart->setData(4);
    for (QAction* action : {clipboard, chart}) {
        connect(action, &QAction::triggered, this,
                [this, index = action->data().toInt()] { Toolbar1_ButtonClick(index); });
    }
    // Ctrl+C stays with the boxes, which copy the text selected in them.
    ui::setCommandKey(Toolbar1, clipboard, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    ui::setCommandKey(Toolbar1, chart, QKeySequence(Qt::CTRL | Qt::Key_G));
    ui::reachByKeys(Toolbar1);
}

void Form2::buildControls() {
    const QFont mincho = ui::fonts::font(ui::fonts::kMsMincho, 9);

    // Captions on the colour of menu bars, as flat as the boxes beside them; told to a screen
    // reader as the labels they are, each of the control it names.
    for (const char* caption : {"Change covert value", "Step"}) {
        auto* label = new QLabel(QString::fromLatin1(caption), m_client);
        label->setFont(mincho);
        label->setIndent(2);  // where a flat text box starts its text
        QPalette palette = label->palette();
        ui::setColorWithText(palette, QPalette::Window, QPalette::WindowText, menuColor());
        label->setPalette(palette);
        label->setAutoFillBackground(true);
        Text3.push_back(label);
    }
    ui::setGeometryTw(Text3[0], {90, 90, 1875, 270});
    ui::setGeometryTw(Text3[1], {3645, 90, 390, 270});

    HScroll1 = new QScrollBar(Qt::Horizontal, m_client);
    HScroll1->setAccessibleName(QStringLiteral("Change covert value"));
    HScroll1->setRange(kScrollLowest, kScrollHighest);
    HScroll1->setValue(1);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(10);
    // Reachable with the Tab key for stepping by the arrow keys; a click leaves the focus in
    // the value box so that the user can go on typing.
    HScroll1->setFocusPolicy(Qt::TabFocus);
    HScroll1->installEventFilter(this);
    ui::showFocusMark(HScroll1);
    ui::setGeometryTw(HScroll1, {2025, 75, 1500, 240});

    Text2 = new QLineEdit(QStringLiteral("1"), m_client);
    Text2->setAccessibleName(QStringLiteral("Step"));
    Text3[0]->setBuddy(HScroll1);
    Text3[1]->setBuddy(Text2);
    Text2->setFont(mincho);
    ui::setGeometryTw(Text2, {4140, 50, 600, 270});

    const struct {
        const char* caption;
        QRect tw;
    } labels[] = {{"Convert value", {405, 585, 1320, 285}},
                  {"Description unit", {2070, 585, 1545, 285}},
                  {"Scale factor", {405, 1350, 1545, 285}},
                  {"Results", {2070, 1350, 1545, 285}}};
    for (const auto& l : labels) {
        auto* label = new QLabel(QString::fromLatin1(l.caption), m_client);
        label->setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 9, true));
        ui::setGeometryTw(label, l.tw);
        Label1.push_back(label);
    }

    Text1 = new QLineEdit(m_client);
    Text1->setAccessibleName(QStringLiteral("Convert value"));
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setMaxLength(15);
    Text1->setToolTip(kValueToolTip);
    Text1->setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 8.25));
    Text1->installEventFilter(this);
    ui::setGeometryTw(Text1, {405, 900, 1395, 315});

    Combo1 = new QComboBox(m_client);
    Combo1->setAccessibleName(QStringLiteral("Description unit"));
    Combo1->setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 8.25, true));
    Combo1->setMaxVisibleItems(20);
    ui::setGeometryTw(Combo1, {2064, 900, 3585, 315});

    addRow();

    // The tab order follows the hands: value, unit, step bar, step, then the rows.
    setTabOrder(Text1, Combo1);
    setTabOrder(Combo1, HScroll1);
    setTabOrder(HScroll1, Text2);

    connect(Text1, &QLineEdit::textChanged, this, &Form2::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form2::Text2_Change);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form2::HScroll1_Change);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &Form2::Combo1_Click);
}

// Row 0 is the designed row; the later ones are copies of it that start hidden until Converts
// places them.
void Form2::addRow() {
    const bool designed = Ln.empty();

    auto* caption = new QLabel(kRowCaption, m_rows);
    caption->setFont(designed ? rowCaptionFont() : Ln[0]->font());
    ui::setGeometryTw(caption, {150, 1710, 1905, 285}, m_rowsOrigin);

    auto* scale = new QLineEdit(QStringLiteral("Tn"), m_rows);
    scale->setReadOnly(true);
    setBaseColor(scale, menuColor());
    ui::setGeometryTw(scale, {405, 1665, 1365, 315}, m_rowsOrigin);

    auto* value = new QLineEdit(QStringLiteral("Tx"), m_rows);
    value->setReadOnly(true);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui::setGeometryTw(value, {2070, 1665, 2490, 315}, m_rowsOrigin);

    auto* unit = new QLabel(QStringLiteral("Lx"), m_rows);
    unit->setTextFormat(Qt::PlainText);  // a symbol from the data file is shown as written
    unit->setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 8.25, true));
    ui::setGeometryTw(unit, {4654, 1710, convert::kUnitColumnWidthTw, 285}, m_rowsOrigin);

    auto* tick = new QCheckBox(m_rows);
    tick->setFont(ui::fonts::font(ui::fonts::kMsMincho, 9));
    tick->setChecked(true);
    ui::setGeometryTw(tick, {5445, 1710, 240, 240}, m_rowsOrigin);
    connect(tick, &QCheckBox::stateChanged, this,
            [this, index = static_cast<int>(Ln.size())] { Ck_Click(index); });

    for (QWidget* w : std::initializer_list<QWidget*>{caption, scale, value, unit, tick}) {
        w->setVisible(designed);
    }
    Ln.push_back(caption);
    Tn.push_back(scale);
    Tx.push_back(value);
    Lx.push_back(unit);
    Ck.push_back(tick);
}

bool Form2::japaneseUnitFont() {
    // Read live: the settings window holds its options only as the states of its controls.
    const Setting& setting = m_app.setting();
    return setting.Check1.size() > 1 && setting.Check1[1]->checkState() != Qt::Unchecked;
}

void Form2::Form_Load() {
    AppState& s = m_app.state();
    Combo1->clear();
    const convert::UnitTable table =
        convert::buildUnitTable(s.tables, convert::quantityOfButton(Cmd1x));
    m_unitFactors = table.factors;
    {
        // Filling an empty list would select its first entry on the way; the base unit is
        // selected below, on purpose, so that the selection converts once.
        const QSignalBlocker blocker(Combo1);
        Combo1->addItems(table.items);
        Combo1->setCurrentIndex(-1);
    }
    m_unitNames = table.names;

    const bool japanese = japaneseUnitFont();
    for (qsizetype i = 1; i < table.items.size(); ++i) {
        addRow();
        setFontFamily(Lx.back(), japanese ? ui::fonts::kMsPGothic : ui::fonts::kTimesNewRoman);
    }

    nameRows(table.items);
    fitUnitColumn();
    if (table.items.isEmpty()) showNoUnits();

    if (table.baseIndex >= 0 && table.baseIndex < Combo1->count()) {
        Combo1->setCurrentIndex(table.baseIndex);
    }
    Text1->setText(QStringLiteral("1"));
    s.ConvertLock = 0;
    Converts();
}

void Form2::Form_Activate() {
    AppState& s = m_app.state();
    Form1& main = m_app.form1();
    if (Cmd1x >= 1 && static_cast<std::size_t>(Cmd1x) < main.Command1.size()) {
        const QPushButton* button = main.Command1[static_cast<std::size_t>(Cmd1x)];
        const std::uint32_t color = ui::backColor(button, QPalette::Button);
        // Only the window role: the lists, bars and boxes keep the system's look.
        QPalette palette = this->palette();
        ui::setColorWithText(palette, QPalette::Window, QPalette::WindowText, ui::toQColor(color));
        setPalette(palette);
        setAutoFillBackground(true);
        s.UnitCommandColor = color;
    }
    if (s.ChartShown) {
        Chart1& chart = m_app.chart1();
        chart.setWindowTitle(
            convert::chartCaption(windowTitle(), Text1->text(), Combo1->currentText()));
        chart.Chart_color();
        // The caption now names this window's value, so the bars must be its rows too: another
        // window may have sent its own since this one was activated last.
        if (F2x != s.ChartOwner || F2x != s.ChartSender) Chart_Click();
    }
    s.ChartOwner = F2x;
    Text1->setFocus(Qt::ActiveWindowFocusReason);
    // The window came to the front for a new value: typing replaces the old one. A click in
    // the box then places the caret as usual.
    Text1->selectAll();

    const std::uint32_t back = ui::backColor(this);
    for (QWidget* w : Label1) ui::setBackColor(w, back);
    if (lblNoUnits) ui::setBackColor(lblNoUnits, back);
    for (std::size_t i = 0; i < Ln.size(); ++i) {
        ui::setBackColor(Ln[i], back);
        ui::setBackColor(Lx[i], back);
        ui::setBackColor(Ck[i], back);
    }
}

// A screen reader hears each row's unit in the names of its label and boxes, and the whole
// unit list entry ("millimetre (mm)") as their description.
void Form2::nameRows(const QStringList& items) {
    for (qsizetype i = 0; i < items.size() && static_cast<std::size_t>(i) < Ln.size(); ++i) {
        const auto row = static_cast<std::size_t>(i);
        const convert::RowNames names =
            convert::rowNames(m_unitNames.value(i), items[i], static_cast<int>(i) + 1);
        Lx[row]->setAccessibleName(names.unit);
        Tn[row]->setAccessibleName(names.scale);
        Tx[row]->setAccessibleName(names.value);
        Ck[row]->setAccessibleName(names.chart);
        for (QWidget* w : std::initializer_list<QWidget*>{Lx[row], Tn[row], Tx[row], Ck[row]}) {
            w->setAccessibleDescription(items[i]);
        }
    }
}

// A quantity without units has no row to show: the designed row's template texts would read
// as results, so the window says why it has none in their place.
void Form2::showNoUnits() {
    for (QWidget* w : std::initializer_list<QWidget*>{Ln[0], Tn[0], Tx[0], Lx[0], Ck[0]}) {
        w->hide();
    }
    lblNoUnits = new QLabel(QStringLiteral("This quantity has no units in the data file."), m_rows);
    lblNoUnits->setFont(ui::fonts::font(ui::fonts::kTimesNewRoman, 9, true));
    ui::setGeometryTw(lblNoUnits, {405, 1710, 5040, 285}, m_rowsOrigin);
    lblNoUnits->show();
}

// Symbols such as "kgf･s^2/m^4" are wider than the designed column: the column grows to the
// longest of this window's names and the tick boxes and the window move out by as much.
void Form2::fitUnitColumn() {
    double longest = 0;
    for (qsizetype i = 0; i < m_unitNames.size() && static_cast<std::size_t>(i) < Lx.size(); ++i) {
        const QLabel* label = Lx[static_cast<std::size_t>(i)];
        longest = std::max(longest, QFontMetricsF(label->font()).horizontalAdvance(m_unitNames[i]));
    }
    const int width =
        convert::unitColumnWidthTw(static_cast<int>(std::ceil(longest / ui::pixelsPerTwip())));
    const int extra = width - convert::kUnitColumnWidthTw;
    if (extra <= 0) return;

    for (std::size_t i = 0; i < Lx.size(); ++i) {
        ui::setWidthTw(Lx[i], width);
        ui::setLeftTw(Ck[i], ui::geometryTw(Ck[i]).left() + extra);
    }
    m_clientWidthTw = kClientWidthTw + extra;
    fitWindow();
}

// The window takes the size its rows ask for. Where the screen is lower or narrower it stays on
// the screen, and the rows scroll under the toolbar, the step bar and the value box.
void Form2::fitWindow() {
    m_rows->resize(ui::toPixels(m_clientWidthTw),
                   ui::toPixels(m_heightTw - ui::kFrameHeightTw) - ui::toPixels(kRowsTopTw));
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ui::setWindowSizeTw(this, m_clientWidthTw + ui::kFrameWidthTw, m_heightTw + kToolbarHeightTw);
    ui::limitToScreen(this);
    setFixedSize(size());
}

void Form2::resizeEvent(QResizeEvent* event) {
    ui::Window::resizeEvent(event);
    const int toolbar = ui::toPixels(kToolbarHeightTw);
    Toolbar1->resize(width(), toolbar);
    m_client->setGeometry(0, toolbar, width(), height() - toolbar);
    const int rowsTop = ui::toPixels(kRowsTopTw);
    m_rowsArea->setGeometry(0, rowsTop, width(), std::max(m_client->height() - rowsTop, 0));
}

void Form2::Combo1_Click() {
    setFontFamily(Combo1, japaneseUnitFont() ? ui::fonts::kMsPGothic : ui::fonts::kTimesNewRoman);
    m_app.state().ConvertLock = 0;
    Converts();
}

void Form2::Text1_Change() {
    m_app.state().ConvertLock = 0;
    const convert::SplitValue split = convert::splitValue(number::readLenient(Text1->text()),
                                                          HScroll1->minimum(), HScroll1->maximum());
    Mdx = split.fraction;
    if (split.whole) setScrollPositionQuietly(*split.whole);
    // A whole part the bar cannot hold: a step would start from wherever the bar last stood
    // and give a value unrelated to the one shown, so the bar rests until the value fits.
    HScroll1->setEnabled(split.whole.has_value());
    markPartlyRead(convert::partlyReadNote(Text1->text()));
    Converts();
}

// The typed text stays as typed; when the reader took only part of it ("2,5" reads 2), the box
// is tinted and its tool tip says what was read, so that no result passes for the answer to
// what the box shows.
void Form2::markPartlyRead(const std::optional<QString>& note) {
    if (note.has_value() == m_partlyRead && (!note || Text1->toolTip() == *note)) return;
    m_partlyRead = note.has_value();
    const QColor normal = m_client->palette().color(QPalette::Base);
    // Amber, light on a light palette and dark on a dark one, so the palette's own text colour
    // stays readable on it.
    const QColor warning =
        normal.lightness() < 128 ? QColor(0x66, 0x4d, 0x00) : QColor(0xff, 0xdd, 0x80);
    setBaseColor(Text1, note ? warning : normal);
    Text1->setToolTip(note.value_or(kValueToolTip));
    Text1->setAccessibleDescription(note.value_or(QString()));
}

void Form2::Text1_KeyPress(QKeyEvent*) {
    // Every key reaches the box unfiltered; the box itself stops at 15 characters.
}

void Form2::Text2_Change() {
    const auto step = number::toInt16(Text2->text());
    if (step.ok() && step.value >= 1) {
        HScroll1->setSingleStep(step.value);
    } else {
        Text2->setText(QStringLiteral("1"));
    }
}

void Form2::HScroll1_Change() {
    // A position that follows typing must not write the typed text over.
    if (m_positionFollowsText) return;
    Text1->setText(convert::steppedText(HScroll1->value(), Mdx));
    m_app.state().ConvertLock = 0;
    Converts();
}

void Form2::HScroll1_GotFocus() {
    const auto value = number::readStrict(Text1->text());
    if (!value) return;
    const convert::SplitValue split =
        convert::splitValue(*value, HScroll1->minimum(), HScroll1->maximum());
    if (split.whole) setScrollPositionQuietly(*split.whole);
}

void Form2::setScrollPositionQuietly(int whole) {
    const QScopedValueRollback following(m_positionFollowsText, true);
    HScroll1->setValue(whole);
}

void Form2::Converts() {
    AppState& s = m_app.state();
    if (s.ConvertLock) return;
    s.ConvertLock = -1;

    const std::optional<float> x = convert::enteredValue(Text1->text());
    const int b = Combo1->currentIndex();
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(m_unitNames.size()), Tn.size());
    const QRect row0[] = {ui::geometryTw(Tn[0]), ui::geometryTw(Tx[0]), ui::geometryTw(Ln[0]),
                          ui::geometryTw(Lx[0]), ui::geometryTw(Ck[0])};
    for (std::size_t i = 0; i < n; ++i) {
        const convert::RowText row = convert::convertRow(x, m_unitFactors, static_cast<int>(i), b);
        // A box that cannot be worked out is emptied, never left with an older answer.
        setChangedText(Tn[i], row.scale.value_or(QString()));
        setChangedText(Tx[i], row.value.value_or(QString()));
        Lx[i]->setText(m_unitNames[static_cast<qsizetype>(i)]);

        if (i < m_placedRows) continue;
        // Every row is a copy of row 0, so row 0's boxes give the heights of all of them.
        const int k = static_cast<int>(i);
        const auto place = [this](QWidget* w, const QRect& first, int rowHeight, int index) {
            ui::setGeometryTw(w, first.translated(0, convert::rowTop(0, rowHeight, index)),
                              m_rowsOrigin);
        };
        place(Tn[i], row0[0], row0[0].height(), k);
        place(Tx[i], row0[1], row0[1].height(), k);
        place(Ln[i], row0[2], row0[0].height(), k);
        place(Lx[i], row0[3], row0[1].height(), k);
        place(Ck[i], row0[4], row0[0].height(), k);
        for (QWidget* w : std::initializer_list<QWidget*>{Ln[i], Tn[i], Tx[i], Lx[i], Ck[i]}) {
            w->setVisible(true);
        }
    }
    m_placedRows = std::max(m_placedRows, n);
    if (n > 0) {
        const QLineEdit* last = Tn[n - 1];
        const int height = convert::windowHeightForLastRow(topTw(last), heightTw(last));
        if (height != m_heightTw) {
            m_heightTw = height;
            fitWindow();
        }
    }
    if (s.ChartShown) {
        m_app.chart1().setWindowTitle(
            convert::chartCaption(windowTitle(), Text1->text(), Combo1->currentText()));
        Chart_Click();
    }
}

void Form2::Chart_Click() {
    AppState& s = m_app.state();
    const std::size_t n = static_cast<std::size_t>(m_unitNames.size());
    s.ChartValues.assign(n + 1, ValueRef{});
    s.ChartUnits.assign(n + 1, std::nullopt);
    std::int16_t k = 0;
    for (std::size_t i = 0; i < n && i < Ck.size(); ++i) {
        if (Ck[i]->checkState() == Qt::Unchecked) continue;
        ++k;
        // The entry reads the box itself, so a later conversion shows at the chart's next
        // build; once this window is closed the entry reads nothing.
        s.ChartValues[static_cast<std::size_t>(k)] =
            [box = QPointer<QLineEdit>(Tx[i]),
             window = QPointer<Form2>(this)]() -> std::optional<QString> {
            if (!box || !window || window->m_unloaded) return std::nullopt;
            return box->text();
        };
        s.ChartUnits[static_cast<std::size_t>(k)] = m_unitNames[static_cast<qsizetype>(i)];
    }
    s.ChartCount = k;
    s.ChartSender = F2x;

    Chart1& chart = m_app.chart1();
    chart.setWindowTitle(
        convert::chartCaption(windowTitle(), Text1->text(), Combo1->currentText()));
    // This runs on every keystroke in the value box and on every tick: the chart comes up
    // beside this window, or is redrawn where it stands, and the keyboard stays here.
    if (!chart.isVisible()) {
        chart.setAttribute(Qt::WA_ShowWithoutActivating, true);
        chart.show();
        chart.raise();
        chart.setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    chart.Combo1_Click();
}

// The window goes once control is back in the event loop. A chart showing its rows loses
// their bars, unit names and caption with it, rather than show what is no longer on the screen.
void Form2::Form_Unload() {
    m_unloaded = true;
    AppState& s = m_app.state();
    if (s.ChartSender != F2x) return;
    s.ChartSender = 0;
    s.ChartCount = 0;
    s.ChartValues.assign(1, ValueRef{});
    s.ChartUnits.assign(1, std::nullopt);
    if (Chart1* chart = m_app.chart1Loaded()) {
        chart->setWindowTitle(Chart1::designCaption());
        if (s.ChartShown) chart->Combo1_Click();
    }
}

void Form2::Ck_Click(int Index) {
    Q_UNUSED(Index);
    Chart_Click();
}

void Form2::Toolbar1_ButtonClick(int index) {
    switch (index) {
        case 2:
            exportToClipboard();
            break;
        case 4: {
            Chart_Click();
            // Asked for by name: the chart comes to the front, out of the task bar if need be,
            // and takes the keyboard.
            Chart1& chart = m_app.chart1();
            if (chart.isMinimized())
                chart.setWindowState(chart.windowState() & ~Qt::WindowMinimized);
            chart.showModeless();
            break;
        }
        default:
            break;
    }
}

void Form2::exportToClipboard() {
    QStringList items, values;
    for (int i = 0; i < Combo1->count(); ++i) {
        items << Combo1->itemText(i);
        values << (static_cast<std::size_t>(i) < Tx.size() ? Tx[static_cast<std::size_t>(i)]->text()
                                                           : QString());
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(
        convert::clipboardText(windowTitle(), items, Combo1->currentIndex(), values));
}

bool Form2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return ui::Window::event(event);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        Text1_KeyPress(static_cast<QKeyEvent*>(event));
    } else if (watched == HScroll1 && event->type() == QEvent::FocusIn) {
        HScroll1_GotFocus();
    } else if (watched == HScroll1 && event->type() == QEvent::KeyPress) {
        return HScroll1_KeyDown(static_cast<QKeyEvent*>(event));
    }
    return ui::Window::eventFilter(watched, event);
}

// The keys step the way the bar's own buttons and trough do: Right, Down and PageDown up;
// Left, Up and PageUp down, by the small and the large step.
bool Form2::HScroll1_KeyDown(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) return false;
    QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
    switch (event->key()) {
        case Qt::Key_Right:
        case Qt::Key_Down:
            action = QAbstractSlider::SliderSingleStepAdd;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
            action = QAbstractSlider::SliderSingleStepSub;
            break;
        case Qt::Key_PageDown:
            action = QAbstractSlider::SliderPageStepAdd;
            break;
        case Qt::Key_PageUp:
            action = QAbstractSlider::SliderPageStepSub;
            break;
        default:
            return false;
    }
    HScroll1->triggerAction(action);
    return true;
}

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "player.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QTest>
#include <utility>

#include "app/application.h"
#include "app/find_field.h"
#include "app/main_window.h"
#include "chart/chart_window.h"
#include "help/about_window.h"
#include "invariants.h"
#include "settings/chart_settings_window.h"
#include "settings/setting_window.h"
#include "support/recording_dialogs.h"

namespace zephal::exercise {
namespace {

int reduce(int value, std::size_t count) {
    const int n = static_cast<int>(count);
    return ((value % n) + n) % n;
}

// Counts the changes of a window's value, unit and step bar while an action runs: each of them
// converts, and a conversion sends the rows to a loaded chart.
class ConversionWatch {
public:
    explicit ConversionWatch(Form2& w) {
        const auto count = [this] { ++m_changes; };
        m_connections = {QObject::connect(w.Text1, &QLineEdit::textChanged, count),
                         QObject::connect(w.Combo1, &QComboBox::currentIndexChanged, count),
                         QObject::connect(w.HScroll1, &QScrollBar::valueChanged, count)};
    }
    ~ConversionWatch() {
        for (const auto& c : m_connections) QObject::disconnect(c);
    }
    ConversionWatch(const ConversionWatch&) = delete;
    ConversionWatch& operator=(const ConversionWatch&) = delete;
    bool converted() const { return m_changes > 0; }

private:
    int m_changes = 0;
    std::vector<QMetaObject::Connection> m_connections;
};

}  // namespace

void typeOver(QLineEdit* box, const QString& text) {
    box->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        QTest::keyClicks(box, text);
    }
}

Player::Player(Application& app, ui::RecordingDialogs& dialogs, Model& model,
               std::vector<QString> pool)
    : m_app(app), m_dialogs(dialogs), m_model(model), m_pool(std::move(pool)) {}

std::optional<Failure> Player::takeFailure() {
    return std::exchange(m_failure, std::nullopt);
}

namespace {

enum class Target { Main, Settings, Conversion, Chart, Help };

Target targetOf(Act act) {
    switch (act) {
        case Act::TypeMaxTabs:
        case Act::SettingOption:
        case Act::CloseSetting:
        case Act::ChartOption:
        case Act::ChartSpeed:
        case Act::PickPlotColor:
        case Act::CloseChartSetting:
            return Target::Settings;
        case Act::TypeValue:
        case Act::PasteValue:
        case Act::DeleteValue:
        case Act::PickUnit:
        case Act::StepBar:
        case Act::TypeStep:
        case Act::TickRow:
        case Act::CopyRows:
        case Act::ChartRows:
        case Act::ActivateConversion:
        case Act::ResizeConversion:
        case Act::CloseConversion:
            return Target::Conversion;
        case Act::PickSeries:
        case Act::ChartButton:
        case Act::PointPopup:
        case Act::RotationMenu:
        case Act::RightClick:
        case Act::TimerTicks:
        case Act::ActivateChart:
        case Act::ResizeChart:
        case Act::CloseChart:
            return Target::Chart;
        case Act::HelpTab:
        case Act::ResizeHelp:
        case Act::CloseHelp:
            return Target::Help;
        default:
            return Target::Main;
    }
}

constexpr int kHelpTabs = 2;

bool shown(const QWidget* window) {
    return window && window->isVisible();
}

}  // namespace

std::optional<Action> Player::resolve(const Action& action) const {
    const Act act = action.act;
    switch (targetOf(act)) {
        case Target::Conversion:
            return resolveConversion(action);
        case Target::Chart:
            return resolveChart(action);
        case Target::Help:
            if (act == Act::HelpTab) return Action{act, 0, reduce(action.a, kHelpTabs)};
            if (!shown(m_app.aboutLoaded())) return std::nullopt;
            return act == Act::ResizeHelp ? Action{act, 0, action.a, action.b} : Action{act};
        case Target::Settings:
            switch (act) {
                case Act::TypeMaxTabs:
                    return Action{act, 0, 0, 0, action.text};
                case Act::SettingOption:
                    return Action{act, 0, reduce(action.a, kSettingControls)};
                case Act::CloseSetting:
                    return shown(m_app.settingLoaded()) ? std::optional<Action>(Action{act})
                                                        : std::nullopt;
                case Act::CloseChartSetting:
                    return shown(m_app.form3Loaded()) ? std::optional<Action>(Action{act})
                                                      : std::nullopt;
                default:
                    // The chart settings are reached through the chart window's button.
                    if (!shown(m_app.form3Loaded()) && !shownChart()) return std::nullopt;
                    return Action{act, 0,
                                  act == Act::ChartOption ? reduce(action.a, kChartSettingControls)
                                                          : action.a};
            }
        case Target::Main:
            break;
    }
    const Form1& main = m_app.form1();
    switch (act) {
        case Act::ClickQuantity: {
            const int buttons = static_cast<int>(main.Command1.size()) - 1;
            int k = action.a;
            if (k >= kAnyQuantity) {
                // Three clicks in four go to a button the user can see, the rest to any button.
                const int raw = k - kAnyQuantity;
                const std::vector<int> visible = shownButtons();
                k = raw % 4 != 0 && !visible.empty()
                        ? visible[static_cast<std::size_t>(reduce(raw / 4, visible.size()))]
                        : 1 + reduce(raw / 4, static_cast<std::size_t>(std::max(buttons, 1)));
            }
            if (k < 1 || k > buttons) return std::nullopt;
            return Action{act, 0, k};
        }
        case Act::ChangeTab: {
            std::vector<int> tabs;
            for (int t = 0; t < main.SSTab1->count(); ++t) {
                if (main.SSTab1->isTabVisible(t)) tabs.push_back(t);
            }
            if (tabs.empty()) return std::nullopt;
            const bool named = std::find(tabs.begin(), tabs.end(), action.a) != tabs.end();
            return Action{
                act, 0,
                named ? action.a : tabs[static_cast<std::size_t>(reduce(action.a, tabs.size()))]};
        }
        case Act::OpenFile:
            return Action{act, 0, reduce(action.a, m_pool.size())};
        case Act::FindQuantity:
            return Action{act, 0, 0, 0, action.text};
        case Act::ResizeMain:
            return Action{act, 0, action.a, action.b};
        default:
            return Action{act};
    }
}

std::optional<Action> Player::resolveConversion(const Action& action) const {
    std::vector<const WindowModel*> open;
    for (const WindowModel& w : m_model.windows) {
        if (w.window) open.push_back(&w);
    }
    if (open.empty()) return std::nullopt;
    const int index = reduce(action.window, open.size());
    const Form2& w = *open[static_cast<std::size_t>(index)]->window;
    const Act act = action.act;
    switch (act) {
        case Act::TypeValue:
        case Act::TypeStep:
            return Action{act, index, 0, 0, action.text};
        case Act::PasteValue:
            return Action{act, index, std::max(action.a, 1), 0, action.text};
        case Act::DeleteValue:
            return Action{act, index, reduce(action.a, kDeleteKinds)};
        case Act::PickUnit:
            if (w.Combo1->count() == 0) return std::nullopt;
            return Action{act, index,
                          reduce(action.a, static_cast<std::size_t>(w.Combo1->count()))};
        case Act::StepBar:
            return Action{act, index, reduce(action.a, kStepKinds)};
        case Act::TickRow:
            return Action{act, index, reduce(action.a, w.Ck.size())};
        case Act::ResizeConversion:
            return Action{act, index, action.a, action.b};
        default:
            return Action{act, index};
    }
}

std::optional<Action> Player::resolveChart(const Action& action) const {
    const Chart1* c = shownChart();
    if (!c) return std::nullopt;
    const Act act = action.act;
    switch (act) {
        case Act::PickSeries:
            return Action{act, 0, reduce(action.a, static_cast<std::size_t>(c->Combo1->count()))};
        case Act::ChartButton:
            return Action{act, 0, 2 + reduce(action.a - 2, 5)};
        case Act::PointPopup:
        case Act::ResizeChart:
            return Action{act, 0, action.a, action.b};
        case Act::RotationMenu:
            return Action{act, 0, reduce(action.a, c->m20.size())};
        case Act::TimerTicks:
            if (!c->Timer1->isActive()) return std::nullopt;
            return Action{act, 0, std::clamp(action.a, 1, 1000)};
        default:
            return Action{act};
    }
}

void Player::play(const Action& action) {
    switch (targetOf(action.act)) {
        case Target::Main:
            return playMain(action);
        case Target::Settings:
            return playSettings(action);
        case Target::Conversion:
            return playConversion(action);
        case Target::Chart:
            return playChart(action);
        case Target::Help:
            return playHelp(action);
    }
}

bool Player::buttonShown(int k) const {
    const Form1& main = m_app.form1();
    const int t = (k - 1) / kCommandsPerTab;
    return !main.Command1[static_cast<std::size_t>(k)]->isHidden() && t < main.SSTab1->count() &&
           main.SSTab1->isTabVisible(t);
}

std::vector<int> Player::shownButtons() const {
    std::vector<int> visible;
    for (int k = 1; k < static_cast<int>(m_app.form1().Command1.size()); ++k) {
        if (buttonShown(k)) visible.push_back(k);
    }
    return visible;
}

void Player::playMain(const Action& action) {
    Form1& main = m_app.form1();
    switch (action.act) {
        case Act::ClickQuantity:
            return clickQuantity(action.a);
        case Act::ChangeTab:
            main.SSTab1->setCurrentIndex(action.a);
            break;
        case Act::OpenFile: {
            const QString path = m_pool[static_cast<std::size_t>(reduce(action.a, m_pool.size()))];
            // The reader takes the reset option from the settings window, fresh if it is closed.
            const Setting* setting = m_app.settingLoaded();
            const bool reset = !setting || setting->Check2->checkState() != Qt::Unchecked;
            m_dialogs.fileAnswers.clear();
            m_dialogs.fileAnswers.push_back(path);
            main.Toolbar1_ButtonClick(1);
            QFile file(path);
            if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly)) {
                m_model.tables.read(file.readAll(), reset);
            }
            break;
        }
        case Act::FindQuantity:
            return findQuantity(QString::fromStdString(action.text));
        case Act::ShowSetting:
            main.Toolbar1_ButtonClick(2);
            break;
        case Act::ShowHelp:
            main.Toolbar1_ButtonClick(3);
            break;
        case Act::ResizeMain:
            main.resize(action.a, action.b);
            break;
        case Act::ActivateMain:
            // A click on a window's title bar: the window manager makes it the active one.
            QApplication::setActiveWindow(&main);
            break;
        default:
            break;
    }
}

// Takes the window just opened into the model, with the units of quantity button k; the unit
// selected is its base. Nothing when no window opened.
WindowModel* Player::opened(int k, bool chartLoaded) {
    const std::vector<Form2*> windows = m_app.conversionWindows();
    Form2* window = windows.empty() ? nullptr : windows.back();
    if (!window || m_model.find(window)) return nullptr;
    WindowModel model;
    model.window = window;
    model.units = m_model.tables.unitList(k);
    model.selected = model.units.base;
    m_model.windows.push_back(std::move(model));
    // Opening converts, and a conversion sends the new window's rows to a loaded chart.
    if (chartLoaded) {
        m_model.sender = window;
        m_model.sent = true;
    }
    return &m_model.windows.back();
}

void Player::clickQuantity(int k) {
    Form1& main = m_app.form1();
    if (k < 1 || static_cast<std::size_t>(k) >= main.Command1.size()) return;
    const bool visible = buttonShown(k);
    const QString caption = main.Command1[static_cast<std::size_t>(k)]->text();
    main.Command1_Click(k);
    const WindowModel* model = opened(k, m_app.chart1Loaded() != nullptr);
    if (!model) return;
    const Form2* window = model->window;
    if (visible && window->windowTitle() != caption) {
        m_failure = Failure{2, "caption",
                            "quantity button " + std::to_string(k) + " shows " + quoted(caption) +
                                " but opened a window captioned " + quoted(window->windowTitle())};
    }
}

// Types a query into the find field and presses Enter. A window that opens is for the quantity
// of the match; the unit the query names exactly is selected in it, or with the quantity's
// caption alone its base; another query leaves the match's unit to the finder.
void Player::findQuantity(const QString& query) {
    FindField* field = m_app.form1().findField();
    const bool chartLoaded = m_app.chart1Loaded() != nullptr;
    const std::size_t before = m_app.conversionWindows().size();
    typeOver(field, query);
    QTest::keyClick(field, Qt::Key_Return);
    if (m_app.conversionWindows().size() == before) return;
    WindowModel* model = opened(m_app.conversionWindows().back()->Cmd1x, chartLoaded);
    if (!model) return;
    const QString symbol = query.mid(query.indexOf(u' ') + 1);
    const qsizetype named = model->units.symbols.indexOf(symbol);
    if (named >= 0) {
        model->selected = static_cast<int>(named);
    } else if (query != model->units.caption) {
        model->selected = model->window->Combo1->currentIndex();
    }
}

Setting& Player::shownSetting() {
    if (!shown(m_app.settingLoaded())) m_app.form1().Toolbar1_ButtonClick(2);
    return m_app.setting();
}

Form3* Player::shownChartSetting() {
    if (Form3* form3 = m_app.form3Loaded(); shown(form3)) return form3;
    Chart1* chart = shownChart();
    if (!chart) return nullptr;
    chart->Buttons[6]->trigger();
    return &m_app.form3();
}

void Player::playSettings(const Action& action) {
    switch (action.act) {
        case Act::TypeMaxTabs:
            m_model.tables.typeMaxTabs(QString::fromStdString(action.text));
            return typeOver(shownSetting().Text1, QString::fromStdString(action.text));
        case Act::SettingOption: {
            Setting& s = shownSetting();
            if (reduce(action.a, kSettingControls) == kOk) {
                m_model.tables.confirmMaxTabs(s.Text1->text());
            }
            QAbstractButton* const buttons[] = {s.Check2,     s.Check1[0], s.Option1[0],
                                                s.Option1[1], s.Check1[1], s.Command1[0],
                                                s.Command1[1]};
            buttons[reduce(action.a, std::size(buttons))]->click();
            return;
        }
        case Act::CloseSetting:
            if (Setting* s = m_app.settingLoaded()) s->close();
            return;
        case Act::CloseChartSetting:
            if (Form3* f = m_app.form3Loaded()) f->close();
            return;
        default:
            break;
    }
    Form3* f = shownChartSetting();
    if (!f) return;
    switch (action.act) {
        case Act::ChartOption: {
            QAbstractButton* const buttons[] = {f->Check1[0],  f->Check1[1],  f->Check1[2],
                                                f->Option1[0], f->Option1[1], f->Command1[0],
                                                f->Command1[1]};
            buttons[reduce(action.a, std::size(buttons))]->click();
            break;
        }
        case Act::ChartSpeed:
            f->Slider1->setValue(action.a);
            break;
        case Act::PickPlotColor:
            m_dialogs.colorAnswers.clear();
            m_dialogs.colorAnswers.push_back(action.a < 0 ? std::nullopt
                                                          : std::optional<std::uint32_t>(action.a));
            f->Picture1_Click();
            break;
        default:
            break;
    }
}

void Player::playConversion(const Action& action) {
    const std::vector<WindowModel*> open = m_model.open();
    if (open.empty()) return;
    WindowModel& model = *open[static_cast<std::size_t>(reduce(action.window, open.size()))];
    Form2& w = *model.window;
    const bool chartLoaded = m_app.chart1Loaded() != nullptr;
    const QString text = QString::fromStdString(action.text);

    bool sends = false;
    {
        const ConversionWatch watch(w);
        switch (action.act) {
            case Act::TypeValue:
                typeOver(w.Text1, text);
                break;
            case Act::PasteValue:
                QGuiApplication::clipboard()->setText(text.repeated(std::max(action.a, 1)));
                w.Text1->selectAll();
                w.Text1->paste();
                break;
            case Act::DeleteValue:
                if (action.a == kSelectAllDelete) {
                    w.Text1->selectAll();
                    QTest::keyClick(w.Text1, Qt::Key_Delete);
                } else {
                    const bool atEnd = action.a == kBackspaceAtEnd;
                    QTest::keyClick(w.Text1, atEnd ? Qt::Key_End : Qt::Key_Home);
                    QTest::keyClick(w.Text1, atEnd ? Qt::Key_Backspace : Qt::Key_Delete);
                }
                break;
            case Act::PickUnit:
                w.Combo1->setCurrentIndex(action.a);
                model.selected = action.a;
                break;
            case Act::StepBar: {
                const QAbstractSlider::SliderAction clicks[] = {
                    QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                    QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub};
                const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Home, Qt::Key_End,
                                        Qt::Key_PageUp};
                const int kind = reduce(action.a, kStepKinds);
                if (kind < kKeyRight) {
                    w.HScroll1->triggerAction(clicks[kind]);
                } else {
                    // The keys reach the bar once the user has tabbed to it.
                    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
                    QApplication::sendEvent(w.HScroll1, &focus);
                    QTest::keyClick(w.HScroll1, keys[kind - kKeyRight]);
                }
                break;
            }
            case Act::TypeStep:
                typeOver(w.Text2, text);
                break;
            case Act::TickRow:
                w.Ck[static_cast<std::size_t>(reduce(action.a, w.Ck.size()))]->click();
                sends = true;
                break;
            case Act::CopyRows:
                w.Toolbar1_ButtonClick(2);
                m_failure = checkClipboard(model, QGuiApplication::clipboard()->text());
                break;
            case Act::ChartRows:
                w.Toolbar1_ButtonClick(4);
                sends = true;
                break;
            case Act::ActivateConversion:
                if (QApplication::activeWindow() != &w) {
                    QApplication::setActiveWindow(&w);
                    // Activation hands the chart to a window that did not have it, or whose
                    // rows another window's have replaced since.
                    sends = chartLoaded && (w.F2x != m_model.owner || m_model.sender != &w);
                    m_model.owner = w.F2x;
                }
                break;
            case Act::ResizeConversion:
                w.resize(action.a, action.b);
                break;
            case Act::CloseConversion:
                w.close();
                break;
            default:
                break;
        }
        sends = sends || (chartLoaded && watch.converted());
    }
    if (sends && model.window) {
        m_model.sender = model.window;
        m_model.sent = true;
    }
}

Chart1* Player::shownChart() const {
    Chart1* chart = m_app.chart1Loaded();
    return shown(chart) ? chart : nullptr;
}

void Player::playChart(const Action& action) {
    Chart1* c = shownChart();
    if (!c) return;
    switch (action.act) {
        case Act::PickSeries:
            c->Combo1->setCurrentIndex(action.a);
            break;
        case Act::ChartButton:
            c->Buttons[static_cast<std::size_t>(2 + reduce(action.a - 2, 5))]->trigger();
            break;
        case Act::PointPopup: {
            int cancel = 0;
            c->MSChart1_PointSelected(action.a, action.b, 0, cancel);
            c->menu10->hide();  // the user reads it and clicks elsewhere
            break;
        }
        case Act::RotationMenu:
            c->m20[static_cast<std::size_t>(reduce(action.a, c->m20.size()))]->trigger();
            break;
        case Act::RightClick:
            c->MSChart1_MouseDown(2, 0, 0, 0);
            c->menu20->hide();
            break;
        case Act::TimerTicks:
            // Time passes: the timer's ticks come as they would while the user watches.
            for (int i = 0; i < action.a && c->Timer1->isActive(); ++i) c->Timer1_Timer();
            break;
        case Act::ActivateChart:
            QApplication::setActiveWindow(c);
            break;
        case Act::ResizeChart:
            c->resize(action.a, action.b);
            break;
        case Act::CloseChart:
            c->close();
            break;
        default:
            break;
    }
}

frmAbout& Player::shownHelp() {
    if (!shown(m_app.aboutLoaded())) m_app.form1().Toolbar1_ButtonClick(3);
    return m_app.about();
}

void Player::playHelp(const Action& action) {
    switch (action.act) {
        case Act::HelpTab: {
            frmAbout& help = shownHelp();
            help.SSTab1->setCurrentIndex(
                reduce(action.a, static_cast<std::size_t>(help.SSTab1->count())));
            break;
        }
        case Act::ResizeHelp:
            if (frmAbout* help = m_app.aboutLoaded()) help->resize(action.a, action.b);
            break;
        case Act::CloseHelp:
            if (frmAbout* help = m_app.aboutLoaded()) help->close();
            break;
        default:
            break;
    }
}

}  // namespace zephal::exercise

#include "player.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QTest>
#include <utility>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_window.h"
#include "help/about_window.h"
#include "settings/chart_settings_window.h"
#include "settings/setting_window.h"
#include "ui/dialogs.h"

namespace zephal::exercise {
namespace {

int reduce(int value, std::size_t count) {
    const int n = static_cast<int>(count);
    return ((value % n) + n) % n;
}

std::string quoted(const QString& text) {
    return '"' + text.toStdString() + '"';
}

// The clipboard text of a window as the rows show it: "1,<caption>", then one line per unit,
// "3," for the unit of the value and "2," for the others, the unit's text, "," and the value.
QString expectedClipboard(const WindowModel& model, const Form2& window) {
    const QString end = QStringLiteral("\r\n");
    QString text = QStringLiteral("1,") + model.caption + end;
    for (qsizetype i = 0; i < model.table.items.size(); ++i) {
        const auto row = static_cast<std::size_t>(i);
        text += (i == window.Combo1->currentIndex() ? QStringLiteral("3,") : QStringLiteral("2,")) +
                model.table.items[i] + u',' + (row < window.Tx.size() ? window.Tx[row]->text() : QString()) +
                end;
    }
    return text;
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

std::optional<Action> Player::play(const Action& action) {
    switch (action.act) {
        case Act::ClickQuantity:
        case Act::ChangeTab:
        case Act::OpenFile:
        case Act::ShowSetting:
        case Act::ShowHelp:
        case Act::ResizeMain:
        case Act::ActivateMain:
            return playMain(action);
        case Act::TypeMaxTabs:
        case Act::SettingOption:
        case Act::CloseSetting:
        case Act::ChartOption:
        case Act::ChartSpeed:
        case Act::PickPlotColor:
        case Act::CloseChartSetting:
            return playSettings(action);
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
            return playConversion(action);
        case Act::PickSeries:
        case Act::ChartButton:
        case Act::PointPopup:
        case Act::RotationMenu:
        case Act::RightClick:
        case Act::TimerTicks:
        case Act::ActivateChart:
        case Act::ResizeChart:
        case Act::CloseChart:
            return playChart(action);
        case Act::HelpTab:
        case Act::ResizeHelp:
        case Act::CloseHelp:
            return playHelp(action);
    }
    return std::nullopt;
}

bool Player::buttonShown(int k) const {
    const Form1& main = m_app.form1();
    const int t = (k - 1) / kCommandsPerTab;
    return !main.Command1[static_cast<std::size_t>(k)]->isHidden() && t < main.SSTab1->count() &&
           main.SSTab1->isTabVisible(t);
}

std::vector<int> Player::shownButtons() const {
    std::vector<int> shown;
    for (int k = 1; k < static_cast<int>(m_app.form1().Command1.size()); ++k) {
        if (buttonShown(k)) shown.push_back(k);
    }
    return shown;
}

void Player::activate(QWidget* window) {
    // A click on a window's title bar: the window manager makes it the active one.
    QApplication::setActiveWindow(window);
}

std::optional<Action> Player::playMain(const Action& action) {
    Form1& main = m_app.form1();
    switch (action.act) {
        case Act::ClickQuantity:
            return clickQuantity(action.a);
        case Act::ChangeTab: {
            std::vector<int> tabs;
            for (int t = 0; t < main.SSTab1->count(); ++t) {
                if (main.SSTab1->isTabVisible(t)) tabs.push_back(t);
            }
            if (tabs.empty()) return std::nullopt;
            const bool named = std::find(tabs.begin(), tabs.end(), action.a) != tabs.end();
            const int t = named ? action.a : tabs[static_cast<std::size_t>(reduce(action.a, tabs.size()))];
            main.SSTab1->setCurrentIndex(t);
            return Action{Act::ChangeTab, 0, t};
        }
        case Act::OpenFile: {
            const int entry = reduce(action.a, m_pool.size());
            m_dialogs.fileAnswers.clear();
            m_dialogs.fileAnswers.push_back(m_pool[static_cast<std::size_t>(entry)]);
            main.Toolbar1_ButtonClick(1);
            return Action{Act::OpenFile, 0, entry};
        }
        case Act::ShowSetting:
            main.Toolbar1_ButtonClick(2);
            return Action{action.act};
        case Act::ShowHelp:
            main.Toolbar1_ButtonClick(3);
            return Action{action.act};
        case Act::ResizeMain:
            main.resize(action.a, action.b);
            return Action{action.act, 0, action.a, action.b};
        case Act::ActivateMain:
            activate(&main);
            return Action{action.act};
        default:
            return std::nullopt;
    }
}

std::optional<Action> Player::clickQuantity(int a) {
    Form1& main = m_app.form1();
    const int buttons = static_cast<int>(main.Command1.size()) - 1;
    if (buttons < 1) return std::nullopt;
    int k = a;
    if (a >= kAnyQuantity) {
        // Three clicks in four go to a button the user can see, the rest to any button.
        const int raw = a - kAnyQuantity;
        const std::vector<int> shown = shownButtons();
        k = raw % 4 != 0 && !shown.empty()
                ? shown[static_cast<std::size_t>(reduce(raw / 4, shown.size()))]
                : 1 + reduce(raw / 4, static_cast<std::size_t>(buttons));
    }
    if (k < 1 || k > buttons) return std::nullopt;

    const bool shown = buttonShown(k);
    const QString caption = main.Command1[static_cast<std::size_t>(k)]->text();
    const convert::UnitTable table =
        convert::buildUnitTable(std::as_const(m_app.state().tables), convert::quantityOfButton(k));
    const bool chartLoaded = m_app.chart1Loaded() != nullptr;
    main.Command1_Click(k);

    const std::vector<Form2*> windows = m_app.conversionWindows();
    Form2* window = windows.empty() ? nullptr : windows.back();
    if (window && !m_model.find(window)) {
        m_model.windows.push_back({window, table, window->windowTitle()});
        // Opening converts, and a conversion sends the new window's rows to a loaded chart.
        if (chartLoaded) {
            m_model.sender = window;
            m_model.sent = true;
        }
        if (shown && window->windowTitle() != caption) {
            m_failure = Failure{2, "caption",
                                "quantity button " + std::to_string(k) + " shows " + quoted(caption) +
                                    " but opened a window captioned " + quoted(window->windowTitle())};
        }
    }
    return Action{Act::ClickQuantity, 0, k};
}

Setting& Player::shownSetting() {
    Setting* setting = m_app.settingLoaded();
    if (!setting || !setting->isVisible()) m_app.form1().Toolbar1_ButtonClick(2);
    return m_app.setting();
}

Form3* Player::shownChartSetting() {
    if (Form3* form3 = m_app.form3Loaded(); form3 && form3->isVisible()) return form3;
    Chart1* chart = shownChart();
    if (!chart) return nullptr;
    chart->Buttons[6]->trigger();
    return &m_app.form3();
}

std::optional<Action> Player::playSettings(const Action& action) {
    const QString text = QString::fromStdString(action.text);
    switch (action.act) {
        case Act::TypeMaxTabs:
            typeOver(shownSetting().Text1, text);
            return Action{action.act, 0, 0, 0, action.text};
        case Act::SettingOption: {
            Setting& s = shownSetting();
            const int control = reduce(action.a, kSettingControls);
            QAbstractButton* const buttons[] = {s.Check2,     s.Check1[0],  s.Option1[0], s.Option1[1],
                                                s.Check1[1], s.Command1[0], s.Command1[1]};
            buttons[control]->click();
            return Action{action.act, 0, control};
        }
        case Act::CloseSetting: {
            Setting* s = m_app.settingLoaded();
            if (!s || !s->isVisible()) return std::nullopt;
            s->close();
            return Action{action.act};
        }
        default:
            break;
    }

    Form3* f = action.act == Act::CloseChartSetting ? m_app.form3Loaded() : shownChartSetting();
    if (!f) return std::nullopt;
    switch (action.act) {
        case Act::ChartOption: {
            const int control = reduce(action.a, kChartSettingControls);
            QAbstractButton* const buttons[] = {f->Check1[0],  f->Check1[1],   f->Check1[2],
                                                f->Option1[0], f->Option1[1],  f->Command1[0],
                                                f->Command1[1]};
            buttons[control]->click();
            return Action{action.act, 0, control};
        }
        case Act::ChartSpeed:
            f->Slider1->setValue(action.a);
            return Action{action.act, 0, action.a};
        case Act::PickPlotColor:
            m_dialogs.colorAnswers.clear();
            m_dialogs.colorAnswers.push_back(action.a < 0 ? std::nullopt
                                                          : std::optional<std::uint32_t>(action.a));
            f->Picture1_Click();
            return Action{action.act, 0, action.a};
        case Act::CloseChartSetting:
            if (!f->isVisible()) return std::nullopt;
            f->close();
            return Action{action.act};
        default:
            return std::nullopt;
    }
}

std::optional<Action> Player::playConversion(const Action& action) {
    const std::vector<WindowModel*> open = m_model.open();
    if (open.empty()) return std::nullopt;
    const int index = reduce(action.window, open.size());
    WindowModel& model = *open[static_cast<std::size_t>(index)];
    Form2& w = *model.window;
    const bool chartLoaded = m_app.chart1Loaded() != nullptr;
    const QString text = QString::fromStdString(action.text);
    Action played{action.act, index};

    bool sends = false;
    {
        const ConversionWatch watch(w);
        switch (action.act) {
            case Act::TypeValue:
                typeOver(w.Text1, text);
                played.text = action.text;
                break;
            case Act::PasteValue: {
                const int times = std::max(action.a, 1);
                QGuiApplication::clipboard()->setText(text.repeated(times));
                w.Text1->selectAll();
                w.Text1->paste();
                played.a = times;
                played.text = action.text;
                break;
            }
            case Act::DeleteValue: {
                played.a = reduce(action.a, kDeleteKinds);
                const std::pair<Qt::Key, Qt::Key> keys[] = {{Qt::Key_End, Qt::Key_Backspace},
                                                            {Qt::Key_Home, Qt::Key_Delete}};
                if (played.a == kSelectAllDelete) {
                    w.Text1->selectAll();
                    QTest::keyClick(w.Text1, Qt::Key_Delete);
                } else {
                    QTest::keyClick(w.Text1, keys[played.a].first);
                    QTest::keyClick(w.Text1, keys[played.a].second);
                }
                break;
            }
            case Act::PickUnit:
                if (w.Combo1->count() == 0) return std::nullopt;
                played.a = reduce(action.a, static_cast<std::size_t>(w.Combo1->count()));
                w.Combo1->setCurrentIndex(played.a);
                break;
            case Act::StepBar: {
                played.a = reduce(action.a, kStepKinds);
                const QAbstractSlider::SliderAction clicks[] = {
                    QAbstractSlider::SliderSingleStepAdd, QAbstractSlider::SliderSingleStepSub,
                    QAbstractSlider::SliderPageStepAdd, QAbstractSlider::SliderPageStepSub};
                const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Left, Qt::Key_Home, Qt::Key_End,
                                        Qt::Key_PageUp};
                if (played.a < kKeyRight) {
                    w.HScroll1->triggerAction(clicks[played.a]);
                } else {
                    // The keys reach the bar once the user has tabbed to it.
                    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
                    QApplication::sendEvent(w.HScroll1, &focus);
                    QTest::keyClick(w.HScroll1, keys[played.a - kKeyRight]);
                }
                break;
            }
            case Act::TypeStep:
                typeOver(w.Text2, text);
                played.text = action.text;
                break;
            case Act::TickRow:
                played.a = reduce(action.a, w.Ck.size());
                w.Ck[static_cast<std::size_t>(played.a)]->click();
                sends = true;
                break;
            case Act::CopyRows:
                w.Toolbar1_ButtonClick(2);
                checkClipboard(model);
                break;
            case Act::ChartRows:
                w.Toolbar1_ButtonClick(4);
                sends = true;
                break;
            case Act::ActivateConversion:
                if (QApplication::activeWindow() != &w) {
                    activate(&w);
                    // Activation hands the chart to a window that did not have it.
                    sends = chartLoaded && w.F2x != m_model.owner;
                    m_model.owner = w.F2x;
                }
                break;
            case Act::ResizeConversion:
                w.resize(action.a, action.b);
                played.a = action.a;
                played.b = action.b;
                break;
            case Act::CloseConversion:
                w.close();
                break;
            default:
                return std::nullopt;
        }
        sends = sends || (chartLoaded && watch.converted());
    }
    if (sends && model.window) {
        m_model.sender = model.window;
        m_model.sent = true;
    }
    return played;
}

void Player::checkClipboard(const WindowModel& model) {
    const QString expected = expectedClipboard(model, *model.window);
    const QString copied = QGuiApplication::clipboard()->text();
    if (copied != expected) {
        m_failure = Failure{5, "clipboard",
                            "window " + quoted(model.caption) + " copied " + quoted(copied) +
                                " where its rows read " + quoted(expected)};
    }
}

Chart1* Player::shownChart() const {
    Chart1* chart = m_app.chart1Loaded();
    return chart && chart->isVisible() ? chart : nullptr;
}

std::optional<Action> Player::playChart(const Action& action) {
    Chart1* c = shownChart();
    if (!c) return std::nullopt;
    Action played{action.act};
    switch (action.act) {
        case Act::PickSeries:
            played.a = reduce(action.a, static_cast<std::size_t>(c->Combo1->count()));
            c->Combo1->setCurrentIndex(played.a);
            break;
        case Act::ChartButton:
            played.a = 2 + reduce(action.a - 2, 5);
            c->Buttons[static_cast<std::size_t>(played.a)]->trigger();
            break;
        case Act::PointPopup: {
            int cancel = 0;
            played.a = action.a;
            played.b = action.b;
            c->MSChart1_PointSelected(action.a, action.b, 0, cancel);
            c->menu10->hide();  // the user reads it and clicks elsewhere
            break;
        }
        case Act::RotationMenu:
            played.a = reduce(action.a, c->m20.size());
            c->m20[static_cast<std::size_t>(played.a)]->trigger();
            break;
        case Act::RightClick:
            c->MSChart1_MouseDown(2, 0, 0, 0);
            c->menu20->hide();
            break;
        case Act::TimerTicks:
            // Time passes: the timer's ticks come as they would while the user watches.
            if (!c->Timer1->isActive()) return std::nullopt;
            played.a = std::clamp(action.a, 1, 1000);
            for (int i = 0; i < played.a && c->Timer1->isActive(); ++i) c->Timer1_Timer();
            break;
        case Act::ActivateChart:
            activate(c);
            break;
        case Act::ResizeChart:
            c->resize(action.a, action.b);
            played.a = action.a;
            played.b = action.b;
            break;
        case Act::CloseChart:
            c->close();
            break;
        default:
            return std::nullopt;
    }
    return played;
}

frmAbout& Player::shownHelp() {
    frmAbout* help = m_app.aboutLoaded();
    if (!help || !help->isVisible()) m_app.form1().Toolbar1_ButtonClick(3);
    return m_app.about();
}

std::optional<Action> Player::playHelp(const Action& action) {
    switch (action.act) {
        case Act::HelpTab: {
            frmAbout& help = shownHelp();
            const int tab = reduce(action.a, static_cast<std::size_t>(help.SSTab1->count()));
            help.SSTab1->setCurrentIndex(tab);
            return Action{action.act, 0, tab};
        }
        case Act::ResizeHelp:
        case Act::CloseHelp: {
            frmAbout* help = m_app.aboutLoaded();
            if (!help || !help->isVisible()) return std::nullopt;
            if (action.act == Act::CloseHelp) {
                help->close();
                return Action{action.act};
            }
            help->resize(action.a, action.b);
            return Action{action.act, 0, action.a, action.b};
        }
        default:
            return std::nullopt;
    }
}

}  // namespace zephal::exercise

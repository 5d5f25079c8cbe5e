// SPDX-License-Identifier: GPL-3.0-or-later
#include "invariants.h"

#include <QBar3DSeries>
#include <QBarDataProxy>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_grid.h"
#include "chart/chart_window.h"
#include "own_arithmetic.h"
#include "ui/chart_view.h"

namespace zephal::exercise {
namespace {

// A row is written to 7 digits from a single; the chart works on those 7-digit texts.
constexpr double kRowTolerance = 1e-6;
constexpr double kChartTolerance = 3e-6;

std::string number(std::optional<double> v) {
    return v ? QString::number(*v, 'g', 9).toStdString() : std::string("nothing");
}

std::string windowName(const WindowModel& m) {
    return "window " + std::to_string(m.window->F2x) + " " + quoted(m.units.caption);
}

// The quantity button k, if the grid shows it.
const QPushButton* shownButton(const Form1& main, int t, int c) {
    const auto k = static_cast<std::size_t>(kCommandsPerTab * t + c + 1);
    if (t >= main.SSTab1->count() || !main.SSTab1->isTabVisible(t) || k >= main.Command1.size() ||
        main.Command1[k]->isHidden()) {
        return nullptr;
    }
    return main.Command1[k];
}

void checkWindow(WindowModel& m, Findings& findings) {
    const Form2& w = *m.window;
    const auto fail = [&](const std::string& kind, const std::string& what) {
        return findings.add(Failure{3, kind,
                                    windowName(m) + " (value " + quoted(w.Text1->text()) +
                                        ", unit " + std::to_string(m.selected) + "): " + what});
    };
    if (w.windowTitle() != m.units.caption &&
        fail("caption", "is captioned " + quoted(w.windowTitle()))) {
        return;
    }
    QStringList items;
    for (int i = 0; i < w.Combo1->count(); ++i) items << w.Combo1->itemText(i);
    if (items != m.units.items && fail("units", "the unit list is not the quantity's units"))
        return;
    if (w.Combo1->currentIndex() != m.selected &&
        fail("selected", "unit " + std::to_string(w.Combo1->currentIndex()) + " is selected")) {
        return;
    }
    const qsizetype n = m.units.items.size();
    if (static_cast<qsizetype>(w.Tn.size()) < n) {
        fail("rows", "fewer rows than units");
        return;
    }
    for (qsizetype i = 0; i < n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        const std::string row = "row " + std::to_string(i + 1) + " ";
        for (const QWidget* part :
             {static_cast<const QWidget*>(w.Tn[r]), static_cast<const QWidget*>(w.Tx[r]),
              static_cast<const QWidget*>(w.Lx[r])}) {
            if (part->isHidden() && fail("rows", row + "is not shown")) return;
        }
        const ExpectedRow expected =
            ownRow(m.units.factors, static_cast<int>(i), m.selected, w.Text1->text());
        // Where no number can be shown the box must not keep one from before.
        const auto box = [&](const QString& shown, const Expected& want, const std::string& what) {
            return !ownMatches(shown, want, kRowTolerance) &&
                   fail(what + (want.value ? "" : "-kept"),
                        row + what + " shows " + quoted(shown) + ", not " + number(want.value));
        };
        if (box(w.Tn[r]->text(), expected.scale, "scale") ||
            box(w.Tx[r]->text(), expected.value, "value"))
            return;
        if (w.Lx[r]->text() != m.units.symbols[i] &&
            fail("unit-name", row + "names its unit " + quoted(w.Lx[r]->text()) + ", not " +
                                  quoted(m.units.symbols[i]))) {
            return;
        }
    }
}

// The bars as the chart view draws them from its grid, per grid column and row.
void checkDrawn(const ui::ChartView& view, Findings& findings) {
    const ChartGrid& grid = view.grid();
    const auto fail = [&findings](const std::string& what) {
        findings.add(Failure{4, "drawn", "the chart draws " + what + " from its data"});
    };
    const auto text = [](double v) { return number(v); };
    const auto expectedValue = [&grid](int r, int c) { return grid.value(r, c).value_or(0); };
    if (view.grid().chartType() == kChartType2D) {
        const auto* series = qobject_cast<QBarSeries*>(view.chart2d()->series().value(0));
        if (!series) return fail("no bar series");
        const QList<QBarSet*> sets = series->barSets();
        if (sets.size() != grid.columnCount()) return fail(std::to_string(sets.size()) + " series");
        for (int c = 1; c <= grid.columnCount(); ++c) {
            const QBarSet* set = sets[c - 1];
            if (set->count() != grid.rowCount())
                return fail(std::to_string(set->count()) + " bars a series");
            for (int r = 1; r <= grid.rowCount(); ++r) {
                if (set->at(r - 1) != expectedValue(r, c)) {
                    return fail("bar " + std::to_string(r) + " of series " + std::to_string(c) +
                                " at " + text(set->at(r - 1)) + ", not " +
                                text(expectedValue(r, c)));
                }
            }
        }
    } else if (const QBar3DSeries* series = view.series3d(); series && view.bars3d()) {
        const QBarDataProxy* proxy = series->dataProxy();
        if (proxy->rowCount() != grid.columnCount())
            return fail(std::to_string(proxy->rowCount()) + " 3D rows");
        for (int c = 1; c <= grid.columnCount(); ++c) {
            for (int r = 1; r <= grid.rowCount(); ++r) {
                const QBarDataItem* item = proxy->itemAt(c - 1, r - 1);
                const auto want = static_cast<float>(
                    std::clamp(expectedValue(r, c), double(-FLT_MAX), double(FLT_MAX)));
                if (!item || item->value() != want) {
                    return fail("3D bar " + std::to_string(r) + " of series " + std::to_string(c) +
                                " at " + (item ? text(item->value()) : std::string("nothing")) +
                                ", not " + text(want));
                }
            }
        }
    }
}

}  // namespace

void checkGrid(Application& app, Model& model, Findings& findings) {
    if (!findings.wanted(2)) return;
    const Form1& main = app.form1();
    const std::vector<OwnButton>& buttons = model.tables.buttons();
    for (const OwnButton& b : buttons) {
        const QPushButton* button = shownButton(main, b.tab, b.quantity);
        const std::string which = "the quantity " + quoted(b.caption) + " of tab " +
                                  std::to_string(b.tab) + ", row " + std::to_string(b.quantity);
        if (!button) {
            if (findings.add(Failure{2, "missing", which + " has no button"})) return;
            continue;
        }
        // "&" is doubled in a button's text, so that it shows as itself.
        if (button->text() != QString(b.caption).replace(u'&', QStringLiteral("&&")) &&
            findings.add(Failure{2, "caption",
                                 which + " has a button captioned " + quoted(button->text())})) {
            return;
        }
    }
    for (int t = 0; t < main.SSTab1->count(); ++t) {
        for (int c = 0; c < kCommandsPerTab; ++c) {
            const QPushButton* button = shownButton(main, t, c);
            const bool known = std::any_of(buttons.begin(), buttons.end(), [t, c](const auto& b) {
                return b.tab == t && b.quantity == c;
            });
            if (button && !known &&
                findings.add(Failure{2, "extra",
                                     "the button " + quoted(button->text()) + " of tab " +
                                         std::to_string(t) + " opens no quantity of the file"})) {
                return;
            }
        }
    }
}

void checkConversionWindows(Model& model, Findings& findings) {
    if (!findings.wanted(3)) return;
    for (WindowModel* m : model.open()) {
        checkWindow(*m, findings);
        if (findings.done()) return;
    }
}

std::optional<Failure> checkClipboard(const WindowModel& m, const QString& copied) {
    const Form2& w = *m.window;
    const QStringList lines = copied.split(QStringLiteral("\r\n"));
    const qsizetype n = m.units.items.size();
    const auto fail = [&](const std::string& what) {
        return Failure{5, "clipboard", windowName(m) + " copied " + quoted(copied) + ": " + what};
    };
    if (lines.size() != n + 2 || !lines.back().isEmpty())
        return fail("not one line a unit after the caption");
    if (lines[0] != QStringLiteral("1,") + m.units.caption) return fail("the first line");
    for (qsizetype i = 0; i < n; ++i) {
        const QString start = (i == m.selected ? QStringLiteral("3,") : QStringLiteral("2,")) +
                              m.units.items[i] + u',';
        const QString& line = lines[i + 1];
        const Expected value =
            ownRow(m.units.factors, static_cast<int>(i), m.selected, w.Text1->text()).value;
        if (!line.startsWith(start) || !ownMatches(line.mid(start.size()), value, kRowTolerance)) {
            return fail("line " + std::to_string(i + 2) + ", not " + quoted(start) + " and " +
                        number(value.value));
        }
    }
    return std::nullopt;
}

void checkChart(Application& app, Model& model, Findings& findings) {
    Chart1* chart = app.chart1Loaded();
    if (!chart || !findings.wanted(4)) return;
    const ChartGrid& shown = chart->MSChart1->grid();
    const bool individual = chart->Buttons[4]->isChecked();
    const bool log = chart->Buttons[5]->isChecked();
    const int position = chart->Combo1->currentIndex();
    const auto fail = [&](const char* kind, const std::string& what) {
        return findings.add(Failure{4, kind,
                                    "series " + std::to_string(position) +
                                        (individual ? ", individual" : "") + (log ? ", log" : "") +
                                        ": " + what});
    };

    // The sender's ticked rows, each as the arithmetic gives it where its box shows a number;
    // nothing once the sender has closed.
    const WindowModel* m = model.sender ? model.find(model.sender) : nullptr;
    std::vector<std::optional<double>> values;
    QStringList units;
    for (qsizetype i = 0; m && i < m->units.items.size(); ++i) {
        const Form2& w = *m->window;
        const auto r = static_cast<std::size_t>(i);
        if (r >= w.Ck.size() || w.Ck[r]->checkState() == Qt::Unchecked) continue;
        const QString text = w.Tx[r]->text();
        const auto own =
            ownRow(m->units.factors, static_cast<int>(i), m->selected, w.Text1->text()).value.value;
        values.push_back(text.isEmpty() ? std::nullopt : own ? own : ownStrictNumber(text));
        units << m->units.symbols[i];
    }
    const int count = static_cast<int>(values.size());
    if (shown.rowCount() != (individual ? 1 : count) ||
        shown.columnCount() != (individual ? count : 1)) {
        fail("size", std::to_string(shown.rowCount()) + " x " +
                         std::to_string(shown.columnCount()) + " cells for " +
                         std::to_string(count) + " rows sent");
        return;
    }
    const std::vector<std::optional<double>> cells = ownSeries(values, position, log);
    for (int k = 1; k <= count; ++k) {
        const auto got = individual ? shown.value(1, k) : shown.value(k, 1);
        const auto& want = cells[static_cast<std::size_t>(k - 1)];
        const bool near =
            got && want &&
            std::fabs(*got - *want) <= kChartTolerance * std::fabs(*want) + (log ? 1e-6 : 1e-36);
        // A number kept where none can be worked out is a number from an earlier build.
        if (!near && (got || want) &&
            fail(want ? "cell" : "cell-kept", "entry " + std::to_string(k) + " holds " +
                                                  number(got) + ", not " + number(want))) {
            return;
        }
        const QString label = individual ? shown.columnLabelAt(k) : shown.rowLabelAt(k);
        if (label != units[k - 1] &&
            fail("label", "entry " + std::to_string(k) + " is labelled " + quoted(label))) {
            return;
        }
    }
    // The one series of the single layout and the one category of the other are nameless.
    const QString nameless = individual ? shown.rowLabelAt(1) : shown.columnLabelAt(1);
    if (!nameless.isEmpty() && fail("label", "a name left over: " + quoted(nameless))) return;
    if (chart->isVisible()) {
        const QString caption = m ? m->units.caption + QStringLiteral(" : ") +
                                        ownValueAsRead(m->window->Text1->text()) + u' ' +
                                        m->units.items.value(m->selected)
                                  : QStringLiteral("Chart");
        if (chart->windowTitle() != caption &&
            fail("caption",
                 "captioned " + quoted(chart->windowTitle()) + ", not " + quoted(caption))) {
            return;
        }
    }
    checkDrawn(*chart->MSChart1, findings);
}

}  // namespace zephal::exercise

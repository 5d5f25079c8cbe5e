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
#include <utility>

#include "app/application.h"
#include "app/main_window.h"
#include "chart/chart_grid.h"
#include "chart/chart_window.h"
#include "chart/series_builder.h"
#include "ui/chart_view.h"

namespace zephal::exercise {
namespace {

std::string number(std::optional<double> v) {
    return v ? QString::number(*v, 'g', 9).toStdString() : std::string("nothing");
}

bool same(std::optional<double> a, std::optional<double> b) {
    if (!a || !b) return a.has_value() == b.has_value();
    return *a == *b || (std::isnan(*a) && std::isnan(*b));
}

std::string windowName(const WindowModel& m) {
    return "window " + std::to_string(m.window->F2x) + " " + quoted(m.caption);
}

// What the rows of a window must read now, by the engine.
const std::vector<ExpectedRow>& expectedRows(WindowModel& m) {
    const Form2& w = *m.window;
    const int b = w.Combo1->currentIndex();
    if (m.rowsUnit == b && m.rowsText == w.Text1->text()) return m.rows;
    m.rowsText = w.Text1->text();
    m.rowsUnit = b;
    m.rows.clear();
    const std::optional<float> x = convert::enteredValue(m.rowsText);
    for (int i = 0; i < static_cast<int>(m.table.factors.size()); ++i) {
        const convert::RowText row = convert::convertRow(x, m.table.factors, i, b);
        m.rows.push_back({row.scale.value_or(QString()), row.value.value_or(QString())});
    }
    return m.rows;
}

void checkWindow(WindowModel& m, Findings& findings) {
    const Form2& w = *m.window;
    const auto fail = [&](const std::string& kind, const std::string& what) {
        return findings.add(Failure{3, kind,
                                    windowName(m) + " (value " + quoted(w.Text1->text()) +
                                        ", unit " + std::to_string(w.Combo1->currentIndex()) +
                                        "): " + what});
    };
    const qsizetype n = m.table.items.size();
    QStringList items;
    for (int i = 0; i < w.Combo1->count(); ++i) items << w.Combo1->itemText(i);
    if (items != m.table.items && fail("units", "the unit list is not the quantity's units"))
        return;
    if (static_cast<qsizetype>(w.Tn.size()) < n) {
        fail("rows", "fewer rows than units");
        return;
    }

    const std::vector<ExpectedRow>& rows = expectedRows(m);
    for (qsizetype i = 0; i < n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        const std::string row = "row " + std::to_string(i + 1) + " ";
        for (const QWidget* part :
             {static_cast<const QWidget*>(w.Tn[r]), static_cast<const QWidget*>(w.Tx[r]),
              static_cast<const QWidget*>(w.Lx[r])}) {
            if (part->isHidden() && fail("rows", row + "is not shown")) return;
        }
        // Where the engine gives nothing the box must not keep a number from before.
        const auto box = [&](const QString& shown, const QString& expected,
                             const std::string& what) {
            return shown != expected &&
                   fail(what + (expected.isEmpty() ? "-kept" : ""),
                        row + what + " shows " + quoted(shown) + ", the engine gives " +
                            (expected.isEmpty() ? "nothing" : quoted(expected)));
        };
        if (box(w.Tn[r]->text(), rows[r].scale, "scale") ||
            box(w.Tx[r]->text(), rows[r].value, "value"))
            return;
        if (w.Lx[r]->text() != m.table.names[i] &&
            fail("unit-name", row + "names its unit " + quoted(w.Lx[r]->text()) + ", not " +
                                  quoted(m.table.names[i]))) {
            return;
        }
    }
}

// The chart data the model says the chart was sent last, as the builder reads it: the texts
// the engine gives the sender's ticked rows; no entries before any window has sent.
struct SentRows {
    std::vector<ValueRef> values{ValueRef()};
    std::vector<std::optional<QString>> units{std::nullopt};
    std::int16_t count = 0;
};

SentRows sentRows(Model& model) {
    SentRows sent;
    WindowModel* m = model.sender ? model.find(model.sender) : nullptr;
    if (!m) return sent;
    const std::vector<ExpectedRow>& rows = expectedRows(*m);
    const Form2& w = *m->window;
    for (std::size_t i = 0; i < rows.size() && i < w.Ck.size(); ++i) {
        if (w.Ck[i]->checkState() == Qt::Unchecked) continue;
        sent.values.push_back([text = rows[i].value]() -> std::optional<QString> { return text; });
        sent.units.push_back(m->table.names[static_cast<qsizetype>(i)]);
        ++sent.count;
    }
    return sent;
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

void checkGrid(Application& app, Findings& findings) {
    if (!findings.wanted(2)) return;
    Form1& main = app.form1();
    const UnitTables& tables = std::as_const(app.state().tables);
    for (int t = 0; t < main.SSTab1->count(); ++t) {
        if (!main.SSTab1->isTabVisible(t)) continue;
        for (int c = 0; c < kCommandsPerTab; ++c) {
            const auto k = static_cast<std::size_t>(kCommandsPerTab * t + c + 1);
            if (k >= main.Command1.size() || main.Command1[k]->isHidden()) continue;
            const QString caption = main.Command1[k]->text();
            const std::string button =
                "quantity button " + std::to_string(k) + " " + quoted(caption) + " ";
            if (!tables.hasTab(t)) {
                if (findings.add(Failure{2, "beyond-tables",
                                         button + "is on tab " + std::to_string(t) +
                                             ", beyond the " + std::to_string(tables.tabCount()) +
                                             " tabs the tables hold"})) {
                    return;
                }
                continue;
            }
            const QString name = tables.CommandItems(c, t).Name;
            if (name != caption &&
                findings.add(
                    Failure{2, "caption", button + "opens the quantity " + quoted(name)})) {
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

void checkChart(Application& app, Model& model, Findings& findings) {
    Chart1* chart = app.chart1Loaded();
    if (!chart || !findings.wanted(4)) return;
    const ChartGrid& shown = chart->MSChart1->grid();
    const bool senderClosed = model.sent && !model.sender;
    if (senderClosed) {
        for (int r = 1; r <= shown.rowCount(); ++r) {
            for (int c = 1; c <= shown.columnCount(); ++c) {
                if (shown.value(r, c).value_or(0) != 0 &&
                    findings.add(Failure{4, "bars-after-close",
                                         "the rows' window has closed, yet the chart holds " +
                                             number(shown.value(r, c)) + " at row " +
                                             std::to_string(r) + ", column " +
                                             std::to_string(c)})) {
                    return;
                }
            }
        }
        checkDrawn(*chart->MSChart1, findings);
        return;
    }

    // Built afresh, so that no number from an earlier build can stand in the expected grid.
    const SentRows sent = sentRows(model);
    ChartGrid expected;
    expected.setChartType(shown.chartType());
    const ChartModes& modes = app.chartModes();
    buildSeries(expected, {sent.values, sent.units, model.sent ? sent.count : std::int16_t(0),
                           chart->Combo1->currentIndex(), modes});
    const auto fail = [&](const char* kind, const std::string& what) {
        return findings.add(Failure{4, kind,
                                    "series " + std::to_string(chart->Combo1->currentIndex()) +
                                        (modes.blnIndividual ? ", individual" : "") +
                                        (modes.blnLogChart ? ", log" : "") + ": " + what});
    };
    if (shown.rowCount() != expected.rowCount() || shown.columnCount() != expected.columnCount()) {
        fail("size", std::to_string(shown.rowCount()) + " x " +
                         std::to_string(shown.columnCount()) + " cells, the builder makes " +
                         std::to_string(expected.rowCount()) + " x " +
                         std::to_string(expected.columnCount()));
        return;
    }
    for (int r = 1; r <= expected.rowCount(); ++r) {
        for (int c = 1; c <= expected.columnCount(); ++c) {
            // A number kept where the builder makes none is a number from an earlier build.
            if (!same(shown.value(r, c), expected.value(r, c)) &&
                fail(expected.value(r, c) ? "cell" : "cell-kept",
                     "row " + std::to_string(r) + ", column " + std::to_string(c) + " holds " +
                         number(shown.value(r, c)) + ", the builder makes " +
                         number(expected.value(r, c)))) {
                return;
            }
        }
    }
    const bool individual = modes.blnIndividual;
    for (int i = 1; i <= (individual ? expected.columnCount() : expected.rowCount()); ++i) {
        const QString got = individual ? shown.columnLabelAt(i) : shown.rowLabelAt(i);
        const QString want = individual ? expected.columnLabelAt(i) : expected.rowLabelAt(i);
        if (got != want && fail("label", "label " + std::to_string(i) + " reads " + quoted(got) +
                                             ", not " + quoted(want))) {
            return;
        }
    }
    checkDrawn(*chart->MSChart1, findings);
}

}  // namespace zephal::exercise

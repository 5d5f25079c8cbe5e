// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_view.h"

#include <QtDataVisualization/qutils.h>

#include <Q3DBars>
#include <Q3DCamera>
#include <Q3DScene>
#include <Q3DTheme>
#include <QBar3DSeries>
#include <QBarCategoryAxis>
#include <QBarDataProxy>
#include <QBarSeries>
#include <QBarSet>
#include <QCategory3DAxis>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QStackedLayout>
#include <QTimer>
#include <QValue3DAxis>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

#include "chart/series_palette.h"
#include "chart/value_axis.h"
#include "ui/chart_3d_framing.h"
#include "ui/chart_legend.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/graph_3d_widget.h"
#include "ui/twips.h"

namespace zephal::ui {
namespace {

// Below this a turned unit name would no longer read; a crowd of names that small overlaps.
constexpr int kSmallestLabelPixels = 7;
// Pixels kept free between two unit names; a line of text is about this many times its font's
// pixel size high.
constexpr qreal kLabelGap = 3;
constexpr qreal kLineSpacing = 1.2;

// Series 1 where the window has not coloured it: a mid blue.
constexpr std::uint32_t kFirstColor = 0xD87E2F;

// The 3D graph's labels: dark text about as high as the 2D chart's; bars a little apart, and
// as wide as one of three where there are fewer.
const QColor kLabelText(0x20, 0x20, 0x20);
constexpr int kLabelPixels3d = 15;
constexpr float kBarSpacing = 0.4f;
constexpr float kFewBars = 3 * (1 + kBarSpacing);
// A turning graph has paused when its angles stay this long, in milliseconds; it is framed
// anew at once when its elevation has changed by this many degrees.
constexpr int kTurnPause = 300;
constexpr double kTiltToPlace = 30;

const QString kNoOpenGl =
    QStringLiteral("The 3D chart cannot be shown: OpenGL is not available on this display.");

bool tryOpenGl() {
    // The offscreen platform can hand out a context, yet the 3D graph crashes while it is made
    // there: count it as a display without OpenGL.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) return false;
    QOpenGLContext context;
    if (!context.create()) return false;
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    const bool current = surface.isValid() && context.makeCurrent(&surface);
    if (current) context.doneCurrent();
    return current;
}

// Category names must be neither empty nor repeated to keep their places on the axis (an empty
// one would show a number instead): they get invisible zero-width spaces.
QStringList distinctLabels(QStringList labels) {
    for (QString& label : labels) {
        if (label.isEmpty()) label = QChar(0x200B);
    }
    for (int i = 1; i < labels.size(); ++i) {
        while (labels.mid(0, i).contains(labels[i])) labels[i] += QChar(0x200B);
    }
    return labels;
}

// A rotation of 90 looks straight at the front of the bars, so the usual 60 shows them a
// little from the left. The camera turns freely around the vertical axis but looks only from
// 0 to 90 degrees above the floor: an elevation beyond that swings back, so a turning view
// moves smoothly.
float cameraRotation(float rotation) {
    float r = std::fmod(rotation - 90.0f, 360.0f);
    if (r > 180) r -= 360;
    if (r < -180) r += 360;
    return r;
}

float cameraElevation(float elevation) {
    float e = std::fmod(elevation, 360.0f);
    if (e < 0) e += 360;
    if (e <= 90) return e;
    if (e <= 180) return 180 - e;
    if (e <= 270) return e - 180;
    return 360 - e;
}

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

}  // namespace

ChartView::ChartView(QWidget* parent, std::function<bool()> openGlAvailable)
    : QWidget(parent), m_openGlAvailable(std::move(openGlAvailable)) {
    if (!m_openGlAvailable) m_openGlAvailable = tryOpenGl;
    m_grid.onChanged = [this] { scheduleRedraw(); };

    // The views share one white surface with the legend beside them.
    setBackColor(this, 0xFFFFFF);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* views = new QWidget(this);
    m_stack = new QStackedLayout(views);
    m_stack->setContentsMargins(0, 0, 0, 0);
    row->addWidget(views, 1);
    m_legend = new ChartLegend(this);
    m_legend->hide();
    row->addWidget(m_legend);

    m_chart = new QChart;
    m_chart->setBackgroundRoundness(0);
    m_chart->setBackgroundVisible(false);
    m_chart->setMargins(QMargins(4, 8, 12, 4));
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    m_chart->legend()->setVisible(false);
    m_chartView = new QChartView(m_chart, views);
    m_chartView->setBackgroundBrush(Qt::white);
    m_chartView->setFrameShape(QFrame::NoFrame);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->viewport()->installEventFilter(this);
    m_stack->addWidget(m_chartView);

    m_barSeries = new QBarSeries;
    m_barSeries->setBarWidth(0.7);
    m_chart->addSeries(m_barSeries);
    m_categoryAxis = new QBarCategoryAxis;
    m_categoryAxis->setGridLineVisible(false);
    // Qt Charts would cut a name to "…" well before it meets its neighbour; the names are
    // fitted here instead.
    m_categoryAxis->setTruncateLabels(false);
    m_chart->addAxis(m_categoryAxis, Qt::AlignBottom);
    m_barSeries->attachAxis(m_categoryAxis);
    m_labelFont = m_categoryAxis->labelsFont();
    m_valueAxis = new QValueAxis;
    m_valueAxis->setLabelFormat(QStringLiteral("%g"));
    QFont title = m_valueAxis->titleFont();
    title.setBold(false);
    m_valueAxis->setTitleFont(title);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_barSeries->attachAxis(m_valueAxis);
    // The room of each unit name follows the plot's width.
    connect(m_chart, &QChart::plotAreaChanged, this, &ChartView::fitCategoryLabels);

    draw2d();
}

QWidget* ChartView::currentView() const {
    return m_stack->currentWidget();
}

QColor ChartView::seriesColor(int series) const {
    const bool drawn = m_paletteFirst == firstColor() && series >= 1 &&
                       series <= static_cast<int>(m_palette.size());
    if (drawn) return m_palette[static_cast<std::size_t>(series - 1)];
    return toQColor(seriesPalette(firstColor(), std::max(series, 1)).back());
}

std::uint32_t ChartView::firstColor() const {
    return m_grid.series1Color().value_or(kFirstColor);
}

void ChartView::updatePalette() {
    const int count = std::max(m_grid.columnCount(), 1);
    if (static_cast<int>(m_palette.size()) == count && m_paletteFirst == firstColor()) return;
    m_paletteFirst = firstColor();
    m_palette.clear();
    for (const std::uint32_t rgb : seriesPalette(m_paletteFirst, count)) {
        m_palette.push_back(toQColor(rgb));
    }
}

void ChartView::scheduleRedraw() {
    if (m_pending) return;
    m_pending = true;
    QMetaObject::invokeMethod(this, &ChartView::flush, Qt::QueuedConnection);
}

void ChartView::flush() {
    if (!m_pending) return;
    m_pending = false;
    redraw();
}

void ChartView::redraw() {
    ++m_redraws;
    updatePalette();
    m_legend->setVisible(m_grid.legend());
    if (m_drawnLegend != m_grid.contentRevision()) {
        m_drawnLegend = m_grid.contentRevision();
        std::vector<ChartLegend::Entry> entries;
        for (int c = 1; c <= m_grid.columnCount(); ++c) {
            entries.push_back({m_grid.columnLabelAt(c), seriesColor(c)});
        }
        m_legend->setEntries(std::move(entries));
    }
    if (m_grid.chartType() == kChartType3D) {
        if (ensure3d()) {
            draw3d();
            m_stack->setCurrentWidget(m_graph3d);
        } else {
            m_stack->setCurrentWidget(m_unavailable);
        }
    } else {
        draw2d();
        m_stack->setCurrentWidget(m_chartView);
    }
}

void ChartView::draw2d() {
    if (m_drawn2d == m_grid.contentRevision()) return;
    m_drawn2d = m_grid.contentRevision();

    // The series and axes stay; only what changed is touched, so that a new set of values
    // moves the bars without laying the whole chart out again.
    const int rows = m_grid.rowCount();
    const int columns = m_grid.columnCount();
    while (m_barSeries->count() > columns) {
        m_barSeries->remove(m_barSeries->barSets().constLast());
    }
    while (m_barSeries->count() < columns) {
        const int c = m_barSeries->count() + 1;
        auto* set = new QBarSet(QString());
        connect(set, &QBarSet::clicked, this, [this, c](int index) {
            if (m_lastButton == 1) emit pointSelected(c, index + 1, 0);
        });
        m_barSeries->append(set);
    }

    double low = 0, high = 0;
    const QList<QBarSet*> sets = m_barSeries->barSets();
    for (int c = 1; c <= columns; ++c) {
        QBarSet* set = sets[c - 1];
        if (set->label() != m_grid.columnLabelAt(c)) set->setLabel(m_grid.columnLabelAt(c));
        const QColor color = seriesColor(c);
        if (set->color() != color) {
            set->setColor(color);
            set->setBorderColor(color.darker(130));
        }
        if (set->count() != rows) set->remove(0, set->count());
        const bool append = set->count() == 0;
        QList<qreal> values;
        for (int r = 1; r <= rows; ++r) {
            // A cell without a value has no bar: it stands at 0.
            const double v = m_grid.value(r, c).value_or(0);
            low = std::min(low, v);
            high = std::max(high, v);
            if (append) {
                values << v;
            } else if (set->at(r - 1) != v) {
                set->replace(r - 1, v);
            }
        }
        if (append && !values.isEmpty()) set->append(values);
    }

    // Qt Charts reads axis texts as rich text; unit names are plain text.
    QStringList categories;
    for (int r = 1; r <= rows; ++r) categories << m_grid.rowLabelAt(r).toHtmlEscaped();
    categories = distinctLabels(categories);
    if (m_categoryAxis->categories() != categories) {
        // Given no names, the axis keeps showing its last ones: they are hidden.
        if (categories.isEmpty()) {
            m_categoryAxis->clear();
        } else {
            m_categoryAxis->setCategories(categories);
        }
        m_categoryAxis->setLabelsVisible(!categories.isEmpty());
    }
    fitCategoryLabels();

    const ValueAxisRange range = valueAxisRange(low, high, DBL_MAX);
    m_valueAxis->setRange(range.low, range.high);
    m_valueAxis->setTickCount(range.segments + 1);
    m_valueAxis->setTitleText(m_grid.valueTitle().toHtmlEscaped());
    m_valueAxis->setTitleVisible(!m_grid.valueTitle().isEmpty());
}

// Unit names side by side while each fits its bar's room; turned upright when one does not,
// and smaller when even their height does not fit, so that every name reads whole.
void ChartView::fitCategoryLabels() {
    const int rows = m_grid.rowCount();
    if (rows == 0) return;
    const qreal plotWidth =
        m_chart->plotArea().width() > 0 ? m_chart->plotArea().width() : m_chartView->width() * 0.85;
    const qreal room = plotWidth / rows - kLabelGap;
    QFont font = m_labelFont;
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (int r = 1; r <= rows; ++r) {
        widest = std::max(widest, metrics.horizontalAdvance(m_grid.rowLabelAt(r)));
    }
    const bool level = widest <= room;
    if (!level && metrics.height() > room) {
        font.setPixelSize(std::max(kSmallestLabelPixels, static_cast<int>(room / kLineSpacing)));
    }
    if (m_categoryAxis->labelsFont() != font) m_categoryAxis->setLabelsFont(font);
    const int angle = level ? 0 : -90;
    if (m_categoryAxis->labelsAngle() != angle) m_categoryAxis->setLabelsAngle(angle);
}

bool ChartView::ensure3d() {
    if (m_bars) return true;
    if (m_tried3d) return false;
    m_tried3d = true;

    // Without multisampling: under a software renderer a frame costs a third as much, which
    // keeps the turning chart inside its fastest interval.
    const QSurfaceFormat format = qDefaultSurfaceFormat(false);
    auto bars = m_openGlAvailable() ? std::make_unique<Q3DBars>(&format) : nullptr;
    if (!bars || !bars->hasContext()) {
        m_unavailable = new QLabel(kNoOpenGl);
        m_unavailable->setAlignment(Qt::AlignCenter);
        m_unavailable->setWordWrap(false);
        m_stack->addWidget(m_unavailable);
        return false;
    }
    m_bars = bars.get();
    m_bars->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
    m_bars->setSelectionMode(QAbstract3DGraph::SelectionItem);
    m_bars->activeTheme()->setType(Q3DTheme::ThemeQt);
    // Labels dark on white, of one size front and back, and turned to face the reader.
    m_bars->setOrthoProjection(true);
    m_bars->activeTheme()->setLabelBackgroundEnabled(false);
    m_bars->activeTheme()->setLabelBorderEnabled(false);
    m_bars->activeTheme()->setLabelTextColor(kLabelText);
    for (QAbstract3DAxis* axis : {static_cast<QAbstract3DAxis*>(m_bars->valueAxis()),
                                  static_cast<QAbstract3DAxis*>(m_bars->rowAxis()),
                                  static_cast<QAbstract3DAxis*>(m_bars->columnAxis())}) {
        axis->setLabelAutoRotation(90);
        axis->setTitleFixed(false);
    }
    m_bars->setBarThickness(1.0f);
    m_bars->setBarSpacing(QSizeF(0.4, 0.4));
    m_bars->valueAxis()->setLabelFormat(QStringLiteral("%g"));

    m_series = new QBar3DSeries;
    m_series->setMesh(QAbstract3DSeries::MeshBevelBar);
    m_series->setItemLabelFormat(QStringLiteral("@colLabel: @valueLabel"));
    m_bars->addSeries(m_series);
    connect(m_series, &QBar3DSeries::selectedBarChanged, this, &ChartView::onBarSelected3d);

    // The graph's picture lies in a frame of the view's size and moves up or down in it to
    // centre the drawing; what moves out of the frame is empty.
    m_graph3d = new Graph3dWidget(std::move(bars));
    m_graph3d->installEventFilter(this);
    m_graph3d->setFocusPolicy(Qt::StrongFocus);
    m_place3d = new QTimer(this);
    m_place3d->setSingleShot(true);
    m_place3d->setInterval(kTurnPause);
    connect(m_place3d, &QTimer::timeout, this, [this] {
        m_placed3d = false;
        apply3dView();
    });
    m_stack->addWidget(m_graph3d);
    return true;
}

void ChartView::draw3d() {
    if (m_drawn3d != m_grid.contentRevision()) {
        m_drawn3d = m_grid.contentRevision();
        // Grid columns (the series) run into the depth, grid rows (the categories) across.
        const int rows = m_grid.rowCount();
        const int columns = m_grid.columnCount();
        auto* array = new QBarDataArray;
        array->reserve(columns);
        QStringList seriesLabels, categoryLabels;
        QList<QColor> colors;
        double low = 0, high = 0;
        for (int c = 1; c <= columns; ++c) {
            auto* row = new QBarDataRow(rows);
            for (int r = 1; r <= rows; ++r) {
                const double v =
                    std::clamp(m_grid.value(r, c).value_or(0), double(-FLT_MAX), double(FLT_MAX));
                low = std::min(low, v);
                high = std::max(high, v);
                (*row)[r - 1].setValue(static_cast<float>(v));
            }
            array->append(row);
            // With a legend the series are named there: their names would crowd the depth.
            seriesLabels << (m_grid.legend() ? QString() : m_grid.columnLabelAt(c));
            colors << seriesColor(c);
        }
        for (int r = 1; r <= rows; ++r) categoryLabels << m_grid.rowLabelAt(r);
        m_series->dataProxy()->resetArray(array, seriesLabels, categoryLabels);
        m_series->setRowColors(colors);
        m_series->setBaseColor(seriesColor(1));
        const ValueAxisRange range = valueAxisRange(low, high, FLT_MAX);
        QValue3DAxis* axis = m_bars->valueAxis();
        axis->setRange(static_cast<float>(range.low), static_cast<float>(range.high));
        axis->setSegmentCount(range.segments);
        axis->setTitle(m_grid.valueTitle());
        axis->setTitleVisible(!m_grid.valueTitle().isEmpty());
        // A lone bar or two would fill the floor: they keep the width they have among many.
        const float spacing = std::max(kBarSpacing, kFewBars / std::max(rows, columns) - 1.0f);
        m_bars->setBarSpacing(QSizeF(spacing, spacing));

        // The value labels as the axis writes them (its format is "%g"), to measure their room.
        QStringList values;
        for (int k = 0; k <= range.segments; ++k) {
            values << QString::asprintf("%g",
                                        range.low + (range.high - range.low) * k / range.segments);
        }
        const QFontMetricsF metrics(m_bars->activeTheme()->font());
        const auto widest = [&metrics](const QStringList& labels) {
            qreal width = 0;
            for (const QString& label : labels)
                width = std::max(width, metrics.horizontalAdvance(label));
            return width / metrics.height();
        };
        m_shape3d = {columns,
                     rows,
                     range.high / (range.high - range.low),
                     -range.low / (range.high - range.low),
                     widest(values),
                     widest(categoryLabels),
                     widest(seriesLabels),
                     !m_grid.valueTitle().isEmpty()};
        fitLabels3d();
        m_placed3d = false;
    }
    apply3dView();
}

// Label text about as high as the 2D chart's, whatever the size of the view and the graph.
void ChartView::fitLabels3d() {
    const double points = std::round(2 * labelPointSize(view3d(), m_shape3d, kLabelPixels3d)) / 2;
    QFont font = m_bars->activeTheme()->font();
    if (font.pointSizeF() == points) return;
    font.setPointSizeF(points);
    m_bars->activeTheme()->setFont(font);
}

View3d ChartView::view3d() const {
    return {m_graph3d->size(), cameraRotation(m_grid.rotation()),
            cameraElevation(m_grid.elevation())};
}

void ChartView::apply3dView() {
    const View3d view = view3d();
    const double points = m_bars->activeTheme()->font().pointSizeF();
    const QRect window = window3d(view, m_shape3d, points);
    if (m_graph3d->graphRect() != window) {
        // A graph that turns would move its window on every step: it moves once the turning
        // pauses, or the elevation has changed much, and meanwhile the zoom keeps the drawing
        // inside the window it has.
        const bool tilted = std::abs(view.elevation - m_placedElevation) >= kTiltToPlace;
        if (m_placed3d && !tilted) {
            m_place3d->start();
        } else {
            place3d(window);
            m_placedElevation = view.elevation;
        }
    }
    m_bars->scene()->activeCamera()->setCameraPosition(
        static_cast<float>(view.yaw), static_cast<float>(view.elevation),
        zoom3d(view, m_shape3d, points, m_graph3d->graphRect()));
    m_graph3d->redraw();
}

void ChartView::place3d(const QRect& window) {
    m_placed3d = true;
    m_graph3d->setGraphRect(window);
}

void ChartView::onBarSelected3d(const QPoint& position) {
    if (position == QBar3DSeries::invalidSelectionPosition()) return;
    emit pointSelected(position.x() + 1, position.y() + 1, 0);
    // A later click on the same bar must be reported too, so the selection does not stay.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_series) return;
            m_series->setSelectedBar(QBar3DSeries::invalidSelectionPosition());
            m_graph3d->redraw();
        },
        Qt::QueuedConnection);
}

bool ChartView::mousePressed(QMouseEvent* event) {
    m_lastButton = buttonNumber(event->button());
    const QPointF at = event->position();
    emit mouseDown(m_lastButton, shiftState(event->modifiers()),
                   static_cast<int>(std::lround(toTwips(static_cast<int>(at.x())))),
                   static_cast<int>(std::lround(toTwips(static_cast<int>(at.y())))));
    // The right button belongs to the window's menu; the 3D graph would turn the camera on it.
    return m_lastButton == 2;
}

bool ChartView::eventFilter(QObject* watched, QEvent* event) {
    // The graph is framed for the shape of its view.
    if (event->type() == QEvent::Resize && watched == m_graph3d) {
        fitLabels3d();
        m_placed3d = false;
        apply3dView();
    }
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == m_chartView->viewport() || (m_graph3d && watched == m_graph3d))) {
        const bool consumed = mousePressed(static_cast<QMouseEvent*>(event));
        return consumed && watched == m_graph3d;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zephal::ui

#include "ui/chart_view.h"

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
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QtDataVisualization/qutils.h>
#include <QStackedLayout>
#include <QValue3DAxis>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

#include "ui/chart_legend.h"
#include "ui/dialogs.h"
#include "ui/twips.h"

namespace zephal::ui {
namespace {

// Colours of the series that the window does not colour itself: distinct at a glance and
// readable on a light background.
const std::array<QColor, 10> kPalette = {
    QColor(0x2f, 0x7e, 0xd8), QColor(0xe4, 0x57, 0x2e), QColor(0x29, 0xa3, 0x6a),
    QColor(0xf3, 0xa7, 0x12), QColor(0x7b, 0x5e, 0xa7), QColor(0x17, 0xa2, 0xb8),
    QColor(0x9c, 0x2d, 0x2d), QColor(0x8e, 0x6c, 0x3a), QColor(0xd3, 0x5f, 0xb7),
    QColor(0x5d, 0x6d, 0x7e),
};

// Close enough for the bars to fill the view at the usual angles without clipping their tops.
constexpr float kCameraZoom = 110;

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

// A value range that ends on round numbers, and the number of steps between them, so that the
// 3D axis reads 0, 5, 10 ... rather than 0, 4.6, 9.2 ...
struct AxisRange {
    double low, high;
    int segments;
};

AxisRange niceRange(double low, double high) {
    if (!(high > low)) high = low + 1;
    const double rough = (high - low) / 5;
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    const double residual = rough / magnitude;
    const double step = magnitude * (residual <= 1   ? 1
                                     : residual <= 2 ? 2
                                     : residual <= 5 ? 5
                                                     : 10);
    const double niceLow = std::floor(low / step) * step;
    const double niceHigh = std::ceil(high / step) * step;
    return {niceLow, niceHigh,
            std::max(1, static_cast<int>(std::lround((niceHigh - niceLow) / step)))};
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
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
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
    m_chart->addAxis(m_categoryAxis, Qt::AlignBottom);
    m_barSeries->attachAxis(m_categoryAxis);
    m_valueAxis = new QValueAxis;
    m_valueAxis->setLabelFormat(QStringLiteral("%g"));
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    m_barSeries->attachAxis(m_valueAxis);
    draw2d();
}

QWidget* ChartView::currentView() const {
    return m_stack->currentWidget();
}

QColor ChartView::seriesColor(int series) const {
    if (series == 1 && m_grid.series1Color()) return toQColor(*m_grid.series1Color());
    // Past the palette the colours come again, lighter, then darker, so that up to 30 series
    // stay apart in the legend.
    const auto i = static_cast<std::size_t>(std::max(series - 1, 0));
    const QColor base = kPalette[i % kPalette.size()];
    switch (i / kPalette.size() % 3) {
        case 1:
            return base.lighter(145);
        case 2:
            return base.darker(150);
        default:
            return base;
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
            m_stack->setCurrentWidget(m_container);
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

    QStringList categories;
    for (int r = 1; r <= rows; ++r) categories << m_grid.rowLabelAt(r);
    categories = distinctLabels(categories);
    if (m_categoryAxis->categories() != categories) m_categoryAxis->setCategories(categories);

    const AxisRange range = niceRange(low, high);
    m_valueAxis->setRange(range.low, range.high);
    m_valueAxis->setTickCount(range.segments + 1);
}

bool ChartView::ensure3d() {
    if (m_bars) return true;
    if (m_tried3d) return false;
    m_tried3d = true;

    // Without multisampling: under a software renderer a frame costs a third as much, which
    // keeps the turning chart inside its fastest interval.
    const QSurfaceFormat format = qDefaultSurfaceFormat(false);
    Q3DBars* bars = m_openGlAvailable() ? new Q3DBars(&format) : nullptr;
    if (!bars || !bars->hasContext()) {
        delete bars;
        m_unavailable = new QLabel(kNoOpenGl);
        m_unavailable->setAlignment(Qt::AlignCenter);
        m_unavailable->setWordWrap(false);
        m_stack->addWidget(m_unavailable);
        return false;
    }
    m_bars = bars;
    m_bars->setShadowQuality(QAbstract3DGraph::ShadowQualityNone);
    m_bars->setSelectionMode(QAbstract3DGraph::SelectionItem);
    m_bars->activeTheme()->setType(Q3DTheme::ThemeQt);
    // Label sizes count in scene units here, not in points on the screen.
    QFont labels = font();
    labels.setPointSizeF(30);
    m_bars->activeTheme()->setFont(labels);
    m_bars->activeTheme()->setLabelBackgroundEnabled(false);
    m_bars->setBarThickness(1.0f);
    m_bars->setBarSpacing(QSizeF(0.4, 0.4));
    m_bars->valueAxis()->setLabelFormat(QStringLiteral("%g"));
    m_bars->installEventFilter(this);

    m_series = new QBar3DSeries;
    m_series->setMesh(QAbstract3DSeries::MeshBevelBar);
    m_series->setItemLabelFormat(QStringLiteral("@colLabel: @valueLabel"));
    m_bars->addSeries(m_series);
    connect(m_series, &QBar3DSeries::selectedBarChanged, this, &ChartView::onBarSelected3d);

    m_container = QWidget::createWindowContainer(m_bars);
    m_container->setFocusPolicy(Qt::StrongFocus);
    m_stack->addWidget(m_container);
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
            seriesLabels << m_grid.columnLabelAt(c);
            colors << seriesColor(c);
        }
        for (int r = 1; r <= rows; ++r) categoryLabels << m_grid.rowLabelAt(r);
        m_series->dataProxy()->resetArray(array, seriesLabels, categoryLabels);
        m_series->setRowColors(colors);
        m_series->setBaseColor(seriesColor(1));
        const AxisRange range = niceRange(low, high);
        m_bars->valueAxis()->setRange(static_cast<float>(range.low),
                                      static_cast<float>(range.high));
        m_bars->valueAxis()->setSegmentCount(range.segments);
    }
    apply3dView();
}

void ChartView::apply3dView() {
    Q3DCamera* camera = m_bars->scene()->activeCamera();
    camera->setCameraPosition(cameraRotation(m_grid.rotation()),
                              cameraElevation(m_grid.elevation()), kCameraZoom);
}

void ChartView::onBarSelected3d(const QPoint& position) {
    if (position == QBar3DSeries::invalidSelectionPosition()) return;
    emit pointSelected(position.x() + 1, position.y() + 1, 0);
    // A later click on the same bar must be reported too, so the selection does not stay.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_series) m_series->setSelectedBar(QBar3DSeries::invalidSelectionPosition());
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
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == m_chartView->viewport() || (m_bars && watched == m_bars))) {
        const bool consumed = mousePressed(static_cast<QMouseEvent*>(event));
        return consumed && watched == m_bars;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace zephal::ui

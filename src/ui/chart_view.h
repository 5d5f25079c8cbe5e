// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing side of the chart control: it owns a ChartGrid and draws it as bars, in 2D with
// Qt Charts or in 3D with Q3DBars. The 3D graph is made on the first switch to 3D; where no
// OpenGL context can be had, one line of text takes its place.
//
// Every change of the grid asks for a redraw, and the redraw runs once control is back in the
// event loop, so a handler that writes a whole series draws it once.

#include <QColor>
#include <QWidget>
#include <functional>
#include <vector>

#include "chart/chart_grid.h"
#include "ui/chart_3d_framing.h"

class QLabel;
class QStackedLayout;
class QTimer;

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QChartView;
class QValueAxis;

class Q3DBars;
class QBar3DSeries;

namespace zephal::ui {

class ChartLegend;
class Graph3dWidget;

class ChartView final : public QWidget {
    Q_OBJECT
public:
    // `openGlAvailable` tells whether a 3D graph can be made; by default an OpenGL context is
    // tried. Tests pass their own to stand for a display without OpenGL.
    explicit ChartView(QWidget* parent = nullptr, std::function<bool()> openGlAvailable = {});

    ChartGrid& grid() { return m_grid; }
    const ChartGrid& grid() const { return m_grid; }

    // Draws now what is waiting to be drawn.
    void flush();
    int redrawCount() const { return m_redraws; }

    // What is drawn, for callers that inspect it; the 3D parts are null until the first switch
    // to 3D, and stay null where OpenGL is missing.
    QChart* chart2d() const { return m_chart; }
    QChartView* chartView2d() const { return m_chartView; }
    Q3DBars* bars3d() const { return m_bars; }
    Graph3dWidget* graph3d() const { return m_graph3d; }
    QBar3DSeries* series3d() const { return m_series; }
    QLabel* unavailable3d() const { return m_unavailable; }
    ChartLegend* legend() const { return m_legend; }
    QWidget* currentView() const;

    // The colour of series k (1-based) as drawn.
    QColor seriesColor(int series) const;

signals:
    // A bar was clicked: its series (column) and data point (row), both 1-based.
    void pointSelected(int series, int dataPoint, int mouseFlags);
    // A mouse button went down on the chart: 1 left, 2 right, 4 middle; shift 1, ctrl 2, alt 4;
    // the position in twips from the chart's top left.
    void mouseDown(int button, int shift, int x, int y);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scheduleRedraw();
    void redraw();
    void draw2d();
    bool ensure3d();
    void draw3d();
    void apply3dView();
    void place3d(const QRect& window);
    void fitLabels3d();
    View3d view3d() const;
    bool mousePressed(QMouseEvent* event);
    std::uint32_t firstColor() const;
    void updatePalette();
    void fitCategoryLabels();
    void onBarSelected3d(const QPoint& position);

    ChartGrid m_grid;
    std::function<bool()> m_openGlAvailable;
    QStackedLayout* m_stack = nullptr;
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    QBarSeries* m_barSeries = nullptr;
    QBarCategoryAxis* m_categoryAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    Graph3dWidget* m_graph3d = nullptr;
    Graph3dShape m_shape3d;
    QTimer* m_place3d = nullptr;
    bool m_placed3d = false;
    double m_placedElevation = 0;
    Q3DBars* m_bars = nullptr;
    QBar3DSeries* m_series = nullptr;
    QLabel* m_unavailable = nullptr;
    ChartLegend* m_legend = nullptr;
    bool m_tried3d = false;
    bool m_pending = false;
    int m_redraws = 0;
    int m_lastButton = 0;
    QFont m_labelFont;
    std::vector<QColor> m_palette;
    std::uint32_t m_paletteFirst = 0;
    // Grid content last drawn by each view; a change of the angles alone keeps the bars.
    std::uint64_t m_drawn2d = 0;
    std::uint64_t m_drawn3d = 0;
    std::uint64_t m_drawnLegend = 0;
};

}  // namespace zephal::ui

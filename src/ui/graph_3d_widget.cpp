// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/graph_3d_widget.h"

#include <Q3DBars>
#include <Q3DScene>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace zephal::ui {

Graph3dWidget::Graph3dWidget(std::unique_ptr<Q3DBars> bars, QWidget* parent)
    : QWidget(parent), m_bars(std::move(bars)) {}

Graph3dWidget::~Graph3dWidget() = default;

void Graph3dWidget::setGraphRect(const QRect& rect) {
    if (rect == m_graph) return;
    m_graph = rect;
    redraw();
}

void Graph3dWidget::redraw() {
    m_stale = true;
    update();
}

void Graph3dWidget::paintEvent(QPaintEvent*) {
    if (m_graph.isEmpty()) return;
    // Drawn at the screen's own pixels: the graph scales everything, its labels too, to the
    // size of its picture.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(m_graph.size()) * ratio).toSize();
    if (m_stale || m_picture.size() != pixels) {
        m_picture = m_bars->renderToImage(0, pixels);
        m_picture.setDevicePixelRatio(ratio);
        m_stale = false;
        ++m_frames;
        // The bar found under a click is handed over when the graph next draws.
        if (std::exchange(m_clicked, false)) redraw();
    }
    QPainter painter(this);
    painter.drawImage(m_graph.topLeft(), m_picture);
}

void Graph3dWidget::mousePressEvent(QMouseEvent* event) {
    // The graph finds the bar under a point while it draws its next picture.
    const QPointF at = event->position();
    if (event->button() == Qt::LeftButton && m_graph.contains(at.toPoint())) {
        const QPointF inPicture = (at - m_graph.topLeft()) * devicePixelRatioF();
        m_bars->scene()->setSelectionQueryPosition(inPicture.toPoint());
        m_clicked = true;
        redraw();
    }
    QWidget::mousePressEvent(event);
}

}  // namespace zephal::ui

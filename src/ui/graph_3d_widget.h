// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 3D bar graph drawn by an ordinary widget. Q3DBars is a window of its own, and a child
// window is clipped to its parent only where the window system does it: Wayland shows it
// whole, over the window's toolbar and title bar. So the graph is never shown; it renders off
// the screen, and this widget paints the part of the picture that falls inside it, clipped as
// any widget is.
//
// The graph's picture may be larger than the widget and placed partly outside it: that is how
// it is framed (chart_3d_framing.h).

#include <QImage>
#include <QRect>
#include <QWidget>
#include <memory>

class Q3DBars;

namespace zephal::ui {

class Graph3dWidget final : public QWidget {
    Q_OBJECT
public:
    // Takes the graph over.
    Graph3dWidget(std::unique_ptr<Q3DBars> bars, QWidget* parent = nullptr);
    ~Graph3dWidget() override;

    Q3DBars* bars() const { return m_bars.get(); }

    // Where the graph's picture lies, in the widget's coordinates.
    QRect graphRect() const { return m_graph; }
    void setGraphRect(const QRect& rect);

    // The graph has changed: it is drawn again with the widget's next paint.
    void redraw();

    // How many pictures the graph has drawn.
    int frames() const { return m_frames; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::unique_ptr<Q3DBars> m_bars;
    QRect m_graph;
    QImage m_picture;
    bool m_stale = true;
    bool m_clicked = false;
    int m_frames = 0;
};

}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the 3D bar graph sits in its view. The graph is drawn without perspective, so its
// labels have one size front and back, and everything on the screen grows with the camera's
// zoom: the zoom is the largest at which the bars and labels, seen from the current angles,
// lie inside the view. The camera looks at the floor's centre (value 0), so bars of one sign
// would leave the view's other half empty: the graph's window (the picture it draws, of which
// the view shows a part) reaches beyond the view on the empty side, by as much as centres the
// drawing. Resizing that picture lays the graph out anew, so a turning graph keeps it and only
// the zoom follows the angles.
//
// The sizes it works with were measured on Qt Data Visualization 6.4 drawing without
// perspective.

#include <QRect>
#include <QSize>

namespace zephal::ui {

struct Graph3dShape {
    int rows = 1;      // bar rows, into the depth
    int columns = 1;   // bars across
    double above = 1;  // share of the value axis above the floor, 0 to 1
    double below = 0;  // share below it
    // The widest label of each kind, as the width of its text over its height.
    double valueLabel = 1;
    double columnLabel = 1;
    double rowLabel = 1;
    bool valueTitle = false;
};

// The camera's angles, in degrees: yaw 0 looks at the front of the bars, elevation 0 to 90.
struct View3d {
    QSize size;
    double yaw = 0;
    double elevation = 0;
};

// The label font's point size at which label text reads `textPixels` high, or less where the
// graph would otherwise have too little room.
double labelPointSize(const View3d& view, const Graph3dShape& shape, int textPixels);

// The graph's window, in the view's coordinates: as wide as the view, tall enough to hold the
// drawing at any yaw, and placed to centre it at the view's yaw.
QRect window3d(const View3d& view, const Graph3dShape& shape, double pointSize);

// The camera's zoom (100 = Qt's own) at which the drawing, seen from the view's yaw, lies
// inside both the view and the graph's window.
float zoom3d(const View3d& view, const Graph3dShape& shape, double pointSize, const QRect& window);

}  // namespace zephal::ui

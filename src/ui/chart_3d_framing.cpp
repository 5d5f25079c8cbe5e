// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_3d_framing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace zephal::ui {
namespace {

// The floor's longer side at zoom 100, in pixels: Qt fits it to 0.62 of the window's width or
// to its height. The value axis stands half as high.
double floorLength(QSize window) {
    return std::min(0.62 * window.width(), 0.98 * window.height());
}

// A label's text height at zoom 100 on a floor of 500 pixels, by the font's point size: Qt
// draws no label text smaller than about 16 pixels there, and larger fonts grow slowly.
constexpr std::array<std::pair<double, double>, 7> kTextHeights = {{
    {8, 15.9},
    {12, 17},
    {16, 20},
    {24, 24},
    {32, 28},
    {40, 32},
    {80, 43},
}};
constexpr double kReferenceFloor = 500;

// Along the table, straight between its entries: from points to height, or back.
double alongTextHeights(double x, bool fromHeight) {
    const auto in = [fromHeight](const auto& entry) {
        return fromHeight ? entry.second : entry.first;
    };
    const auto out = [fromHeight](const auto& entry) {
        return fromHeight ? entry.first : entry.second;
    };
    if (x <= in(kTextHeights.front())) return out(kTextHeights.front());
    for (std::size_t i = 1; i < kTextHeights.size(); ++i) {
        const auto& low = kTextHeights[i - 1];
        const auto& high = kTextHeights[i];
        if (x <= in(high))
            return out(low) + (out(high) - out(low)) * (x - in(low)) / (in(high)-in(low));
    }
    return out(kTextHeights.back());
}

double textHeight(double points) {
    return alongTextHeights(points, false);
}

double pointsForTextHeight(double height) {
    return alongTextHeights(height, true);
}

// Between a label and its axis, in text heights; the view's free border, in pixels.
constexpr double kLabelGap = 0.4;
constexpr double kBorder = 6;
// Names seen along their axis still take this share of their length across it.
constexpr double kSlant = 0.8;
// The graph's window grows in steps of this many pixels, so that it seldom changes size.
constexpr int kWindowStep = 48;
// Labels shrink down to this text height, in pixels, before the graph drops below this zoom.
constexpr double kSmallestText = 8;
constexpr double kSmallestGraph = 0.4;

// What has to fit, in pixels at zoom 100, split into the graph and its labels: both grow with
// the zoom, the labels too when their font stays.
struct Extent {
    double halfWidth = 0;
    double top = 0;
    double bottom = 0;
    Extent operator+(const Extent& o) const {
        return {halfWidth + o.halfWidth, top + o.top, bottom + o.bottom};
    }
};

// How much of the floor's width and depth face the reader: at the view's yaw, or at the yaw
// where each faces most (`anyYaw`), for what must hold while the graph turns.
std::pair<double, double> facing(const View3d& view, bool anyYaw) {
    if (anyYaw) return {1, 1};
    const double yaw = view.yaw * M_PI / 180;
    return {std::abs(std::cos(yaw)), std::abs(std::sin(yaw))};
}

Extent graphExtent(const View3d& view, const Graph3dShape& shape, bool anyYaw) {
    const double floor = floorLength(view.size);
    const double longer = std::max({shape.rows, shape.columns, 1});
    const double across = floor / 2 * shape.columns / longer;
    const double deep = floor / 2 * shape.rows / longer;
    const double phi = std::clamp(view.elevation, 0.0, 90.0) * M_PI / 180;
    const auto [c, s] = facing(view, false);
    // Turning, the floor keeps within the circle round it.
    const double radius = std::hypot(across, deep);
    const double wide = anyYaw ? radius : across * c + deep * s;
    const double depth = (anyYaw ? radius : across * s + deep * c) * std::sin(phi);
    const double value = floor / 2 * std::cos(phi);
    return {wide, shape.above * value + depth, shape.below * value + depth};
}

// The labels beyond the graph. Names on the floor turn to face the reader and hang from its
// edges, over bars below the floor; values stand beside the graph.
Extent labelExtent(const View3d& view, const Graph3dShape& shape, double text, bool anyYaw) {
    const double phi = std::clamp(view.elevation, 0.0, 90.0) * M_PI / 180;
    const auto [c, s] = facing(view, anyYaw);
    const double gap = kLabelGap * text;
    const double column = shape.columnLabel * text + gap;
    const double row = shape.rowLabel * text + gap;
    const double values = shape.valueLabel * text + gap + (shape.valueTitle ? 1.5 * text + gap : 0);
    // Seen along their axis, names stack slanting down that axis: never less than most of
    // their length either way.
    const double cx = std::max(c, kSlant), sx = std::max(s, kSlant);
    const double hanging = std::max(column * cx, row * sx) + text / 2;
    const double barsBelow = shape.below * floorLength(view.size) / 2 * std::cos(phi);
    return {std::max({values, column * sx + text, row * cx + text}), text / 2,
            std::max(hanging - barsBelow, text / 2)};
}

double textAt100(QSize window, double pointSize) {
    return textHeight(pointSize) * floorLength(window) / kReferenceFloor;
}

// The zoom at which `graph` grown by the zoom and `fixed` pixels of labels fit the view.
double fittingZoom(QSize view, const Extent& graph, const Extent& fixed) {
    const double across = (view.width() / 2.0 - kBorder - fixed.halfWidth) / graph.halfWidth;
    const double down =
        (view.height() - 2 * kBorder - fixed.top - fixed.bottom) / (graph.top + graph.bottom);
    return std::min(across, down);
}

}  // namespace

double labelPointSize(const View3d& view, const Graph3dShape& shape, int textPixels) {
    if (view.size.isEmpty()) return kTextHeights.front().first;
    const Extent graph = graphExtent(view, shape, false);
    double text = textPixels;
    double zoom = 0;
    for (; text > kSmallestText; text -= 1) {
        zoom = fittingZoom(view.size, graph, labelExtent(view, shape, text, false));
        if (zoom >= kSmallestGraph) break;
    }
    zoom = std::max(zoom, kSmallestGraph);
    text = std::max(text, kSmallestText);
    return pointsForTextHeight(text / zoom * kReferenceFloor / floorLength(view.size));
}

QRect window3d(const View3d& view, const Graph3dShape& shape, double pointSize) {
    if (view.size.isEmpty()) return {QPoint(), view.size};
    // Qt scales the graph to its window: the scale is found again once the height is known.
    const double height = view.size.height();
    QSize window = view.size;
    double floorY = height / 2;
    for (int pass = 0; pass < 3; ++pass) {
        const View3d inWindow{window, view.yaw, view.elevation};
        const double text = textAt100(window, pointSize);
        // Tall enough for any yaw; the floor where it centres the drawing at this one.
        const Extent turning =
            graphExtent(inWindow, shape, true) + labelExtent(inWindow, shape, text, true);
        const Extent now =
            graphExtent(inWindow, shape, false) + labelExtent(inWindow, shape, text, false);
        const double zoom = std::clamp(fittingZoom(view.size, now, {}), 0.1, 5.0);
        floorY = height / 2 + zoom * (now.top - now.bottom) / 2;
        const double reach = std::max(std::clamp(fittingZoom(view.size, turning, {}), 0.1, 5.0) *
                                          std::max(turning.top, turning.bottom),
                                      zoom * std::max(now.top, now.bottom));
        const double needed = 2 * (reach + kBorder);
        const int tall = std::max(view.size.height(),
                                  static_cast<int>(std::ceil(needed / kWindowStep)) * kWindowStep);
        if (tall == window.height()) break;
        window.setHeight(tall);
    }
    return {0, static_cast<int>(std::lround(floorY - window.height() / 2.0)), window.width(),
            window.height()};
}

float zoom3d(const View3d& view, const Graph3dShape& shape, double pointSize, const QRect& window) {
    if (view.size.isEmpty() || window.isEmpty()) return 100;
    const View3d inWindow{window.size(), view.yaw, view.elevation};
    const Extent now = graphExtent(inWindow, shape, false) +
                       labelExtent(inWindow, shape, textAt100(window.size(), pointSize), false);
    // The floor's centre is the window's; the drawing keeps within both the view and the window.
    const double floorY = window.center().y() + 0.5;
    const double above = std::min(floorY, window.height() / 2.0) - kBorder;
    const double below = std::min(view.size.height() - floorY, window.height() / 2.0) - kBorder;
    const double zoom = std::min(
        {(view.size.width() / 2.0 - kBorder) / now.halfWidth, above / now.top, below / now.bottom});
    return static_cast<float>(100 * std::clamp(zoom, 0.1, 5.0));
}

}  // namespace zephal::ui

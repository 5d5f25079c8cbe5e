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

double textHeight(double points) {
    if (points <= kTextHeights.front().first) return kTextHeights.front().second;
    for (std::size_t i = 1; i < kTextHeights.size(); ++i) {
        const auto [p0, h0] = kTextHeights[i - 1];
        const auto [p1, h1] = kTextHeights[i];
        if (points <= p1) return h0 + (h1 - h0) * (points - p0) / (p1 - p0);
    }
    return kTextHeights.back().second;
}

double pointsForTextHeight(double height) {
    if (height <= kTextHeights.front().second) return kTextHeights.front().first;
    for (std::size_t i = 1; i < kTextHeights.size(); ++i) {
        const auto [p0, h0] = kTextHeights[i - 1];
        const auto [p1, h1] = kTextHeights[i];
        if (height <= h1) return p0 + (p1 - p0) * (height - h0) / (h1 - h0);
    }
    return kTextHeights.back().first;
}

// Between a label and its axis, in text heights; the view's free border, in pixels.
constexpr double kLabelGap = 0.4;
constexpr double kBorder = 6;
constexpr double kSlant = 0.8;
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

Extent graphExtent(const View3d& view, const Graph3dShape& shape) {
    const double floor = floorLength(view.size);
    const double longer = std::max({shape.rows, shape.columns, 1});
    const double across = floor / 2 * shape.columns / longer;
    const double deep = floor / 2 * shape.rows / longer;
    const double yaw = view.yaw * M_PI / 180;
    const double phi = std::clamp(view.elevation, 0.0, 90.0) * M_PI / 180;
    const double c = std::abs(std::cos(yaw)), s = std::abs(std::sin(yaw));
    const double depth = (across * s + deep * c) * std::sin(phi);
    const double value = floor / 2 * std::cos(phi);
    return {across * c + deep * s, shape.above * value + depth, shape.below * value + depth};
}

// The labels beyond the graph. Names on the floor turn to face the reader and hang from its
// edges, over bars below the floor; values stand beside the graph.
Extent labelExtent(const View3d& view, const Graph3dShape& shape, double text) {
    const double yaw = view.yaw * M_PI / 180;
    const double phi = std::clamp(view.elevation, 0.0, 90.0) * M_PI / 180;
    const double c = std::abs(std::cos(yaw)), s = std::abs(std::sin(yaw));
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
    const Extent graph = graphExtent(view, shape);
    double text = textPixels;
    double zoom = 0;
    for (; text > kSmallestText; text -= 1) {
        zoom = fittingZoom(view.size, graph, labelExtent(view, shape, text));
        if (zoom >= kSmallestGraph) break;
    }
    zoom = std::max(zoom, kSmallestGraph);
    text = std::max(text, kSmallestText);
    return pointsForTextHeight(text / zoom * kReferenceFloor / floorLength(view.size));
}

Framing3d frame3d(const View3d& view, const Graph3dShape& shape, double pointSize) {
    // The graph's window is as wide as the view and tall enough to hold the drawing centred on
    // the floor; Qt scales the graph to that window, so the scale is found again once the
    // window's height is known.
    QSize window = view.size;
    Framing3d framing;
    for (int pass = 0; pass < 3; ++pass) {
        const View3d inWindow{window, view.yaw, view.elevation};
        const Extent graph = graphExtent(inWindow, shape);
        const Extent all = graph + labelExtent(inWindow, shape, textAt100(window, pointSize));
        const double zoom = std::clamp(fittingZoom(view.size, all, {}), 0.1, 5.0);
        const double top = zoom * all.top, bottom = zoom * all.bottom;
        // In steps, so that a turning graph seldom has its window resized.
        const double needed = 2 * (std::max(top, bottom) + kBorder);
        const int height = std::max(
            view.size.height(), static_cast<int>(std::ceil(needed / kWindowStep)) * kWindowStep);
        const double floorY = view.size.height() / 2.0 + (top - bottom) / 2;
        framing = {static_cast<float>(100 * zoom),
                   QRect(0, static_cast<int>(std::lround(floorY - height / 2.0)), view.size.width(),
                         height)};
        if (height == window.height()) break;
        window.setHeight(height);
    }
    return framing;
}

}  // namespace zephal::ui

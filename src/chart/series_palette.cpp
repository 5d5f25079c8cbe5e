// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/series_palette.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zephal {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

// Full-severity simulations on linear RGB (Machado, Oliveira and Fernandes, 2009).
constexpr std::array<Matrix, 3> kDeficiencies = {{
    {{{0.152286, 1.052583, -0.204868},
      {0.114503, 0.786281, 0.099216},
      {-0.003882, -0.048116, 1.051998}}},  // protanopia
    {{{0.367322, 0.860646, -0.227968},
      {0.280085, 0.672501, 0.047413},
      {-0.011820, 0.042940, 0.968881}}},  // deuteranopia
    {{{1.255528, -0.076749, -0.178779},
      {-0.078411, 0.930809, 0.147602},
      {0.004733, 0.691367, 0.303900}}},  // tritanopia
}};

// Candidates: the colours whose channels are multiples of 51, of mid lightness, so that each
// stands out on the white plot and still shows the shading of a 3D bar.
constexpr int kChannelStep = 51;
constexpr double kLightest = 85;
constexpr double kDarkest = 30;

Vector linearRgb(std::uint32_t rgb) {
    Vector v;
    for (int i = 0; i < 3; ++i) {
        const double c = static_cast<double>((rgb >> (8 * i)) & 0xFFu) / 255;
        v[static_cast<std::size_t>(i)] =
            c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return v;
}

// CIELAB under the D65 white point.
Vector lab(const Vector& linear) {
    const auto f = [](double t) {
        return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116;
    };
    const double x = 0.4124 * linear[0] + 0.3576 * linear[1] + 0.1805 * linear[2];
    const double y = 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2];
    const double z = 0.0193 * linear[0] + 0.1192 * linear[1] + 0.9505 * linear[2];
    const double fx = f(x / 0.95047), fy = f(y), fz = f(z / 1.08883);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

// A colour as seen with normal vision and with each deficiency.
using Views = std::array<Vector, 4>;

Views views(std::uint32_t rgb) {
    const Vector linear = linearRgb(rgb);
    Views out;
    out[0] = lab(linear);
    for (std::size_t d = 0; d < kDeficiencies.size(); ++d) {
        Vector seen;
        for (std::size_t row = 0; row < 3; ++row) {
            double sum = 0;
            for (std::size_t col = 0; col < 3; ++col)
                sum += kDeficiencies[d][row][col] * linear[col];
            seen[row] = std::clamp(sum, 0.0, 1.0);
        }
        out[d + 1] = lab(seen);
    }
    return out;
}

double difference(const Views& a, const Views& b) {
    double smallest = HUGE_VAL;
    for (std::size_t v = 0; v < a.size(); ++v) {
        const double dl = a[v][0] - b[v][0], da = a[v][1] - b[v][1], db = a[v][2] - b[v][2];
        smallest = std::min(smallest, std::sqrt(dl * dl + da * da + db * db));
    }
    return smallest;
}

}  // namespace

double perceivedDifference(std::uint32_t a, std::uint32_t b) {
    return difference(views(a), views(b));
}

std::vector<std::uint32_t> seriesPalette(std::uint32_t first, int count) {
    std::vector<std::uint32_t> colors;
    if (count <= 0) return colors;
    colors.push_back(first & 0xFFFFFFu);

    struct Candidate {
        std::uint32_t rgb;
        Views seen;
        double nearest;  // difference to the nearest colour taken so far
    };
    std::vector<Candidate> candidates;
    const Views firstSeen = views(colors[0]);
    for (int r = 0; r <= 255; r += kChannelStep) {
        for (int g = 0; g <= 255; g += kChannelStep) {
            for (int b = 0; b <= 255; b += kChannelStep) {
                const auto rgb = static_cast<std::uint32_t>(r | g << 8 | b << 16);
                const Views seen = views(rgb);
                if (seen[0][0] < kDarkest || seen[0][0] > kLightest) continue;
                candidates.push_back({rgb, seen, difference(seen, firstSeen)});
            }
        }
    }
    const auto picks = std::min(static_cast<std::size_t>(count) - 1, candidates.size());
    for (std::size_t i = 0; i < picks; ++i) {
        const auto pick = std::max_element(
            candidates.begin(), candidates.end(),
            [](const Candidate& a, const Candidate& b) { return a.nearest < b.nearest; });
        colors.push_back(pick->rgb);
        const Views taken = pick->seen;
        for (Candidate& c : candidates) c.nearest = std::min(c.nearest, difference(c.seen, taken));
    }
    // More series than candidates (more than any quantity has units): the colours come again.
    for (std::size_t k = colors.size(); k < static_cast<std::size_t>(count); ++k) {
        colors.push_back(colors[1 + (k - 1) % picks]);
    }
    return colors;
}

}  // namespace zephal

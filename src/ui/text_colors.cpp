// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/text_colors.h"

#include <algorithm>
#include <cmath>

namespace zephal::ui {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// One sRGB component, 0 to 255, as linear light.
double linear(std::uint32_t component) {
    const double c = component / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(std::uint32_t rgb) {
    return 0.2126 * linear(rgb & 0xFF) + 0.7152 * linear(rgb >> 8 & 0xFF) +
           0.0722 * linear(rgb >> 16 & 0xFF);
}

double contrastRatio(std::uint32_t first, std::uint32_t second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

std::uint32_t readableTextColor(std::uint32_t background, std::uint32_t preferred) {
    if (contrastRatio(background, preferred) >= kReadableContrast) return preferred;
    return contrastRatio(background, kBlack) >= contrastRatio(background, kWhite) ? kBlack : kWhite;
}

}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/rotation.h"

#include <algorithm>
#include <cmath>

#include "convert/number_text.h"

namespace zephal {

int rotationInterval(bool chartIs2D, const RotationOptions& options, std::int16_t rotSpeed) {
    if (chartIs2D || !options.dynamic) return 0;
    if (!options.perpendicular && !options.horizontal) return 0;
    return std::max<int>(rotSpeed, 0);
}

ViewAngles steppedAngles(ViewAngles angles, bool perpendicular, bool horizontal) {
    if (perpendicular) angles.rotation += kAngleStep;
    if (horizontal) angles.elevation += kAngleStep;
    return angles;
}

ViewAngles wrappedAngles(ViewAngles angles) {
    if (angles.elevation >= kFullTurn) angles.elevation = 0;
    if (angles.rotation >= kFullTurn) angles.rotation = 0;
    return angles;
}

std::int16_t rotationSpeedFromSlider(int position) {
    const int v = std::clamp(position, kSpeedSliderMin, kSpeedSliderMax);
    // Each step of five positions divides the interval by ten; the slow half is then doubled
    // and the fast half made linear, so that the fastest end stays at a drawable 50 ms.
    double speed = number::roundHalfEven(1000.0 / std::pow(10.0, v / 5.0));
    if (v < kSpeedSliderDefault) {
        speed *= 2;
    } else if (v > kSpeedSliderDefault) {
        speed = number::roundHalfEven(100.0 - ((v - kSpeedSliderDefault) * 100.0) / 10.0);
    }
    return static_cast<std::int16_t>(speed);
}

}  // namespace zephal

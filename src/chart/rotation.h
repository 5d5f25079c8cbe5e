// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the turning 3D chart, free of any window: the timer's interval from the
// rotation options, one tick's step of the view angles, and the interval that a position of
// the speed slider stands for.

#include <cstdint>

namespace zephal {

// The 3D view angles in degrees, as the chart window keeps them between ticks.
struct ViewAngles {
    std::int32_t rotation = 60;
    std::int32_t elevation = 30;
    friend bool operator==(const ViewAngles&, const ViewAngles&) = default;
};

struct RotationOptions {
    bool dynamic = false;       // the master switch
    bool perpendicular = true;  // step the rotation
    bool horizontal = false;    // step the elevation
};

// The timer interval in milliseconds; 0 keeps the timer stopped. The chart turns only in 3D,
// with the master switch on and at least one of the two movements chosen.
int rotationInterval(bool chartIs2D, const RotationOptions& options, std::int16_t rotSpeed);

inline constexpr std::int32_t kAngleStep = 10;
inline constexpr std::int32_t kFullTurn = 360;

// The angles to show on this tick: each chosen movement advanced by one step.
ViewAngles steppedAngles(ViewAngles angles, bool perpendicular, bool horizontal);
// The angles to keep for the next tick once the view is set: a full turn starts again at 0,
// so the view is handed 360 once per turn and never 0 while turning.
ViewAngles wrappedAngles(ViewAngles angles);

inline constexpr int kSpeedSliderMin = 0;
inline constexpr int kSpeedSliderMax = 10;
inline constexpr int kSpeedSliderDefault = 5;

// The interval for a slider position, from 2000 ms at 0 to 50 ms at 10 (100 ms at 5).
// Positions beyond the slider's ends count as its ends.
std::int16_t rotationSpeedFromSlider(int position);

}  // namespace zephal

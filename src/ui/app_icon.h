// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon, drawn in code so that it is sharp at every size and resolution.

#include <QIcon>

namespace zephal::ui {

// A blue tile with three rising bars and a two-way arrow: values carried from one unit to
// another and drawn as bars. Holds 16 to 256 pixel images.
QIcon appIcon();

}  // namespace zephal::ui

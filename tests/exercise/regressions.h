// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Faults the exerciser has found, each kept as the shrunk list of actions that showed it and
// replayed by every test run, in both builds, with every invariant checked: a fault that comes
// back fails the run that brings it.

#include <vector>

#include "action.h"

namespace zephal::exercise {

struct Regression {
    const char* name;
    // The commit and seed it was found on and how it failed there, so that a case can be
    // checked to still catch its fault on that commit.
    const char* found;
    std::vector<Action> actions;
};

const std::vector<Regression>& regressions();

}  // namespace zephal::exercise

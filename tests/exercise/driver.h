// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The driver: plays each seed's session in a child process of its own, so that a crash or a
// sanitizer report ends only that session and the driver can still print the seed and the
// actions the child logged before it ended; then shrinks each kind of failure it found to the
// fewest actions that still fail the same way, replaying each candidate in a child as well.

#include <cstdint>
#include <set>
#include <string>

namespace zephal::exercise {

struct DriverOptions {
    std::uint32_t firstSeed = 1;
    std::uint32_t lastSeed = 20;
    int actions = 300;
    std::set<std::string> setAside;  // as the child takes them: "2", "3:value-kept"
    std::string leaveOut;            // kinds of action not generated, as the child takes them
    double shrinkSeconds = 300;      // for all shrinking of one run
    double childSeconds = 0;         // 0: worked out from the number of actions
    std::string outFolder;           // logs and shrunk lists; a temporary folder when empty
};

// Returns the number of seeds whose session failed.
int runSeeds(const DriverOptions& options);

// Replays every regression case in a child of its own (seeds, actions and shrinking unused);
// returns the number that failed.
int runRegressions(const DriverOptions& options);

}  // namespace zephal::exercise

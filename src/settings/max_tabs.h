// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The maximum number of tabs as the settings window's field gives it, and what an edit of that
// field does to Tmax and the unit tables.

#include <QStringView>
#include <cstdint>
#include <optional>

#include "app/app_state.h"

namespace zephal {

// An edit to fewer tabs than this sets Tmax but leaves the tables their size, so that the first
// digit of a number typed digit by digit ("1" on the way to "12") throws no stored tab away.
inline constexpr int kSmallestResizedTabs = 4;

// The number in the field, rounded halves to even, when it is a whole number of tabs the tables
// can hold (1 to 32767); nothing for empty text, letters, zero, negatives and overflow.
std::optional<std::int16_t> maxTabsFromText(QStringView text);

// An edit of the field to n tabs: Tmax follows, and the tables grow to n tabs keeping their
// contents when n is at least kSmallestResizedTabs. They never shrink here: a lower maximum
// takes effect at the next read that starts afresh, so that the grid's buttons keep opening the
// quantities they show and a number typed digit by digit ("5" on the way to "50") loses no tab.
// Entering the Tmax already held does nothing.
void editMaxTabs(AppState& state, std::int16_t n);

}  // namespace zephal

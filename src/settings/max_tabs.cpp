// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/max_tabs.h"

#include "convert/number_text.h"

namespace zephal {

std::optional<std::int16_t> maxTabsFromText(QStringView text) {
    const auto n = number::toInt16(text);
    if (!n.ok() || n.value < 1) return std::nullopt;
    return n.value;
}

void editMaxTabs(AppState& state, std::int16_t n) {
    if (n == state.Tmax) return;
    state.Tmax = n;
    if (n >= kSmallestResizedTabs && n > state.tables.tabCount()) {
        state.tables.resizeKeepingContents(n);
    }
}

}  // namespace zephal

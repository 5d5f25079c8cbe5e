// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tab_widths.h"

#include <algorithm>
#include <numeric>

namespace zephal::ui {
namespace {

// Shares `room` equally among the tabs marked in `sharing`, adding to their widths; the first
// ones take the pixels left over by the division.
void share(std::vector<int>& widths, const std::vector<bool>& sharing, int room) {
    const auto count = static_cast<int>(std::count(sharing.begin(), sharing.end(), true));
    if (count == 0) return;
    int leftOver = room % count;
    for (std::size_t t = 0; t < widths.size(); ++t) {
        if (!sharing[t]) continue;
        widths[t] += room / count + (leftOver > 0 ? 1 : 0);
        --leftOver;
    }
}

}  // namespace

std::vector<int> tabWidths(const std::vector<int>& needed, int row) {
    row = std::max(row, 0);
    const std::size_t n = needed.size();
    std::vector<int> widths(n, 0);
    if (n == 0) return widths;
    long long total = 0;
    for (const int need : needed) total += std::max(need, 0);
    if (total <= row) {
        for (std::size_t t = 0; t < n; ++t) widths[t] = std::max(needed[t], 0);
        share(widths, std::vector<bool>(n, true), row - static_cast<int>(total));
        return widths;
    }
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&needed](std::size_t a, std::size_t b) { return needed[a] < needed[b]; });
    std::vector<bool> cut(n, true);
    int room = row;
    auto left = static_cast<int>(n);
    for (const std::size_t t : order) {
        const int need = std::max(needed[t], 0);
        if (need > room / left) break;
        widths[t] = need;
        cut[t] = false;
        room -= need;
        --left;
    }
    share(widths, cut, room);
    return widths;
}

}  // namespace zephal::ui

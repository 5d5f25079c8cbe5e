// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state that every window shares for the whole run: the unit tables filled from the unit
// data file, the global counters, flags and colours, and the chart data a conversion window
// hands to the chart window. One AppState lives in the application object; nothing is static.

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/random_numbers.h"

namespace zephal {

inline constexpr int kCommandsPerTab = 20;
inline constexpr int kFunctionsPerCommand = 20;

struct TabItem {
    QString Name;
    std::int16_t Count = 0;  // commands stored for the tab
};

struct CommandItem {
    QString Name;
    std::int16_t BaseIndex = 0;  // function item preselected in a conversion window
    std::int16_t Count = 0;      // function items stored for the command
};

struct FunctionItem {
    QString Name;
    float Factor = 0;  // number of this unit in one reference unit of the quantity
};

// TabItems(t), CommandItems(c, t) and FunctionItems(c, i, t), the tab number always last.
// Only the tab dimension changes size. A tab's records are allocated when first written, so a
// large maximum number of tabs costs nothing until a file fills those tabs.
class UnitTables {
public:
    UnitTables() = default;
    UnitTables(const UnitTables& other);
    UnitTables& operator=(const UnitTables& other);
    UnitTables(UnitTables&&) noexcept = default;
    UnitTables& operator=(UnitTables&&) noexcept = default;

    // Discards everything and sizes the tables for `tabs` tabs of fresh records.
    void reset(int tabs);
    // Resizes to `tabs` tabs: tabs below both sizes keep their contents, added tabs are fresh.
    void resizeKeepingContents(int tabs);

    int tabCount() const { return static_cast<int>(m_tabs.size()); }
    bool hasTab(int t) const { return t >= 0 && t < tabCount(); }
    static bool validCommand(int c) { return c >= 0 && c < kCommandsPerTab; }
    static bool validFunction(int i) { return i >= 0 && i < kFunctionsPerCommand; }

    // Read access; a tab, command or item outside the tables reads as a fresh record, so no
    // subscript a window works out can fail.
    const TabItem& TabItems(int t) const;
    const CommandItem& CommandItems(int c, int t) const;
    const FunctionItem& FunctionItems(int c, int i, int t) const;

    // Write access, for the reader and tests only; named apart from the read access so that a
    // window holding non-const state never reaches it by overload. The caller checks the
    // subscripts first (hasTab, validCommand, ...); a subscript outside the tables throws.
    TabItem& editTabItems(int t);
    CommandItem& editCommandItems(int c, int t);
    FunctionItem& editFunctionItems(int c, int i, int t);

private:
    struct Tab {
        TabItem tab;
        std::array<CommandItem, kCommandsPerTab> commands;
        std::array<FunctionItem, kCommandsPerTab * kFunctionsPerCommand> functions;
    };
    const Tab* find(int t) const;
    Tab& touch(int t);

    std::vector<std::unique_ptr<Tab>> m_tabs;
};

// Reading a ChartValues entry gives the current text of the value box it refers to, or nothing
// when that box no longer exists.
using ValueRef = std::function<std::optional<QString>()>;

struct AppState {
    UnitTables tables;

    // Public variables of the main window.
    std::int16_t Tmax = 0;  // maximum number of tabs; sizes the tables
    std::int16_t UTn = 0;   // tab records counted so far, rejected ones included

    std::int16_t ChartShown = 0;
    std::int16_t ChartCount = 0;
    std::int16_t RotSpeed = 0;
    std::optional<std::uint32_t> PlotColor;         // unset until the main window loads
    std::optional<std::uint32_t> UnitCommandColor;  // unset until a conversion window activates
    std::int16_t WindowCount = 0;
    std::int16_t ChartOwner = 0;
    // Window number (F2x) of the conversion window whose rows ChartValues refer to; 0 for none.
    std::int16_t ChartSender = 0;
    std::int16_t ConvertLock = 0;
    // Bounds 0 to n once a conversion window has sent data; empty (unallocated) before.
    std::vector<ValueRef> ChartValues;
    std::vector<std::optional<QString>> ChartUnits;

    // The program's random numbers (the grid's button colours); never seeded.
    RandomNumbers random;

    // Empties the tables and sizes them for Tmax tabs; UTn becomes 0.
    // False (nothing changed) when Tmax is below 1 and no table can be made.
    bool ResetTables();
};

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One user action of an exercised session, as it is generated from a seed, logged while it is
// played, and read back for a replay.
//
// A generated action may carry raw numbers where it names something that exists only while the
// session runs (an open conversion window, a unit, a row, a visible button); before it plays
// one, the player reduces them to what they name and logs that, so a logged list replays the
// same session exactly and still plays when shrinking has dropped actions before it. Each action
// prints as one C++ initializer, `{Act::TypeValue, 1, 0, 0, "1e40"},`, that pastes into a table of
// actions.

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace zephal::exercise {

enum class Act {
    // Main window. ClickQuantity a = button number k (a generated action: any number above
    // every button, which the player turns into a button, mostly a visible one).
    ClickQuantity,
    ChangeTab,  // a = tab
    OpenFile,   // a = entry of the data file pool
    ShowSetting,
    ShowHelp,
    ResizeMain,  // a x b pixels
    ActivateMain,
    FindQuantity,  // text typed into the find field, then Enter
    // The command display settings, shown first when they are not.
    TypeMaxTabs,    // text typed key by key over the field's text
    SettingOption,  // a = SettingControl
    CloseSetting,   // the close box, which unloads it
    // The chart settings, reached through the chart window when they are not shown.
    ChartOption,    // a = ChartSettingControl
    ChartSpeed,     // a = slider position
    PickPlotColor,  // a = RGB chosen in the colour dialog, -1 = cancelled
    CloseChartSetting,
    // Conversion window `window` (the open ones in the order they were opened).
    TypeValue,    // text typed key by key over the value
    PasteValue,   // text repeated a times pasted over the value
    DeleteValue,  // a = DeleteKind
    PickUnit,     // a = unit list entry
    StepBar,      // a = StepKind
    TypeStep,     // text typed key by key over the step
    TickRow,      // a = row
    CopyRows,
    ChartRows,
    ActivateConversion,
    ResizeConversion,  // a x b pixels
    CloseConversion,
    // Chart window, while it is shown.
    PickSeries,    // a = position of the series list
    ChartButton,   // a = toolbar button 2 to 6
    PointPopup,    // series a, data point b
    RotationMenu,  // a = item of the rotation pop-up
    RightClick,
    TimerTicks,  // a ticks of the rotation timer, when it runs
    ActivateChart,
    ResizeChart,  // a x b pixels
    CloseChart,
    // Help window, shown first when it is not.
    HelpTab,     // a = tab
    ResizeHelp,  // a x b pixels
    CloseHelp,
};

enum SettingControl {
    kResetOption,
    kRandomize,
    kLight,
    kDeep,
    kJapanese,
    kOk,
    kClose,
    kSettingControls
};
enum ChartSettingControl {
    kDynamic,
    kPerpendicular,
    kHorizontal,
    kPlotColorOption,
    kUnitColorOption,
    kRefresh,
    kCloseChartSetting,
    kChartSettingControls
};
enum DeleteKind { kBackspaceAtEnd, kDeleteAtHome, kSelectAllDelete, kDeleteKinds };
enum StepKind {
    kArrowRight,
    kArrowLeft,
    kPageRight,
    kPageLeft,
    kKeyRight,
    kKeyLeft,
    kKeyHome,
    kKeyEnd,
    kKeyPageUp,
    kStepKinds
};

struct Action {
    Action(Act kind, int in = 0, int first = 0, int second = 0, std::string words = {})
        : act(kind), window(in), a(first), b(second), text(std::move(words)) {}

    Act act;
    int window;
    int a;
    int b;
    std::string text;
    bool operator==(const Action&) const = default;
};

// Generated clicks carry a number at least this large; anything below names the button itself.
inline constexpr int kAnyQuantity = 1 << 24;

const char* actName(Act act);
std::optional<Act> actFromName(const std::string& name);

// `{Act::Name, window, a, b, "text"},` and back; nothing for a line that is no action.
std::string toLine(const Action& action);
std::optional<Action> fromLine(const std::string& line);

// The first `count` actions of the session of `seed`: they depend on the seed alone (and on
// `leftOut`, kinds of action never to generate, to look past a fault that ends every session).
std::vector<Action> generateSession(std::uint32_t seed, int count,
                                    const std::set<Act>& leftOut = {});

}  // namespace zephal::exercise

// SPDX-License-Identifier: GPL-3.0-or-later
#include "action.h"

#include <array>
#include <random>
#include <regex>

#include "data_pool.h"

namespace zephal::exercise {
namespace {

struct Kind {
    Act act;
    const char* name;
    int weight;  // out of the sum of all weights
};

// Weights: typing and clicking in conversion windows and opening them come most often, closing
// windows seldom enough that several are usually open at once.
constexpr Kind kKinds[] = {
    {Act::ClickQuantity, "ClickQuantity", 80},
    {Act::ChangeTab, "ChangeTab", 15},
    {Act::OpenFile, "OpenFile", 22},
    {Act::ShowSetting, "ShowSetting", 6},
    {Act::ShowHelp, "ShowHelp", 5},
    {Act::ResizeMain, "ResizeMain", 5},
    {Act::TypeMaxTabs, "TypeMaxTabs", 22},
    {Act::SettingOption, "SettingOption", 25},
    {Act::CloseSetting, "CloseSetting", 4},
    {Act::ChartOption, "ChartOption", 20},
    {Act::ChartSpeed, "ChartSpeed", 8},
    {Act::PickPlotColor, "PickPlotColor", 6},
    {Act::CloseChartSetting, "CloseChartSetting", 3},
    {Act::TypeValue, "TypeValue", 90},
    {Act::PasteValue, "PasteValue", 25},
    {Act::DeleteValue, "DeleteValue", 25},
    {Act::PickUnit, "PickUnit", 45},
    {Act::StepBar, "StepBar", 40},
    {Act::TypeStep, "TypeStep", 15},
    {Act::TickRow, "TickRow", 45},
    {Act::CopyRows, "CopyRows", 25},
    {Act::ChartRows, "ChartRows", 25},
    {Act::ActivateConversion, "ActivateConversion", 40},
    {Act::ResizeConversion, "ResizeConversion", 4},
    {Act::CloseConversion, "CloseConversion", 18},
    {Act::PickSeries, "PickSeries", 25},
    {Act::ChartButton, "ChartButton", 35},
    {Act::PointPopup, "PointPopup", 15},
    {Act::RotationMenu, "RotationMenu", 12},
    {Act::RightClick, "RightClick", 4},
    {Act::TimerTicks, "TimerTicks", 12},
    {Act::ActivateChart, "ActivateChart", 10},
    {Act::ResizeChart, "ResizeChart", 8},
    {Act::CloseChart, "CloseChart", 8},
    {Act::HelpTab, "HelpTab", 5},
    {Act::ResizeHelp, "ResizeHelp", 3},
    {Act::CloseHelp, "CloseHelp", 3},
    {Act::ActivateMain, "ActivateMain", 8},
    {Act::FindQuantity, "FindQuantity", 20},
};

// Values a user might type or paste: plain and odd numbers, a comma for a point, a hex prefix,
// letters, numbers beyond the single range, and numbers that only fit as double.
const char* const kValues[] = {
    "2",   "12.75",  "-3",    "0",    "1e40", "-1e40",   "2,5",    "&HFFFF",  "&O777",
    "abc", "12.5kg", "1 000", "-2e3", "1e38", "3.4E+38", "1E-45",  "1e-30",   "999999999999999",
    ".5",  "-0",     "1D3",   "+7",   "e5",   "&H",      "0.0001", "32767.5", "-32769",
    "7",
};
const char* const kMaxTabs[] = {"0",  "-1", "4", "5", "7",   "12",    "32767", "abc",
                                "10", "3",  "",  "1", "2.5", "99999", "9",     "8"};
// Queries of the find field: a value with a unit (read in part, too small, too large), a unit, a
// quantity, and text that names nothing.
const char* const kFinds[] = {"355 MPa", "2,5 ft", "kN",    "Length", "12 kcal_IT/h",
                              "1e-44 m", "°F",     "-3 in", "zzz",    "1e40 psi"};
const char* const kSteps[] = {"1", "5", "0", "-2", "abc", "32767", "40000", "", "2.5", "100"};

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

const char* actName(Act act) {
    for (const Kind& k : kKinds) {
        if (k.act == act) return k.name;
    }
    return "?";
}

std::optional<Act> actFromName(const std::string& name) {
    for (const Kind& k : kKinds) {
        if (name == k.name) return k.act;
    }
    return std::nullopt;
}

std::string toLine(const Action& action) {
    return "{Act::" + std::string(actName(action.act)) + ", " + std::to_string(action.window) +
           ", " + std::to_string(action.a) + ", " + std::to_string(action.b) + ", \"" +
           escaped(action.text) + "\"},";
}

std::optional<Action> fromLine(const std::string& line) {
    static const std::regex pattern(
        R"re(^\s*\{\s*Act::(\w+)\s*(?:,\s*(-?\d+)\s*)?(?:,\s*(-?\d+)\s*)?(?:,\s*(-?\d+)\s*)?)re"
        R"re((?:,\s*"((?:[^"\\]|\\.)*)"\s*)?\}\s*,?\s*$)re");
    std::smatch m;
    if (!std::regex_match(line, m, pattern)) return std::nullopt;
    const auto act = actFromName(m[1].str());
    if (!act) return std::nullopt;
    Action action{*act};
    const auto number = [&m](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
    action.window = number(2);
    action.a = number(3);
    action.b = number(4);
    for (std::size_t i = 0; m[5].matched && i < m[5].str().size(); ++i) {
        const std::string raw = m[5].str();
        if (raw[i] == '\\' && i + 1 < raw.size()) ++i;
        action.text += raw[i];
    }
    return action;
}

std::vector<Action> generateSession(std::uint32_t seed, int count, const std::set<Act>& leftOut) {
    // Only the engine's raw output is used: its sequence is fixed by the standard, unlike the
    // distributions', so a seed gives the same session with any library.
    std::mt19937 rng(seed);
    const auto below = [&rng](std::uint32_t n) { return static_cast<int>(rng() % n); };
    const auto pick = [&below](const auto& texts) {
        return std::string(texts[below(static_cast<std::uint32_t>(std::size(texts)))]);
    };
    const auto weight = [&leftOut](const Kind& k) {
        return leftOut.contains(k.act) ? 0 : k.weight;
    };
    std::uint32_t total = 0;
    for (const Kind& k : kKinds) total += static_cast<std::uint32_t>(weight(k));
    if (total == 0) return {};

    std::vector<Action> session;
    session.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int n = 0; n < count; ++n) {
        int r = below(total);
        Act act = kKinds[0].act;
        for (const Kind& k : kKinds) {
            if (r < weight(k)) {
                act = k.act;
                break;
            }
            r -= weight(k);
        }
        // Window, entry and row numbers are raw: the player reduces them to what is open.
        Action a{act, below(1000), below(1000), below(1000)};
        switch (act) {
            case Act::ClickQuantity:
                a.a = kAnyQuantity + below(1 << 20);
                break;
            case Act::OpenFile:
                a.a = below(static_cast<std::uint32_t>(dataPoolSize()));
                break;
            case Act::ResizeMain:
            case Act::ResizeConversion:
            case Act::ResizeChart:
            case Act::ResizeHelp:
                a.a = 40 + below(1400);
                a.b = 40 + below(1100);
                break;
            case Act::TypeMaxTabs:
                a.text = pick(kMaxTabs);
                break;
            case Act::SettingOption:
                a.a = below(kSettingControls);
                break;
            case Act::ChartOption:
                a.a = below(kChartSettingControls);
                break;
            case Act::ChartSpeed:
                a.a = below(11);
                break;
            case Act::PickPlotColor:
                a.a = below(4) == 0 ? -1 : static_cast<int>(rng() & 0xFFFFFF);
                break;
            case Act::TypeValue:
                a.text = pick(kValues);
                break;
            case Act::PasteValue:
                // Now and then ten thousand characters at once.
                if (below(4) == 0) {
                    a.text = below(2) ? "7" : "x";
                    a.a = 10000;
                } else {
                    a.text = pick(kValues);
                    a.a = 1;
                }
                break;
            case Act::DeleteValue:
                a.a = below(kDeleteKinds);
                break;
            case Act::StepBar:
                a.a = below(kStepKinds);
                break;
            case Act::TypeStep:
                a.text = pick(kSteps);
                break;
            case Act::FindQuantity:
                a.text = pick(kFinds);
                break;
            case Act::PickSeries:
                a.a = below(6);
                break;
            case Act::ChartButton:
                a.a = 2 + below(5);
                break;
            case Act::PointPopup:
                a.a = 1 + below(22);
                a.b = 1 + below(22);
                break;
            case Act::RotationMenu:
                a.a = below(4);
                break;
            case Act::TimerTicks:
                a.a = 1 + below(40);
                break;
            case Act::HelpTab:
                a.a = below(2);
                break;
            default:
                break;
        }
        session.push_back(std::move(a));
    }
    return session;
}

}  // namespace zephal::exercise

// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app_state.h"

namespace zephal {
namespace {
const TabItem kFreshTab{};
const CommandItem kFreshCommand{};
const FunctionItem kFreshFunction{};
}  // namespace

UnitTables::UnitTables(const UnitTables& other) {
    *this = other;
}

UnitTables& UnitTables::operator=(const UnitTables& other) {
    if (this == &other) return *this;
    std::vector<std::unique_ptr<Tab>> copy(other.m_tabs.size());
    for (std::size_t t = 0; t < copy.size(); ++t) {
        if (other.m_tabs[t]) copy[t] = std::make_unique<Tab>(*other.m_tabs[t]);
    }
    m_tabs = std::move(copy);
    return *this;
}

void UnitTables::reset(int tabs) {
    m_tabs.clear();
    m_tabs.resize(static_cast<std::size_t>(std::max(tabs, 0)));
}

void UnitTables::resizeKeepingContents(int tabs) {
    m_tabs.resize(static_cast<std::size_t>(std::max(tabs, 0)));
}

const UnitTables::Tab* UnitTables::find(int t) const {
    return hasTab(t) ? m_tabs[static_cast<std::size_t>(t)].get() : nullptr;
}

UnitTables::Tab& UnitTables::touch(int t) {
    auto& slot = m_tabs.at(static_cast<std::size_t>(t));
    if (!slot) slot = std::make_unique<Tab>();
    return *slot;
}

const TabItem& UnitTables::TabItems(int t) const {
    const Tab* tab = find(t);
    return tab ? tab->tab : kFreshTab;
}

const CommandItem& UnitTables::CommandItems(int c, int t) const {
    const Tab* tab = find(t);
    return tab && validCommand(c) ? tab->commands[static_cast<std::size_t>(c)] : kFreshCommand;
}

const FunctionItem& UnitTables::FunctionItems(int c, int i, int t) const {
    const Tab* tab = find(t);
    if (!tab || !validCommand(c) || !validFunction(i)) return kFreshFunction;
    return tab->functions[static_cast<std::size_t>(c * kFunctionsPerCommand + i)];
}

TabItem& UnitTables::editTabItems(int t) {
    return touch(t).tab;
}

CommandItem& UnitTables::editCommandItems(int c, int t) {
    return touch(t).commands.at(static_cast<std::size_t>(c));
}

FunctionItem& UnitTables::editFunctionItems(int c, int i, int t) {
    return touch(t).functions.at(static_cast<std::size_t>(c * kFunctionsPerCommand + i));
}

bool AppState::ResetTables() {
    if (Tmax < 1) return false;
    tables.reset(Tmax);
    UTn = 0;
    return true;
}

}  // namespace zephal

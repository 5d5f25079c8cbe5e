#include "app/app_state.h"

namespace zephal {
namespace {
const TabItem kFreshTab{};
const CommandItem kFreshCommand{};
const FunctionItem kFreshFunction{};
}  // namespace

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

TabItem& UnitTables::TabItems(int t) { return touch(t).tab; }

CommandItem& UnitTables::CommandItems(int c, int t) {
    return touch(t).commands.at(static_cast<std::size_t>(c));
}

FunctionItem& UnitTables::FunctionItems(int c, int i, int t) {
    return touch(t).functions.at(static_cast<std::size_t>(c * kFunctionsPerCommand + i));
}

bool AppState::ResetTables() {
    if (Tmax < 1) return false;
    tables.reset(Tmax);
    UTn = 0;
    return true;
}

}  // namespace zephal

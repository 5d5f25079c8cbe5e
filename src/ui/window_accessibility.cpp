// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_accessibility.h"

#include <QAccessibleWidget>

#include "ui/window.h"

namespace zephal::ui {
namespace {

QAccessibleInterface* windowInterface(const QString&, QObject* object) {
    auto* window = qobject_cast<QWidget*>(object);
    if (!window || !window->isWindow() || !dynamic_cast<Window*>(window)) return nullptr;
    // A window's accessible name is its caption already; only the role is wrong.
    return new QAccessibleWidget(window, QAccessible::Window);
}

}  // namespace

void exposeWindowsAsFrames() {
    QAccessible::removeFactory(windowInterface);
    QAccessible::installFactory(windowInterface);
}

}  // namespace zephal::ui

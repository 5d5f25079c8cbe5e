// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/toolbar_keys.h"

#include <QAction>
#include <QKeyEvent>
#include <QToolBar>
#include <QToolButton>

#include "ui/focus_mark.h"

namespace zephal::ui {
namespace {

// Enter presses a tool button as Space does; the toolkit leaves Enter to dialogs' default
// buttons, and these windows have none.
class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        static_cast<QToolButton*>(watched)->animateClick();
        return true;
    }
};

}  // namespace

void reachByKeys(QToolBar* toolbar) {
    auto* enter = new EnterPresses(toolbar);
    // The overflow button too, which holds the buttons a narrow window leaves out.
    for (QToolButton* button : toolbar->findChildren<QToolButton*>()) {
        // Not on a click: the keyboard stays in the box being typed in.
        button->setFocusPolicy(Qt::TabFocus);
        button->installEventFilter(enter);
        showFocusMark(button);
    }
}

void setCommandKey(QToolBar* toolbar, QAction* action, const QKeySequence& key,
                   Qt::ShortcutContext context) {
    action->setShortcut(key);
    action->setShortcutContext(context);
    action->setToolTip(tipWithKey(action->toolTip(), key));
    if (QWidget* button = toolbar->widgetForAction(action)) {
        button->setAccessibleDescription(action->toolTip());
    }
}

QString tipWithKey(const QString& tip, const QKeySequence& key) {
    return tip + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) + u')';
}

}  // namespace zephal::ui

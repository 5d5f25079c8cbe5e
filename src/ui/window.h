// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window that is loaded on first touch and unloaded by its close box, and the slot in the
// application object that hands it out. The slot creates the window hidden and runs its load
// step the first time it is asked for it, and again after the window was unloaded.

#include <QCloseEvent>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace zephal::ui {

class Window : public QWidget {
public:
    using QWidget::QWidget;

    // Called once when the close box unloads the window, before it is deleted.
    std::function<void()> onUnload;

    // Shows the window modeless and brings it to the front with the keyboard.
    void showInFront() {
        show();
        raise();
        activateWindow();
    }

    // A small fixed settings window: single border, close box only, no task-bar entry.
    void makeFixedToolWindow() {
        setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    }

protected:
    // The close box unloads: the window's unload step runs and the window goes away.
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        Form_Unload();
        if (onUnload) onUnload();
        deleteLater();
    }
    virtual void Form_Unload() {}
};

template <class W>
class WindowSlot {
public:
    WindowSlot() = default;
    WindowSlot(const WindowSlot&) = delete;
    WindowSlot& operator=(const WindowSlot&) = delete;
    ~WindowSlot() { delete m_window.data(); }

    // The window, created by `make` and loaded when there is none.
    template <class Make>
    W& get(Make&& make) {
        if (!m_window) {
            W* window = make();
            m_window = window;
            window->onUnload = [this] { m_window = nullptr; };
            window->Form_Load();
        }
        return *m_window;
    }

    // The window when it is loaded, else null; never loads it.
    W* loaded() const { return m_window.data(); }

private:
    QPointer<W> m_window;
};

}  // namespace zephal::ui

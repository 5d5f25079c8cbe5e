#pragma once
// The application object: it owns the shared state and every window that exists at most once,
// hands those windows out (creating and loading them on first touch), and runs the start-up.
// A test makes a fresh Application and gets a fresh program.

#include <functional>

#include "app/app_state.h"
#include "ui/window.h"

namespace zephal {

namespace ui {
class Dialogs;
}
class Form1;
class Setting;

inline const QString kDefaultDataFile = QStringLiteral("zephal.zep");

class Application {
public:
    explicit Application(ui::Dialogs& dialogs);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    AppState& state() { return m_state; }
    ui::Dialogs& dialogs() { return m_dialogs; }

    Form1& form1();
    Setting& setting();
    Setting* settingLoaded() const;

    // Start-up, in order: show the main window (it loads), build the grid, apply the display
    // settings, read the default data file.
    void Main();

    // Closing the main window ends the whole program at once.
    void endProgram();
    bool ended() const { return m_ended; }
    // What ending does; the program leaves its event loop, a test records it.
    std::function<void()> onEnd;

private:
    AppState m_state;
    ui::Dialogs& m_dialogs;
    bool m_ended = false;
    ui::WindowSlot<Setting> m_setting;
    ui::WindowSlot<Form1> m_form1;
};

}  // namespace zephal

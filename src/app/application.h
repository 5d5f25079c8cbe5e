// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object: it owns the shared state and every window that exists at most once,
// hands those windows out (creating and loading them on first touch), and runs the start-up.
// A test makes a fresh Application and gets a fresh program.

#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/app_state.h"
#include "chart/series_builder.h"
#include "ui/window.h"

namespace zephal {

namespace ui {
class Dialogs;
}
class Form1;
class Form2;
class Form3;
class Chart1;
class Setting;
class frmAbout;

class Application {
public:
    explicit Application(ui::Dialogs& dialogs);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    AppState& state() { return m_state; }
    // The chart window's layout switches, kept while the window is closed and reopened.
    ChartModes& chartModes() { return m_chartModes; }
    ui::Dialogs& dialogs() { return m_dialogs; }

    // The windows that exist at most once: created hidden and loaded on first touch, and again
    // after their close box unloaded them. The ...Loaded() forms never load.
    Form1& form1();
    Setting& setting();
    Setting* settingLoaded() const;
    Form3& form3();
    Form3* form3Loaded() const;
    Chart1& chart1();
    Chart1* chart1Loaded() const;
    frmAbout& about();
    frmAbout* aboutLoaded() const;

    // Conversion windows, any number, each registered when it is created.
    void registerConversionWindow(Form2* window);
    std::vector<Form2*> conversionWindows() const;

    // Start-up, in order: show the main window (it loads), build the grid, apply the display
    // settings, read the data file found first in the folders it may be in, or say where it
    // was looked for.
    void Main();
    // Those folders, in the order of the search; empty before the start-up looked.
    const QStringList& dataFolders() const { return m_dataFolders; }

    // Closing the main window ends the whole program at once.
    void endProgram();
    bool ended() const { return m_ended; }
    // What ending does; the program leaves its event loop, a test records it.
    std::function<void()> onEnd;

private:
    AppState m_state;
    ChartModes m_chartModes;
    ui::Dialogs& m_dialogs;
    bool m_ended = false;
    QStringList m_dataFolders;
    std::vector<QPointer<Form2>> m_conversionWindows;
    ui::WindowSlot<frmAbout> m_about;
    ui::WindowSlot<Form3> m_form3;
    ui::WindowSlot<Chart1> m_chart1;
    ui::WindowSlot<Setting> m_setting;
    ui::WindowSlot<Form1> m_form1;
};

}  // namespace zephal

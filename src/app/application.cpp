// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "app/main_window.h"
#include "chart/chart_window.h"
#include "convert/conversion_window.h"
#include "help/about_window.h"
#include "settings/chart_settings_window.h"
#include "settings/setting_window.h"
#include "ui/dialogs.h"
#include "ui/window_accessibility.h"
#include "units/data_file_search.h"
#include "units/unit_reader.h"

namespace zephal {
namespace {

units::DataFileEnvironment processEnvironment() {
    return {QDir::currentPath(), qEnvironmentVariable("HOME"),
            qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("XDG_DATA_DIRS"),
            QCoreApplication::applicationDirPath()};
}

}  // namespace

Application::Application(ui::Dialogs& dialogs) : m_dialogs(dialogs) {
    ui::exposeWindowsAsFrames();
    onEnd = [] { QCoreApplication::exit(0); };
}

Application::~Application() {
    for (const auto& window : m_conversionWindows) delete window.data();
}

Form1& Application::form1() {
    return m_form1.get([this] { return new Form1(*this); });
}

Setting& Application::setting() {
    return m_setting.get([this] { return new Setting(*this); });
}

Setting* Application::settingLoaded() const {
    return m_setting.loaded();
}

Form3& Application::form3() {
    return m_form3.get([this] { return new Form3(*this); });
}

Form3* Application::form3Loaded() const {
    return m_form3.loaded();
}

Chart1& Application::chart1() {
    return m_chart1.get([this] { return new Chart1(*this); });
}

Chart1* Application::chart1Loaded() const {
    return m_chart1.loaded();
}

frmAbout& Application::about() {
    return m_about.get([this] { return new frmAbout(*this); });
}

frmAbout* Application::aboutLoaded() const {
    return m_about.loaded();
}

void Application::registerConversionWindow(Form2* window) {
    std::erase_if(m_conversionWindows, [](const QPointer<Form2>& w) { return w.isNull(); });
    m_conversionWindows.emplace_back(window);
}

std::vector<Form2*> Application::conversionWindows() const {
    std::vector<Form2*> windows;
    for (const auto& window : m_conversionWindows) {
        if (window) windows.push_back(window.data());
    }
    return windows;
}

void Application::Main() {
    Form1& main = form1();
    main.show();
    main.Start_Click();
    setting().Form1_set();
    if (m_ended) return;
    const units::DataFileSearch search = units::findDataFile(
        processEnvironment(), [](const QString& path) { return QFileInfo(path).isFile(); });
    m_dataFolders = search.folders;
    if (!search.path.isEmpty()) {
        main.SetData(search.path);
    } else {
        m_dialogs.message(&main, units::notFoundMessage(units::kDataFileName) +
                                     QStringLiteral("\r\n") + units::lookedInLine(search.folders));
    }
}

void Application::endProgram() {
    if (m_ended) return;
    m_ended = true;
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    if (onEnd) onEnd();
}

}  // namespace zephal

#include "app/application.h"

#include <QApplication>
#include <QWidget>

#include "app/main_window.h"
#include "settings/setting_window.h"

namespace zephal {

Application::Application(ui::Dialogs& dialogs) : m_dialogs(dialogs) {
    onEnd = [] { QCoreApplication::exit(0); };
}

Application::~Application() = default;

Form1& Application::form1() {
    return m_form1.get([this] { return new Form1(*this); });
}

Setting& Application::setting() {
    return m_setting.get([this] { return new Setting(*this); });
}

Setting* Application::settingLoaded() const { return m_setting.loaded(); }

void Application::Main() {
    Form1& main = form1();
    main.show();
    main.Start_Click();
    setting().Form1_set();
    if (!m_ended) main.SetData(kDefaultDataFile);
}

void Application::endProgram() {
    if (m_ended) return;
    m_ended = true;
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    if (onEnd) onEnd();
}

}  // namespace zephal

#include "settings/setting_window.h"

#include "app/application.h"
#include "convert/number_text.h"
#include "ui/twips.h"

namespace zephal {

Setting::Setting(Application& app) : m_app(app) {
    setWindowTitle(QStringLiteral("Setting"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    Label1 = new QLabel(QStringLiteral("Convert Item Max Tabs : "), this);
    ui::setGeometryTw(Label1, {180, 225, 1905, 330});
    Text1 = new QLineEdit(QStringLiteral("10"), this);
    ui::setGeometryTw(Text1, {2160, 225, 735, 285});
    Check2 = new QCheckBox(QStringLiteral("Reset unit data at opening *.zep file"), this);
    Check2->setChecked(true);
    ui::setGeometryTw(Check2, {180, 675, 3525, 285});
    Label2 = new QLabel(QStringLiteral("(It has not checked in addition.)"), this);
    ui::setGeometryTw(Label2, {450, 1035, 2940, 195});

    setFixedSize(ui::toPixels(3915), ui::toPixels(3900));
}

void Setting::Form1_set() {
    const auto tabs = number::toInt16(Text1->text());
    if (tabs.ok() && tabs.value >= 1) m_app.state().Tmax = tabs.value;
}

}  // namespace zephal

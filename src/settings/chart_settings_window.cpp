#include "settings/chart_settings_window.h"

#include "app/application.h"

namespace zephal {

Form3::Form3(Application& app) : m_app(app) { setWindowTitle(QStringLiteral("Chart setting")); }

}  // namespace zephal

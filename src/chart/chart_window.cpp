#include "chart/chart_window.h"

#include "app/application.h"

namespace zephal {

Chart1::Chart1(Application& app) : m_app(app) { setWindowTitle(QStringLiteral("Chart")); }

void Chart1::Form_Load() {}

}  // namespace zephal

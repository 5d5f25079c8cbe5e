#include "convert/conversion_window.h"

#include "app/application.h"

namespace zephal {

Form2::Form2(Application& app) : m_app(app) { setWindowTitle(QStringLiteral("Form2")); }

void Form2::Form_Load() {}

}  // namespace zephal

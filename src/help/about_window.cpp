#include "help/about_window.h"

#include "app/application.h"

namespace zephal {

frmAbout::frmAbout(Application& app) : m_app(app) { setWindowTitle(QStringLiteral("About")); }

}  // namespace zephal

#pragma once
#include "ui/window.h"

namespace zephal {

class Application;

// frmAbout, the help and information window.
class frmAbout final : public ui::Window {
public:
    explicit frmAbout(Application& app);

    void Form_Load() {}

private:
    Application& m_app;
};

}  // namespace zephal

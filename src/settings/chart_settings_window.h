#pragma once
#include "ui/window.h"

namespace zephal {

class Application;

// Form3, the chart settings: rotation options, rotation speed and plot colour.
class Form3 final : public ui::Window {
public:
    explicit Form3(Application& app);

    void Form_Load() {}

private:
    Application& m_app;
};

}  // namespace zephal

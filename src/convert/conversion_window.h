#pragma once
#include <cstdint>

#include "ui/window.h"

namespace zephal {

class Application;

// Form2, a conversion window: one quantity, a value, and a result row per unit.
class Form2 final : public ui::Window {
public:
    explicit Form2(Application& app);

    void Form_Load();

    std::int16_t Cmd1x = 0;
    std::int16_t F2x = 0;
    float Mdx = 0;

private:
    Application& m_app;
};

}  // namespace zephal

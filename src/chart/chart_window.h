#pragma once
#include <cstdint>

#include "ui/window.h"

namespace zephal {

class Application;

// Chart1, the chart window: the data of the conversion window that sent it last, as bars.
class Chart1 final : public ui::Window {
public:
    explicit Chart1(Application& app);

    void Form_Load();
    void Timer_sets() {}
    void Chart_color() {}

    std::int32_t lngRotation = 0;
    std::int32_t lngElevation = 0;

private:
    Application& m_app;
};

}  // namespace zephal

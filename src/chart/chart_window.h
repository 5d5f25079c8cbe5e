// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <cstdint>
#include <vector>

#include "ui/window.h"

namespace zephal {

class Application;
struct ChartModes;
namespace ui {
class ChartView;
}

// Chart1, the chart window: the data of the conversion window that sent it last, as bars.
class Chart1 final : public ui::Window {
public:
    explicit Chart1(Application& app);
    ~Chart1() override;

    // The caption of a chart that shows no conversion window's rows.
    static QString designCaption();

    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    void Form_Terminate();

    // Shows the window modeless and draws the chart data as it stands now.
    void showModeless();

    // Starts the rotation timer at RotSpeed when the chart is 3D and the rotation options of
    // the chart settings ask for it, else stops it.
    void Timer_sets();
    // Colours series 1 with the colour chosen in the chart settings.
    void Chart_color();

    void Toolbar1_ButtonClick(int index);
    // Rebuilds the chosen series from the chart data.
    void Combo1_Click();
    void MSChart1_PointSelected(int series, int dataPoint, int mouseFlags, int& cancel);
    void MSChart1_MouseDown(int button, int shift, int x, int y);
    void m20_Click(int Index);
    void Timer1_Timer();

    std::int32_t lngRotation = 0;
    std::int32_t lngElevation = 0;
    // Entry of the largest value of the last percentage series built.
    std::int16_t intMaxRow = 1;

    bool blnIndividual() const;
    bool blnLogChart() const;

    // Index 1 is the placeholder holding Combo1; 2 to 6 are the buttons (index 0 unused).
    QToolBar* Toolbar1;
    std::vector<QAction*> Buttons;
    QComboBox* Combo1;
    ui::ChartView* MSChart1;
    // Under the bars: which units have no bar and why; hidden while every bar is drawn.
    QLabel* lblNoBars;
    QTimer* Timer1;
    QMenu* menu10;
    std::vector<QAction*> m10;
    QMenu* menu20;
    std::vector<QAction*> m20;

protected:
    void Form_Unload() override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Chart_mode(std::int16_t mode);
    void setTimer1Interval(int milliseconds);
    ChartModes& modes();
    const ChartModes& modes() const;

    Application& m_app;
    bool m_unloaded = false;
};

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QToolBar>
#include <cstdint>
#include <optional>
#include <vector>

#include "ui/window.h"

namespace zephal {

class Application;

// Form2, a conversion window: one quantity, a value, and a result row per unit.
//
// The opener sets Cmd1x and F2x, runs Form_Load, sets the caption and shows the window. All
// arithmetic is in convert/conversion.h; this class moves texts between it and the controls.
// Positions are the design positions in twips, measured from below the toolbar.
class Form2 final : public ui::Window {
public:
    explicit Form2(Application& app);

    void Form_Load();
    void Form_Activate();

    std::int16_t Cmd1x = 0;
    std::int16_t F2x = 0;
    float Mdx = 0;

    // Writes every row from the entered value and the selected unit; does nothing while
    // ConvertLock is set, and leaves it set.
    void Converts();

    // Toolbar buttons by index: 2 puts the results on the clipboard, 4 sends them to the chart.
    void Toolbar1_ButtonClick(int index);

    // The area below the toolbar; design positions count from its top left.
    QWidget* client() const { return m_client; }
    // The part of it that holds the rows, and scrolls them where the screen is too low.
    QScrollArea* rowsArea() const { return m_rowsArea; }

    QToolBar* Toolbar1;
    QLineEdit* Text1;            // the value to convert
    QLineEdit* Text2;            // the scroll bar's step
    std::vector<QLabel*> Text3;  // captions: "Change covert value", "Step"
    QScrollBar* HScroll1;
    QComboBox* Combo1;
    std::vector<QLabel*> Label1;
    // One row per unit: caption, scale factor, converted value, short unit name, chart tick.
    std::vector<QLabel*> Ln;
    std::vector<QLineEdit*> Tn;
    std::vector<QLineEdit*> Tx;
    std::vector<QLabel*> Lx;
    std::vector<QCheckBox*> Ck;
    // In place of the rows when the quantity has no units; null otherwise.
    QLabel* lblNoUnits = nullptr;

    const std::vector<double>& UnitFactors() const { return m_unitFactors; }
    const QStringList& UnitNames() const { return m_unitNames; }

protected:
    void Form_Unload() override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Combo1_Click();
    void Text1_Change();
    void Text1_KeyPress(QKeyEvent* event);
    void Text2_Change();
    void HScroll1_Change();
    void HScroll1_GotFocus();
    bool HScroll1_KeyDown(QKeyEvent* event);
    void Chart_Click();
    void Ck_Click(int Index);
    void exportToClipboard();

    void buildToolbar();
    void buildControls();
    void addRow();
    void nameRows(const QStringList& items);
    void fitUnitColumn();
    void fitWindow();
    void showNoUnits();
    bool japaneseUnitFont();
    void setScrollPositionQuietly(int whole);
    void markPartlyRead(const std::optional<QString>& note);

    Application& m_app;
    QWidget* m_client;
    QScrollArea* m_rowsArea;
    QWidget* m_rows;
    QPoint m_rowsOrigin;      // where the twips origin of the rows lies in m_rows
    int m_clientWidthTw = 0;  // the client width the rows ask for
    std::vector<double> m_unitFactors;
    QStringList m_unitNames;
    // Set while typing moves the scroll bar: the typed text then stays as the user wrote it.
    bool m_positionFollowsText = false;
    bool m_partlyRead = false;  // the value box shows its tint: the reader left text out
    bool m_unloaded = false;    // the close box has closed the window; it goes soon
    // Rows 0 .. m_placedRows - 1 stand in their places and are shown; placing them again
    // would change nothing, so a conversion only writes their texts.
    std::size_t m_placedRows = 0;
    int m_heightTw = 0;  // the outer height the rows last asked for
};

}  // namespace zephal

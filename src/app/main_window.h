// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <vector>

#include "app/grid_layout.h"
#include "ui/row_tab_widget.h"
#include "ui/window.h"

namespace zephal {

class Application;
class FindField;

// Form1, the main window: the toolbar and the tab control holding the grid of quantity buttons.
class Form1 final : public ui::Window {
public:
    explicit Form1(Application& app);

    void Form_Load();
    // Builds 10 tabs of 20 hidden quantity buttons; called once at start-up.
    void Start_Click();
    // Reads a unit data file into the tables and lays the grid out from them.
    void SetData(const QString& path);

    void Toolbar1_ButtonClick(int imageNumber);
    // Opens a new conversion window for quantity button k.
    void Command1_Click(int k);

    QToolBar* Toolbar1;
    ui::RowTabWidget* SSTab1;
    // Element 0 is the design-time template; elements 1 .. are the grid, k = 20 t + c + 1.
    std::vector<QPushButton*> Command1;

    FindField* findField() const { return m_find; }

    int buttonTabs() const { return static_cast<int>(Command1.size() - 1) / 20; }

protected:
    void Form_Unload() override;
    void mousePressEvent(QMouseEvent* event) override;  // Form_Click
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layoutGrid();
    void fitWindow();
    void fitCaptions();
    void addPage(const QString& caption);
    void setTabCount(int tabs);
    QWidget* page(int t);
    void buildTabButtons(int t);
    QPoint pageOrigin() const;

    Application& m_app;
    FindField* m_find;
    GridLayout m_layout;   // of the last read, before the captions widened it
    QString m_dataFolder;  // of the data file read last; the open-file dialog starts there
};

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tab control whose shown tabs share one row of its width equally, the way the main window's
// grid is laid out: the window's width follows the number of tabs shown, so every tab can be
// seen and clicked. A caption too long for its share is shortened with an ellipsis; its whole
// text is the tab's tool tip and accessible name. A hidden tab can be reached by no key, click
// or accessibility action.

#include <QTabWidget>

namespace zephal::ui {

class RowTabWidget final : public QTabWidget {
public:
    explicit RowTabWidget(QWidget* parent = nullptr);

    // Shows or hides tab t, and keeps the current page on a shown tab.
    void setTabShown(int t, bool shown);
    int shownTabs() const;
    // The caption as the data file gives it, shown as plain text.
    void setCaption(int t, const QString& caption);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void keepCurrentOnShownTab();
};

}  // namespace zephal::ui

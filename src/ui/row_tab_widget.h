// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A tab control whose shown tabs share one row of its width, the way the main window's grid is
// laid out: the window's width follows the number of tabs shown, so every tab can be seen and
// clicked. Each tab is as wide as its caption needs where the row holds them all; only where it
// does not is a caption shortened with an ellipsis, and its whole text is always the tab's tool
// tip and accessible name. A hidden tab can be reached by no key, click or accessibility action.

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
    // Whether tab t shows its whole caption.
    bool captionWhole(int t) const;
    // The width of a row in which every shown caption reads whole, in pixels.
    int wholeCaptionsWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void keepCurrentOnShownTab();
};

}  // namespace zephal::ui

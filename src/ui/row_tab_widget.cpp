// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/row_tab_widget.h"

#include <QTabBar>

namespace zephal::ui {
namespace {

// Each shown tab is as wide as its share of the row; the first tabs take the pixels left over
// by the division, so the shares fill the row exactly.
class RowTabBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

    // Lays the tabs out again for a row of `width` pixels.
    void setRowWidth(int width) {
        if (width == m_rowWidth) return;
        m_rowWidth = width;
        setElideMode(elideMode());  // the public way to have the tabs measured again
    }

protected:
    QSize tabSizeHint(int index) const override {
        return shared(QTabBar::tabSizeHint(index), index);
    }
    QSize minimumTabSizeHint(int index) const override {
        return shared(QTabBar::minimumTabSizeHint(index), index);
    }

private:
    QSize shared(QSize hint, int index) const {
        int shown = 0, position = -1;
        for (int t = 0; t < count(); ++t) {
            if (!isTabVisible(t)) continue;
            if (t == index) position = shown;
            ++shown;
        }
        if (shown == 0 || position < 0 || m_rowWidth <= 0) return hint;
        const int share = m_rowWidth / shown;
        hint.setWidth(share + (position < m_rowWidth % shown ? 1 : 0));
        return hint;
    }

    int m_rowWidth = 0;
};

}  // namespace

RowTabWidget::RowTabWidget(QWidget* parent) : QTabWidget(parent) {
    auto* bar = new RowTabBar(this);
    bar->setElideMode(Qt::ElideRight);
    bar->setUsesScrollButtons(false);
    bar->setExpanding(false);
    setTabBar(bar);
    connect(this, &QTabWidget::currentChanged, this, &RowTabWidget::keepCurrentOnShownTab);
}

void RowTabWidget::setTabShown(int t, bool shown) {
    // A hidden tab is also disabled: Ctrl+Tab, the arrow keys and the mouse wheel pass over
    // disabled tabs.
    setTabEnabled(t, shown);
    setTabVisible(t, shown);
    keepCurrentOnShownTab();
}

int RowTabWidget::shownTabs() const {
    int shown = 0;
    for (int t = 0; t < count(); ++t) shown += isTabVisible(t) ? 1 : 0;
    return shown;
}

void RowTabWidget::setCaption(int t, const QString& caption) {
    setTabText(t, QString(caption).replace(u'&', QStringLiteral("&&")));  // no access key
    setTabToolTip(t, caption);
    tabBar()->setAccessibleTabName(t, caption);
}

void RowTabWidget::resizeEvent(QResizeEvent* event) {
    static_cast<RowTabBar*>(tabBar())->setRowWidth(width());
    QTabWidget::resizeEvent(event);
}

// An accessibility action or a programmatic change may still pick a hidden tab: the page of the
// nearest shown tab before it, or else after it, is shown instead.
void RowTabWidget::keepCurrentOnShownTab() {
    const int current = currentIndex();
    if (current < 0 || isTabVisible(current)) return;
    for (int step = 1; step < count(); ++step) {
        for (const int t : {current - step, current + step}) {
            if (t >= 0 && t < count() && isTabVisible(t)) {
                setCurrentIndex(t);
                return;
            }
        }
    }
}

}  // namespace zephal::ui

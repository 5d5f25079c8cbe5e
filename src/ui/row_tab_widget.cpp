// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/row_tab_widget.h"

#include <QEvent>
#include <QTabBar>
#include <vector>

#include "ui/tab_widths.h"

namespace zephal::ui {
namespace {

// The shown tabs share one row: each as wide as its caption needs where the row holds them all
// (tabWidths), the widths worked out once for each layout.
class RowTabBar final : public QTabBar {
public:
    using QTabBar::QTabBar;

    // Lays the tabs out again for a row of `width` pixels.
    void setRowWidth(int width) {
        if (width == m_rowWidth) return;
        m_rowWidth = width;
        relayout();
    }
    // After a tab is shown, hidden or captioned anew.
    void relayout() {
        m_widths.clear();
        setElideMode(elideMode());  // the public way to have the tabs measured again
    }
    // Whether tab t shows its whole caption.
    bool captionWhole(int t) const {
        return t >= 0 && t < count() && needed(t) <= tabRect(t).width();
    }
    // The row every shown caption reads whole in.
    int wholeCaptionsWidth() const {
        int total = 0;
        for (int t = 0; t < count(); ++t) total += isTabVisible(t) ? needed(t) : 0;
        return total;
    }

protected:
    QSize tabSizeHint(int index) const override {
        return shared(QTabBar::tabSizeHint(index), index);
    }
    QSize minimumTabSizeHint(int index) const override {
        return shared(QTabBar::minimumTabSizeHint(index), index);
    }
    void tabInserted(int index) override {
        m_widths.clear();
        QTabBar::tabInserted(index);
    }
    void tabRemoved(int index) override {
        m_widths.clear();
        QTabBar::tabRemoved(index);
    }
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            m_widths.clear();
        }
        QTabBar::changeEvent(event);
    }

private:
    int needed(int index) const { return QTabBar::tabSizeHint(index).width(); }

    QSize shared(QSize hint, int index) const {
        if (m_rowWidth <= 0 || index < 0 || index >= count() || !isTabVisible(index)) return hint;
        if (static_cast<int>(m_widths.size()) != count()) {
            std::vector<int> shown, needs;
            for (int t = 0; t < count(); ++t) {
                if (!isTabVisible(t)) continue;
                shown.push_back(t);
                needs.push_back(needed(t));
            }
            const std::vector<int> widths = tabWidths(needs, m_rowWidth);
            m_widths.assign(static_cast<std::size_t>(count()), 0);
            for (std::size_t i = 0; i < shown.size(); ++i) {
                m_widths[static_cast<std::size_t>(shown[i])] = widths[i];
            }
        }
        hint.setWidth(m_widths[static_cast<std::size_t>(index)]);
        return hint;
    }

    int m_rowWidth = 0;
    mutable std::vector<int> m_widths;  // per tab, 0 for a hidden one; empty when out of date
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
    static_cast<RowTabBar*>(tabBar())->relayout();
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
    static_cast<RowTabBar*>(tabBar())->relayout();
}

int RowTabWidget::wholeCaptionsWidth() const {
    return static_cast<const RowTabBar*>(tabBar())->wholeCaptionsWidth();
}

bool RowTabWidget::captionWhole(int t) const {
    return static_cast<const RowTabBar*>(tabBar())->captionWhole(t);
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

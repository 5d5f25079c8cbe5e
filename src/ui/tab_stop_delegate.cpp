// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tab_stop_delegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace zephal::ui {
namespace {

// Room the style leaves between an item's edge and its text.
int textMargin(const QWidget* widget) {
    const QStyle* style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

}  // namespace

TabStopDelegate::TabStopDelegate(QList<double> stopsInChars, QObject* parent)
    : QStyledItemDelegate(parent), m_stops(std::move(stopsInChars)) {}

QTextOption TabStopDelegate::textOption(const QFont& font) const {
    const double charWidth = QFontMetricsF(font).averageCharWidth();
    QList<QTextOption::Tab> tabs;
    for (double stop : m_stops) tabs << QTextOption::Tab(stop * charWidth, QTextOption::LeftTab);
    QTextOption option(Qt::AlignLeft | Qt::AlignVCenter);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabs(tabs);
    if (m_stops.size() >= 2) {
        option.setTabStopDistance((m_stops.last() - m_stops[m_stops.size() - 2]) * charWidth);
    }
    return option;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();  // the style draws the background, selection and focus; the text is ours
    const QWidget* widget = opt.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const int margin = textMargin(widget);
    const QRectF textRect = QRectF(opt.rect).adjusted(margin, 0, -margin, 0);
    const QPalette::ColorGroup group = !(opt.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (opt.state & QStyle::State_Active) ? QPalette::Normal
                                                                            : QPalette::Inactive;
    const QPalette::ColorRole role =
        (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;

    painter->save();
    painter->setClipRect(opt.rect);
    painter->setFont(opt.font);
    painter->setPen(opt.palette.color(group, role));
    painter->drawText(textRect, text, textOption(opt.font));
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    QTextLayout layout(opt.text, opt.font);
    layout.setTextOption(textOption(opt.font));
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) line.setLineWidth(1e6);
    layout.endLayout();
    const double width = line.isValid() ? line.naturalTextWidth() : 0;
    const QSize base = QStyledItemDelegate::sizeHint(option, index);
    return {static_cast<int>(std::ceil(width)) + 2 * textMargin(opt.widget), base.height()};
}

}  // namespace zephal::ui

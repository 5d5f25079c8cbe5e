// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/chart_legend.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace zephal::ui {
namespace {
// In units of the font's average character width: the key, the gap after it, the longest
// name shown whole, and the margins around a column.
constexpr int kKeyChars = 2;
constexpr int kGapChars = 1;
constexpr int kNameChars = 14;
constexpr int kMarginChars = 1;
}  // namespace

ChartLegend::ChartLegend(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, QColor(0x40, 0x40, 0x40));
    setPalette(p);
}

void ChartLegend::setEntries(std::vector<Entry> entries) {
    m_entries = std::move(entries);
    fitWidth();
    update();
}

int ChartLegend::entryHeight() const {
    return fontMetrics().height() + fontMetrics().height() / 3;
}

int ChartLegend::rowsPerColumn() const {
    const int margin = fontMetrics().averageCharWidth() * kMarginChars;
    return std::max(1, (height() - 2 * margin) / entryHeight());
}

int ChartLegend::columnCount() const {
    const int rows = rowsPerColumn();
    return std::max(1, (static_cast<int>(m_entries.size()) + rows - 1) / rows);
}

int ChartLegend::columnWidth() const {
    const QFontMetrics fm = fontMetrics();
    const int ch = fm.averageCharWidth();
    int widest = 0;
    for (const Entry& e : m_entries) widest = std::max(widest, fm.horizontalAdvance(e.label));
    // A little room beyond the widest name: eliding cuts a name that fills its space exactly.
    return (kKeyChars + kGapChars + kMarginChars) * ch + std::min(widest + ch / 2, kNameChars * ch);
}

QSize ChartLegend::sizeHint() const {
    return {columnCount() * columnWidth(), 0};
}

void ChartLegend::fitWidth() {
    const int width = columnCount() * columnWidth() + fontMetrics().averageCharWidth();
    if (width != this->width()) setFixedWidth(width);
}

void ChartLegend::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitWidth();
}

void ChartLegend::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitWidth();
}

void ChartLegend::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm = fontMetrics();
    const int ch = fm.averageCharWidth();
    const int rows = rowsPerColumn();
    const int line = entryHeight();
    const int column = columnWidth();
    const int key = fm.ascent() * 3 / 4;
    // Entries start level with the top of the chart and, in one column, sit in its middle.
    const int used = std::min(rows, static_cast<int>(m_entries.size())) * line;
    const int top = std::max(ch * kMarginChars, (height() - used) / 2);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const int col = static_cast<int>(i) / rows;
        const int row = static_cast<int>(i) % rows;
        const int x = col * column;
        const int y = top + row * line;
        const QRect keyRect(x, y + (line - key) / 2, key, key);
        p.fillRect(keyRect, m_entries[i].color);
        p.setPen(m_entries[i].color.darker(140));
        p.drawRect(keyRect.adjusted(0, 0, -1, -1));
        p.setPen(palette().color(QPalette::WindowText));
        const int textLeft = x + (kKeyChars + kGapChars) * ch;
        const int textWidth = column - (kKeyChars + kGapChars + kMarginChars) * ch;
        p.drawText(QRect(textLeft, y, textWidth, line), Qt::AlignVCenter | Qt::AlignLeft,
                   fm.elidedText(m_entries[i].label, Qt::ElideRight, textWidth));
    }
}

}  // namespace zephal::ui

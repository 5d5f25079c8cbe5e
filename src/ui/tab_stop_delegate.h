// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Draws list items whose columns are separated by tab characters. The tab stops are counted in
// average character widths of the item's font, so the columns line up whatever the font, its
// size and the screen's resolution.

#include <QList>
#include <QStyledItemDelegate>

namespace zephal::ui {

class TabStopDelegate final : public QStyledItemDelegate {
public:
    // Stops in average character widths from the start of the text, ascending; tabs after the
    // last stop advance by the distance between the last two stops.
    TabStopDelegate(QList<double> stopsInChars, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QTextOption textOption(const QFont& font) const;

    QList<double> m_stops;
};

}  // namespace zephal::ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart's legend: a colour key and a name per series, beside the 2D and the 3D view alike.
// Entries that do not fit one above the other run on in further columns, so that none is cut
// off however many series there are.

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

namespace zephal::ui {

class ChartLegend final : public QWidget {
public:
    struct Entry {
        QString label;
        QColor color;
    };

    explicit ChartLegend(QWidget* parent = nullptr);

    void setEntries(std::vector<Entry> entries);
    const std::vector<Entry>& entries() const { return m_entries; }
    int columnCount() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int entryHeight() const;
    int rowsPerColumn() const;
    int columnWidth() const;
    void fitWidth();

    std::vector<Entry> m_entries;
};

}  // namespace zephal::ui

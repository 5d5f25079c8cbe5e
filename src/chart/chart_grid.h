// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The data side of the chart control: a grid of cells (each column a series, each row a
// category), the labels of rows and columns, and the few display settings the chart window
// changes. The series builder writes into it without any widget; a view draws it.
//
// Cell and label operations act on the cell the cursor selected last, as the builder expects.
// An operation the grid cannot carry out returns false and changes nothing, so that a caller
// can skip it and go on.

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace zephal {

inline constexpr int kChartType2D = 1;
inline constexpr int kChartType3D = 0;

class ChartGrid {
public:
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    // Sizes from 0 to 32767; cells and labels inside both the old and the new size are kept.
    bool setRowCount(int rows);
    bool setColumnCount(int columns);

    // The cursor, 1-based; it cannot leave the grid.
    int row() const { return m_row; }
    int column() const { return m_column; }
    bool setRow(int row);
    bool setColumn(int column);

    // The current cell as text; a cell that holds no value reads as empty text. Only a number
    // is accepted, so that every cell the view draws as a bar has a value.
    std::optional<QString> data() const;
    bool setData(const QString& text);
    // Leaves the current cell without a value: no bar is drawn for it.
    bool clearData();

    std::optional<QString> rowLabel() const;
    bool setRowLabel(const QString& label);
    std::optional<QString> columnLabel() const;
    bool setColumnLabel(const QString& label);

    // Any cell, 1-based, for drawing; nothing when it is outside the grid or holds no number.
    std::optional<double> value(int row, int column) const;
    QString rowLabelAt(int row) const;
    QString columnLabelAt(int column) const;

    bool legend() const { return m_legend; }
    void setLegend(bool shown);

    // kChartType2D or kChartType3D; any other value is refused.
    int chartType() const { return m_chartType; }
    bool setChartType(int type);

    float rotation() const { return m_rotation; }
    float elevation() const { return m_elevation; }
    void setView3d(float rotation, float elevation);

    // Fill colour of series 1 as 24-bit RGB, red in the low byte; nothing = the view's own.
    std::optional<std::uint32_t> series1Color() const { return m_series1Color; }
    void setSeries1Color(int red, int green, int blue);

    // The title of the value axis; empty for none.
    const QString& valueTitle() const { return m_valueTitle; }
    void setValueTitle(const QString& title);

    // Display option of the secondary value axis; kept for callers, the view has no such axis.
    bool secondaryAxis() const { return m_secondaryAxis; }
    void setSecondaryAxis(bool on) { m_secondaryAxis = on; }

    // Runs after every change that alters the drawing (not after cursor moves).
    std::function<void()> onChanged;
    // Counts the changes of everything but the 3D view angles, from 1.
    std::uint64_t contentRevision() const { return m_contentRevision; }

private:
    bool cursorInside() const;
    std::size_t index(int row, int column) const;
    void resize(int rows, int columns);
    void changed(bool content = true);

    int m_rows = 0;
    int m_columns = 0;
    int m_row = 1;
    int m_column = 1;
    std::vector<QString> m_cells;  // row-major, m_rows x m_columns
    std::vector<QString> m_rowLabels;
    std::vector<QString> m_columnLabels;
    bool m_legend = false;
    int m_chartType = kChartType2D;
    float m_rotation = 0;
    float m_elevation = 0;
    std::optional<std::uint32_t> m_series1Color;
    bool m_secondaryAxis = false;
    QString m_valueTitle;
    std::uint64_t m_contentRevision = 1;
};

}  // namespace zephal

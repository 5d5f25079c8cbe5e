// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/chart_grid.h"

#include <algorithm>
#include <cmath>

#include "convert/number_text.h"

namespace zephal {
namespace {
constexpr int kMaxSize = 32767;
}

bool ChartGrid::cursorInside() const {
    return m_row >= 1 && m_row <= m_rows && m_column >= 1 && m_column <= m_columns;
}

std::size_t ChartGrid::index(int row, int column) const {
    return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(m_columns) +
           static_cast<std::size_t>(column - 1);
}

void ChartGrid::changed(bool content) {
    if (content) ++m_contentRevision;
    if (onChanged) onChanged();
}

void ChartGrid::resize(int rows, int columns) {
    std::vector<QString> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns));
    const int keptRows = std::min(rows, m_rows);
    const int keptColumns = std::min(columns, m_columns);
    for (int r = 1; r <= keptRows; ++r) {
        for (int c = 1; c <= keptColumns; ++c) {
            cells[static_cast<std::size_t>(r - 1) * static_cast<std::size_t>(columns) +
                  static_cast<std::size_t>(c - 1)] = std::move(m_cells[index(r, c)]);
        }
    }
    m_cells = std::move(cells);
    m_rows = rows;
    m_columns = columns;
    m_rowLabels.resize(static_cast<std::size_t>(rows));
    m_columnLabels.resize(static_cast<std::size_t>(columns));
    // The cursor stays on the grid (or on 1 when a dimension is empty).
    m_row = std::clamp(m_row, 1, std::max(rows, 1));
    m_column = std::clamp(m_column, 1, std::max(columns, 1));
    changed();
}

bool ChartGrid::setRowCount(int rows) {
    if (rows < 0 || rows > kMaxSize) return false;
    if (rows != m_rows) resize(rows, m_columns);
    return true;
}

bool ChartGrid::setColumnCount(int columns) {
    if (columns < 0 || columns > kMaxSize) return false;
    if (columns != m_columns) resize(m_rows, columns);
    return true;
}

bool ChartGrid::setRow(int row) {
    if (row < 1 || row > m_rows) return false;
    m_row = row;
    return true;
}

bool ChartGrid::setColumn(int column) {
    if (column < 1 || column > m_columns) return false;
    m_column = column;
    return true;
}

std::optional<QString> ChartGrid::data() const {
    if (!cursorInside()) return std::nullopt;
    return m_cells[index(m_row, m_column)];
}

bool ChartGrid::setData(const QString& text) {
    if (!cursorInside()) return false;
    const auto number = number::readStrict(text);
    if (!number || !std::isfinite(*number)) return false;
    QString& cell = m_cells[index(m_row, m_column)];
    if (cell != text) {
        cell = text;
        changed();
    }
    return true;
}

bool ChartGrid::clearData() {
    if (!cursorInside()) return false;
    QString& cell = m_cells[index(m_row, m_column)];
    if (!cell.isEmpty()) {
        cell.clear();
        changed();
    }
    return true;
}

std::optional<QString> ChartGrid::rowLabel() const {
    if (m_row < 1 || m_row > m_rows) return std::nullopt;
    return m_rowLabels[static_cast<std::size_t>(m_row - 1)];
}

bool ChartGrid::setRowLabel(const QString& label) {
    if (m_row < 1 || m_row > m_rows) return false;
    QString& stored = m_rowLabels[static_cast<std::size_t>(m_row - 1)];
    if (stored != label) {
        stored = label;
        changed();
    }
    return true;
}

std::optional<QString> ChartGrid::columnLabel() const {
    if (m_column < 1 || m_column > m_columns) return std::nullopt;
    return m_columnLabels[static_cast<std::size_t>(m_column - 1)];
}

bool ChartGrid::setColumnLabel(const QString& label) {
    if (m_column < 1 || m_column > m_columns) return false;
    QString& stored = m_columnLabels[static_cast<std::size_t>(m_column - 1)];
    if (stored != label) {
        stored = label;
        changed();
    }
    return true;
}

std::optional<double> ChartGrid::value(int row, int column) const {
    if (row < 1 || row > m_rows || column < 1 || column > m_columns) return std::nullopt;
    return number::readStrict(m_cells[index(row, column)]);
}

QString ChartGrid::rowLabelAt(int row) const {
    if (row < 1 || row > m_rows) return {};
    return m_rowLabels[static_cast<std::size_t>(row - 1)];
}

QString ChartGrid::columnLabelAt(int column) const {
    if (column < 1 || column > m_columns) return {};
    return m_columnLabels[static_cast<std::size_t>(column - 1)];
}

void ChartGrid::setLegend(bool shown) {
    if (shown == m_legend) return;
    m_legend = shown;
    changed();
}

bool ChartGrid::setChartType(int type) {
    if (type != kChartType2D && type != kChartType3D) return false;
    if (type != m_chartType) {
        m_chartType = type;
        changed(false);
    }
    return true;
}

void ChartGrid::setView3d(float rotation, float elevation) {
    if (rotation == m_rotation && elevation == m_elevation) return;
    m_rotation = rotation;
    m_elevation = elevation;
    changed(false);
}

void ChartGrid::setValueTitle(const QString& title) {
    if (title == m_valueTitle) return;
    m_valueTitle = title;
    changed();
}

void ChartGrid::setSeries1Color(int red, int green, int blue) {
    const auto channel = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    const std::uint32_t rgb = channel(red) | channel(green) << 8 | channel(blue) << 16;
    if (m_series1Color == rgb) return;
    m_series1Color = rgb;
    changed();
}

}  // namespace zephal

// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgeometry.h"

#include <algorithm>

QRect BoardGeometry::square(int row, int column) const
{
    return QRect(margin + column * pitch(), margin + row * pitch(), int(cellSize), int(cellSize));
}

quint32 BoardGeometry::indexAt(int pixel) const
{
    return (quint32(pixel) - quint32(margin)) / (cellSize + quint32(gap));
}

QSize BoardGeometry::boardSize(quint32 rows, quint32 columns) const
{
    if (rows == 0)
        return QSize(100, 100);
    return QSize(2 * margin + int(columns) * pitch(), 2 * margin + int(rows) * pitch());
}

std::vector<QRect> BoardGeometry::squares(const Range &cells) const
{
    std::vector<QRect> result;
    const int rows = cells.lastRow - cells.firstRow + 1, columns = cells.lastColumn - cells.firstColumn + 1;
    result.reserve(std::size_t(std::max(0, rows)) * std::size_t(std::max(0, columns)));
    for (int i = cells.firstRow; i <= cells.lastRow; ++i)
        for (int j = cells.firstColumn; j <= cells.lastColumn; ++j)
            result.push_back(square(i, j));
    return result;
}

BoardGeometry::Range BoardGeometry::cellsMeeting(const QRect &area, quint32 rows, quint32 columns) const
{
    // The index of the last square starting at or before a pixel, rounding down below zero too.
    const int p = pitch();
    const auto before = [p](int x) { return x >= 0 ? x / p : -1 - (-1 - x) / p; };
    const int reach = margin + int(cellSize) + 1;  // from a square's start to past its outline
    return {std::max(0, before(area.top() - reach) + 1), std::min(int(rows) - 1, before(area.bottom() - margin)),
            std::max(0, before(area.left() - reach) + 1), std::min(int(columns) - 1, before(area.right() - margin))};
}

QPointF BoardGeometry::cellCoordinates(const QPointF &point) const
{
    return (point - QPointF(margin, margin)) / pitch();
}

QPointF BoardGeometry::boardPoint(const QPointF &cells) const
{
    return QPointF(margin, margin) + cells * pitch();
}

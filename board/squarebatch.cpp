// SPDX-License-Identifier: GPL-3.0-or-later
#include "squarebatch.h"

#include "contrast.h"

#include <algorithm>
#include <tuple>

SquareBatch::SquareBatch(const PuzzleGrid &grid, const BoardGeometry &geometry, const BoardGeometry::Range &cells,
                         quint32 selectedRow, quint32 selectedColumn)
{
    for (int i = cells.firstRow; i <= cells.lastRow; ++i) {
        const PuzzleGrid::Row &row = grid.cells()[std::size_t(i)];
        for (int j = cells.firstColumn, end = j; j <= cells.lastColumn; j = end) {
            const Colour colour = row[std::size_t(j)].colour;
            for (end = j + 1; end <= cells.lastColumn && row[std::size_t(end)].colour == colour;)
                ++end;
            runs.push_back({qRgb(colour.red, colour.green, colour.blue), i, j, end - 1});
        }
        for (int j = cells.firstColumn; j <= cells.lastColumn; ++j) {
            const Cell &cell = row[std::size_t(j)];
            if (!cell.isClue)
                continue;
            const bool selected = quint32(i) == selectedRow && quint32(j) == selectedColumn;
            const QRgb fill = qRgb(cell.colour.red, cell.colour.green, cell.colour.blue);
            clueSquares.push_back(geometry.square(i, j));
            numbers.push_back({clueSquares.back(), cell.area, numberPen(fill, selected).rgb(), selected});
        }
    }
    std::sort(runs.begin(), runs.end(), [](const Run &a, const Run &b) { return a.colour < b.colour; });
    // So that the pen and the font change as seldom as they can, digit counts together.
    const auto key = [](const Number &n) { return std::make_tuple(n.pen, n.bold, n.area); };
    std::sort(numbers.begin(), numbers.end(), [&key](const Number &a, const Number &b) { return key(a) < key(b); });
}

#include "varritwidget.h"

#include "contrast.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

void varritWidget::setCellSize(unsigned size)
{
    cellSize = size;
    numberFont.setCellSize(int(size));
    adjustBoardSize();
}

unsigned varritWidget::getCellSize() const
{
    return cellSize;
}

void varritWidget::adjustBoardSize()
{
    const quint32 rows = grid.rowCount();
    if (rows == 0) {
        resize(100, 100);
        return;
    }
    const int pitch = int(cellSize) + gap;
    resize(2 * margin + int(grid.columnCount()) * pitch, 2 * margin + int(rows) * pitch);
}

void varritWidget::paintEvent(QPaintEvent *event)
{
    // Only the cells whose square, with its outline's extra pixel, meets the
    // exposed rectangle: a big board would otherwise stall every scroll.
    const QRect area = event->rect();
    const int pitch = int(cellSize) + gap;
    const auto cellBefore = [pitch](int x) { return x >= 0 ? x / pitch : -1 - (-1 - x) / pitch; };
    QPainter painter(this);
    drawCells(painter, std::max(0, cellBefore(area.top() - margin - int(cellSize) - 1) + 1),
              std::min(int(grid.rowCount()) - 1, cellBefore(area.bottom() - margin)),
              std::max(0, cellBefore(area.left() - margin - int(cellSize) - 1) + 1),
              std::min(int(grid.columnCount()) - 1, cellBefore(area.right() - margin)));
}

void varritWidget::drawBoard(QPainter &painter)
{
    drawCells(painter, 0, int(grid.rowCount()) - 1, 0, int(grid.columnCount()) - 1);
}

void varritWidget::drawCells(QPainter &painter, int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    for (int i = firstRow; i <= lastRow; ++i)
        for (int j = firstColumn; j <= lastColumn; ++j)
            drawCell(painter, i, j);
}

void varritWidget::drawCell(QPainter &painter, int row, int column)
{
    const Cell &cell = grid.cells()[std::size_t(row)][std::size_t(column)];
    const int pitch = int(cellSize) + gap;
    const QRect square(margin + column * pitch, margin + row * pitch, int(cellSize), int(cellSize));

    painter.fillRect(square, QColor(cell.colour.red, cell.colour.green, cell.colour.blue));
    if (!cell.isClue) {
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(square);
        return;
    }
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(square);
    const bool selected = quint32(row) == selectedRow && quint32(column) == selectedColumn;
    painter.setPen(numberPen(qRgb(cell.colour.red, cell.colour.green, cell.colour.blue), selected));
    numberFont.draw(painter, square, cell.area, selected);
}

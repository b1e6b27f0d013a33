// SPDX-License-Identifier: GPL-3.0-or-later
#include "varritwidget.h"

#include "squarebatch.h"

#include <QPaintEvent>
#include <QPainter>

#include <vector>

namespace {

// The outline of a square that holds no clue.
const QColor outlineGrey(128, 128, 128);

}  // namespace

void varritWidget::setCellSize(unsigned size)
{
    geometry.cellSize = size;
    numberFont.setCellSize(int(size));
    adjustBoardSize();
}

unsigned varritWidget::getCellSize() const
{
    return geometry.cellSize;
}

void varritWidget::adjustBoardSize()
{
    resize(geometry.boardSize(grid.rowCount(), grid.columnCount()));
}

BoardGeometry::Range varritWidget::allCells() const
{
    return {0, int(grid.rowCount()) - 1, 0, int(grid.columnCount()) - 1};
}

void varritWidget::paintEvent(QPaintEvent *event)
{
    // Only the cells the exposed part meets: a big board would otherwise stall every scroll.
    QPainter painter(this);
    drawSquares(painter, geometry.cellsMeeting(event->rect(), grid.rowCount(), grid.columnCount()));
}

void varritWidget::drawBoard(QPainter &painter)
{
    drawSquares(painter, allCells());
}

// Fills, then outlines, then numbers. No cell's drawing reaches into another
// square, so this draws what a cell at a time would; a clue's black outline
// covers the grey one exactly.
void varritWidget::drawSquares(QPainter &painter, const BoardGeometry::Range &cells)
{
    const SquareBatch batch(grid, geometry, cells, selectedRow, selectedColumn);
    std::vector<QRect> squares;
    painter.save();
    painter.setPen(Qt::NoPen);
    batch.forEachColour([&](QRgb colour, const SquareBatch::Run *run, const SquareBatch::Run *end) {
        for (squares.clear(); run != end; ++run)
            for (int j = run->first; j <= run->last; ++j)
                squares.push_back(geometry.square(run->row, j));
        painter.setBrush(QColor(colour));
        painter.drawRects(squares.data(), int(squares.size()));
    });
    squares = geometry.squares(cells);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outlineGrey);
    painter.drawRects(squares.data(), int(squares.size()));
    drawClues(painter, batch);
    painter.restore();
}

// The whole board on a white page, where a printer pays for every call and
// every byte: blank cells need no fill, and a run of one colour along a row
// is one dashed stroke as wide as a square.
void varritWidget::drawPage(QPainter &painter)
{
    if (grid.rowCount() == 0)
        return;
    const SquareBatch batch(grid, geometry, allCells(), selectedRow, selectedColumn);
    const qreal side = geometry.cellSize;
    const QRgb blank = qRgb(blankColour.red, blankColour.green, blankColour.blue);
    std::vector<QLineF> lines;
    painter.save();
    batch.forEachColour([&](QRgb colour, const SquareBatch::Run *run, const SquareBatch::Run *end) {
        if (colour == blank)
            return;
        for (lines.clear(); run != end; ++run) {
            const QRect first = geometry.square(run->row, run->first), last = geometry.square(run->row, run->last);
            lines.emplace_back(first.left(), first.top() + side / 2, last.left() + side, first.top() + side / 2);
        }
        QPen pen(QColor(colour), side, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({1, geometry.gap / side});  // in units of the pen's width
        painter.setPen(pen);
        painter.drawLines(lines.data(), int(lines.size()));
    });
    drawGridLines(painter);
    drawClues(painter, batch);
    painter.restore();
}

// The grey outlines of a page: two dashed lines for each row and column of
// squares, which pay off from three of each.
void varritWidget::drawGridLines(QPainter &painter)
{
    const int rows = int(grid.rowCount()), columns = int(grid.columnCount());
    painter.setPen(outlineGrey);
    if (rows < 3 || columns < 3) {
        const std::vector<QRect> squares = geometry.squares(allCells());
        painter.drawRects(squares.data(), int(squares.size()));
        return;
    }
    const qreal side = geometry.cellSize, pitch = geometry.pitch();
    const QRect last = geometry.square(rows - 1, columns - 1);
    const QRectF board(QPointF(geometry.margin, geometry.margin), QPointF(last.left() + side, last.top() + side));
    std::vector<QLineF> lines;
    for (int i = 0; i < rows; ++i)
        for (const qreal y : {board.top() + i * pitch, board.top() + i * pitch + side})
            lines.emplace_back(board.left(), y, board.right(), y);
    for (int j = 0; j < columns; ++j)
        for (const qreal x : {board.left() + j * pitch, board.left() + j * pitch + side})
            lines.emplace_back(x, board.top(), x, board.bottom());
    QPen grey(outlineGrey, 1, Qt::CustomDashLine, Qt::SquareCap);
    grey.setDashPattern({side, qreal(geometry.gap)});
    painter.setPen(grey);
    painter.drawLines(lines.data(), int(lines.size()));
}

// Black outlines, then the numbers, by pen and font.
void varritWidget::drawClues(QPainter &painter, const SquareBatch &batch)
{
    painter.setPen(QColor(0, 0, 0));
    painter.drawRects(batch.clueSquares.data(), int(batch.clueSquares.size()));
    for (std::size_t k = 0; k < batch.numbers.size(); ++k) {
        const SquareBatch::Number &n = batch.numbers[k];
        if (k == 0 || n.pen != batch.numbers[k - 1].pen)
            painter.setPen(QColor(n.pen));
        numberFont.draw(painter, n.square, n.area, n.bold);
    }
}

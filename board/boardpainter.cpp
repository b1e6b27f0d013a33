// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardpainter.h"

#include "puzzlegame.h"
#include "squarebatch.h"

#include <QPainter>

#include <vector>

namespace {

// The outline of a square that holds no clue.
const QColor outlineGrey(128, 128, 128);

}  // namespace

BoardPainter::BoardPainter(const PuzzleGame &game, const BoardGeometry &geometry)
    : game(game),
      geometry(geometry),
      numberFont(int(geometry.cellSize))
{ }

BoardGeometry::Range BoardPainter::allCells() const
{
    return {0, int(game.grid().rowCount()) - 1, 0, int(game.grid().columnCount()) - 1};
}

SquareBatch BoardPainter::batch(const BoardGeometry::Range &cells) const
{
    return SquareBatch(game.grid(), geometry, cells, game.selectedRow(), game.selectedColumn());
}

// Fills, then outlines, then numbers. No cell's drawing reaches into another
// square, so this draws what a cell at a time would; a clue's black outline
// covers the grey one exactly.
void BoardPainter::drawSquares(QPainter &painter, const BoardGeometry::Range &cells)
{
    const SquareBatch squares = batch(cells);
    std::vector<QRect> rects;
    painter.save();
    painter.setPen(Qt::NoPen);
    squares.forEachColour([&](QRgb colour, const SquareBatch::Run *run, const SquareBatch::Run *end) {
        for (rects.clear(); run != end; ++run)
            for (int j = run->first; j <= run->last; ++j)
                rects.push_back(geometry.square(run->row, j));
        painter.setBrush(QColor(colour));
        painter.drawRects(rects.data(), int(rects.size()));
    });
    rects = geometry.squares(cells);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(outlineGrey);
    painter.drawRects(rects.data(), int(rects.size()));
    drawClues(painter, squares);
    painter.restore();
}

// The whole board on a white page, where a printer pays for every call and
// every byte: blank cells need no fill, and a run of one colour along a row
// is one dashed stroke as wide as a square.
void BoardPainter::drawPage(QPainter &painter)
{
    if (game.grid().rowCount() == 0)
        return;
    const SquareBatch squares = batch(allCells());
    const qreal side = geometry.cellSize;
    const QRgb blank = qRgb(blankColour.red, blankColour.green, blankColour.blue);
    std::vector<QLineF> lines;
    painter.save();
    squares.forEachColour([&](QRgb colour, const SquareBatch::Run *run, const SquareBatch::Run *end) {
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
    drawClues(painter, squares);
    painter.restore();
}

// The grey outlines of a page: two dashed lines for each row and column of
// squares, which pay off from three of each.
void BoardPainter::drawGridLines(QPainter &painter)
{
    const int rows = int(game.grid().rowCount()), columns = int(game.grid().columnCount());
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

// Black outlines, then the numbers, by pen and font; the font follows the
// cell size.
void BoardPainter::drawClues(QPainter &painter, const SquareBatch &batch)
{
    if (numberFont.cellSize() != int(geometry.cellSize))
        numberFont.setCellSize(int(geometry.cellSize));
    painter.setPen(QColor(0, 0, 0));
    painter.drawRects(batch.clueSquares.data(), int(batch.clueSquares.size()));
    for (std::size_t k = 0; k < batch.numbers.size(); ++k) {
        const SquareBatch::Number &n = batch.numbers[k];
        if (k == 0 || n.pen != batch.numbers[k - 1].pen)
            painter.setPen(QColor(n.pen));
        numberFont.draw(painter, n.square, n.area, n.bold);
    }
}

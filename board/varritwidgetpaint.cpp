#include "varritwidget.h"

#include "contrast.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <tuple>
#include <vector>

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

void varritWidget::drawBoard(QPainter &painter, bool onWhitePage)
{
    if (onWhitePage)
        drawPage(painter);
    else
        drawCells(painter, 0, int(grid.rowCount()) - 1, 0, int(grid.columnCount()) - 1);
}

// Gathered so that each kind of stroke goes out in few calls.
struct varritWidget::CellBatch
{
    std::vector<QRect> blanks;
    std::vector<std::pair<QRgb, QRect>> fills;  // of the other cells
    std::vector<QRect> outlines[2];             // of other cells, of clue cells
    std::vector<Number> numbers;
};

// Fills, then outlines, then numbers. No cell's drawing reaches into another
// square, so this draws what a cell at a time would.
void varritWidget::drawCells(QPainter &painter, int firstRow, int lastRow, int firstColumn, int lastColumn)
{
    CellBatch batch;
    const std::size_t cells =
        std::size_t(std::max(0, lastRow - firstRow + 1)) * std::size_t(std::max(0, lastColumn - firstColumn + 1));
    batch.blanks.reserve(cells);
    batch.outlines[0].reserve(cells);
    for (int i = firstRow; i <= lastRow; ++i)
        for (int j = firstColumn; j <= lastColumn; ++j)
            drawCell(batch, i, j);

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(blankColour.red, blankColour.green, blankColour.blue));
    painter.drawRects(batch.blanks.data(), int(batch.blanks.size()));
    std::sort(batch.fills.begin(), batch.fills.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QRect> run;
    for (auto it = batch.fills.begin(); it != batch.fills.end();) {
        const QRgb colour = it->first;
        for (run.clear(); it != batch.fills.end() && it->first == colour; ++it)
            run.push_back(it->second);
        painter.setBrush(QColor(colour));
        painter.drawRects(run.data(), int(run.size()));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRects(batch.outlines[0].data(), int(batch.outlines[0].size()));
    painter.setPen(QColor(0, 0, 0));
    painter.drawRects(batch.outlines[1].data(), int(batch.outlines[1].size()));
    drawNumbers(painter, batch.numbers);
    painter.restore();
}

QRect varritWidget::cellSquare(int row, int column) const
{
    const int pitch = int(cellSize) + gap;
    return QRect(margin + column * pitch, margin + row * pitch, int(cellSize), int(cellSize));
}

void varritWidget::drawCell(CellBatch &batch, int row, int column) const
{
    const Cell &cell = grid.cells()[std::size_t(row)][std::size_t(column)];
    const QRect square = cellSquare(row, column);
    if (cell.colour == blankColour)
        batch.blanks.push_back(square);
    else
        batch.fills.emplace_back(qRgb(cell.colour.red, cell.colour.green, cell.colour.blue), square);
    batch.outlines[cell.isClue].push_back(square);
    if (cell.isClue)
        batch.numbers.push_back(clueNumber(row, column));
}

varritWidget::Number varritWidget::clueNumber(int row, int column) const
{
    const Cell &cell = grid.cells()[std::size_t(row)][std::size_t(column)];
    const bool selected = quint32(row) == selectedRow && quint32(column) == selectedColumn;
    const QRgb fill = qRgb(cell.colour.red, cell.colour.green, cell.colour.blue);
    return {cellSquare(row, column), cell.area, numberPen(fill, selected).rgb(), selected};
}

// By pen and font, so that each changes as seldom as it can.
void varritWidget::drawNumbers(QPainter &painter, std::vector<Number> &numbers)
{
    const auto key = [](const Number &n) { return std::make_tuple(n.pen, n.bold, n.area); };  // digit counts together
    std::sort(numbers.begin(), numbers.end(), [&key](const Number &a, const Number &b) { return key(a) < key(b); });
    for (std::size_t k = 0; k < numbers.size(); ++k) {
        if (k == 0 || numbers[k].pen != numbers[k - 1].pen)
            painter.setPen(QColor(numbers[k].pen));
        numberFont.draw(painter, numbers[k].square, numbers[k].area, numbers[k].bold);
    }
}

// The whole board on a white page, where a printer pays for every call and
// every byte: blank cells need no fill; a run of one colour along a row is
// one dashed stroke as wide as a square; the grey outlines are the grid's
// lines of edges, each one dashed stroke. The page looks as a cell at a time
// would draw it.
void varritWidget::drawPage(QPainter &painter)
{
    const int rows = int(grid.rowCount()), columns = int(grid.columnCount());
    if (rows == 0)
        return;
    const qreal side = cellSize, pitch = side + gap;
    const QRectF board(margin, margin, columns * pitch - gap, rows * pitch - gap);

    std::vector<std::pair<QRgb, QLineF>> runs;
    std::vector<QRect> clueOutlines;
    std::vector<Number> numbers;
    for (int i = 0; i < rows; ++i) {
        const auto &row = grid.cells()[std::size_t(i)];
        const qreal middle = board.top() + i * pitch + side / 2;
        for (int j = 0, end = 0; j < columns; j = end) {
            const Colour colour = row[std::size_t(j)].colour;
            for (end = j + 1; end < columns && row[std::size_t(end)].colour == colour;)
                ++end;
            if (colour != blankColour)
                runs.emplace_back(
                    qRgb(colour.red, colour.green, colour.blue),
                    QLineF(board.left() + j * pitch, middle, board.left() + (end - 1) * pitch + side, middle));
        }
        for (int j = 0; j < columns; ++j) {
            if (row[std::size_t(j)].isClue) {
                clueOutlines.push_back(cellSquare(i, j));
                numbers.push_back(clueNumber(i, j));
            }
        }
    }

    painter.save();
    std::sort(runs.begin(), runs.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<QLineF> lines;
    for (auto it = runs.begin(); it != runs.end();) {
        const QRgb colour = it->first;
        for (lines.clear(); it != runs.end() && it->first == colour; ++it)
            lines.push_back(it->second);
        QPen pen(QColor(colour), side, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({1, gap / side});  // in units of the pen's width
        painter.setPen(pen);
        painter.drawLines(lines.data(), int(lines.size()));
    }

    // Two lines for each row and column of squares pay off from three of each.
    painter.setPen(QColor(128, 128, 128));
    if (rows < 3 || columns < 3) {
        std::vector<QRect> squares;
        for (int i = 0; i < rows; ++i)
            for (int j = 0; j < columns; ++j)
                squares.push_back(cellSquare(i, j));
        painter.drawRects(squares.data(), int(squares.size()));
    } else {
        lines.clear();
        for (int i = 0; i < rows; ++i)
            for (const qreal y : {board.top() + i * pitch, board.top() + i * pitch + side})
                lines.emplace_back(board.left(), y, board.right(), y);
        for (int j = 0; j < columns; ++j)
            for (const qreal x : {board.left() + j * pitch, board.left() + j * pitch + side})
                lines.emplace_back(x, board.top(), x, board.bottom());
        QPen grey(QColor(128, 128, 128), 1, Qt::CustomDashLine, Qt::SquareCap);
        grey.setDashPattern({side, qreal(gap)});
        painter.setPen(grey);
        painter.drawLines(lines.data(), int(lines.size()));
    }

    painter.setPen(QColor(0, 0, 0));
    painter.drawRects(clueOutlines.data(), int(clueOutlines.size()));
    drawNumbers(painter, numbers);
    painter.restore();
}

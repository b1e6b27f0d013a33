// SPDX-License-Identifier: GPL-3.0-or-later
#include "varritwidget.h"

#include "infobox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

varritWidget::varritWidget(QWidget *parent)
    : QWidget(parent)
{
    connect(&generation, &GenerationControl::puzzleReady, this, &varritWidget::showPuzzle);
    connect(&generation, &GenerationControl::statusMessage, this, &varritWidget::statusMessage);
    connect(&generation, &GenerationControl::statusWithdrawn, this, &varritWidget::statusWithdrawn);
}

void varritWidget::generate(quint32 rows, quint32 columns, quint32 seeds, quint32 minFieldSize, quint32 maxFieldSize)
{
    const quint32 row = game.selectedRow(), column = game.selectedColumn();
    game.select(0, 0);
    if (rows == 0 || columns == 0) {
        showInformation(tr("That would be very easy, don't you think? :-)"));
        return;
    }
    if (!generation.generate({rows, columns, seeds, minFieldSize, maxFieldSize}))
        game.select(row, column);  // a run that never started leaves the board as it was
}

void varritWidget::showPuzzle(PuzzleGrid *puzzle)
{
    game.swapPuzzle(*puzzle);
    adjustBoardSize();
    emit puzzleShown();
    update();
}

void varritWidget::setPuzzle(const PuzzleGrid &puzzle)
{
    PuzzleGrid copy = puzzle;
    game.select(0, 0);
    showPuzzle(&copy);
}

void varritWidget::setCellSize(unsigned size)
{
    geometry.cellSize = size;
    adjustBoardSize();
}

unsigned varritWidget::getCellSize() const
{
    return geometry.cellSize;
}

void varritWidget::adjustBoardSize()
{
    resize(geometry.boardSize(game.grid().rowCount(), game.grid().columnCount()));
}

void varritWidget::paintEvent(QPaintEvent *event)
{
    // Only the cells the exposed part meets: a big board would otherwise stall every scroll.
    QPainter p(this);
    boardPainter.drawSquares(p,
                             geometry.cellsMeeting(event->rect(), game.grid().rowCount(), game.grid().columnCount()));
}

void varritWidget::drawBoard(QPainter &p)
{
    boardPainter.drawSquares(p, boardPainter.allCells());
}

void varritWidget::drawPage(QPainter &p)
{
    boardPainter.drawPage(p);
}

void varritWidget::mousePressEvent(QMouseEvent *event)
{
    // The shown puzzle is about to be replaced; marks made now would be lost.
    if (isGenerating())
        return;
    const PuzzleGame::Outcome outcome =
        game.press(geometry.rowAt(qFloor(event->position().y())), geometry.columnAt(qFloor(event->position().x())));
    if (outcome.move == PuzzleGame::Move::None)
        return;
    if (outcome.move == PuzzleGame::Move::Selected)
        emit statusWithdrawn(hint());
    else if (outcome.move == PuzzleGame::Move::NothingToCopy)
        emit statusMessage(hint(), 5000);  // with no clue chosen yet, the press copied a blank cell
    update();
    if (outcome.solved)
        showInformation(tr("Well done!"));
}

QString varritWidget::hint()
{
    return tr("Click a number first: its colour is what you paint.");
}

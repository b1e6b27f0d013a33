// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOARDPAINTER_H
#define BOARDPAINTER_H

#include "boardgeometry.h"
#include "numberfont.h"

class PuzzleGame;
class QPainter;
class SquareBatch;

// Draws a game's puzzle at a board geometry: any range of its cells as the
// screen shows them, or the whole board as a white page shows it. Both are
// read when drawing, so a zoom or a new puzzle needs no word here.
class BoardPainter
{
public:
    BoardPainter(const PuzzleGame &game, const BoardGeometry &geometry);

    // Fills, outlines and numbers of `cells`.
    void drawSquares(QPainter &painter, const BoardGeometry::Range &cells);
    void drawPage(QPainter &painter);
    BoardGeometry::Range allCells() const;

private:
    void drawGridLines(QPainter &painter);
    void drawClues(QPainter &painter, const SquareBatch &batch);
    SquareBatch batch(const BoardGeometry::Range &cells) const;

    const PuzzleGame &game;
    const BoardGeometry &geometry;
    NumberFont numberFont;
};

#endif  // BOARDPAINTER_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PUZZLEGAME_H
#define PUZZLEGAME_H

#include "puzzlegrid.h"

// One puzzle as the player plays it: the grid, the selected clue, and what a
// press on a cell does to them.
class PuzzleGame
{
public:
    // What a press did.
    enum class Move {
        None,           // outside the board: nothing happens
        Selected,       // a clue is now the selected one
        Painted,        // a blank cell took the selected clue's colour
        Cleared,        // a painted cell is blank again
        NothingToCopy,  // a blank cell copied a selection that is itself blank
    };
    struct Outcome
    {
        Move move = Move::None;
        bool solved = false;  // after a press on a cell: the marks solve the puzzle
    };

    const PuzzleGrid &grid() const { return m_grid; }
    // Takes `puzzle` in exchange for the one played; the selection stays.
    void swapPuzzle(PuzzleGrid &puzzle) { std::swap(m_grid, puzzle); }

    // (0, 0) counts as the selection even where that cell is no clue.
    quint32 selectedRow() const { return m_selectedRow; }
    quint32 selectedColumn() const { return m_selectedColumn; }
    void select(quint32 row, quint32 column);

    Outcome press(quint32 row, quint32 column);

private:
    PuzzleGrid m_grid;
    quint32 m_selectedRow = 0;
    quint32 m_selectedColumn = 0;
};

#endif  // PUZZLEGAME_H

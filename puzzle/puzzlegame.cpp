// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlegame.h"

void PuzzleGame::select(quint32 row, quint32 column)
{
    m_selectedRow = row;
    m_selectedColumn = column;
}

// A clue is selected; any other cell is painted with whatever the selected
// cell holds, or cleared. Every press on a cell runs the check, so a solved
// board says so again on each press that leaves it solved.
PuzzleGame::Outcome PuzzleGame::press(quint32 row, quint32 column)
{
    if (row >= m_grid.rowCount() || column >= m_grid.columnCount())
        return {};
    Outcome outcome;
    const Cell &cell = m_grid.cells()[row][column];
    if (cell.isClue) {
        select(row, column);
        outcome.move = Move::Selected;
    } else {
        const bool wasBlank = cell.colour == blankColour;
        m_grid.toggleMark(row, column, m_selectedRow, m_selectedColumn);
        const bool isBlank = cell.colour == blankColour;
        outcome.move = !wasBlank ? Move::Cleared : isBlank ? Move::NothingToCopy : Move::Painted;
    }
    outcome.solved = m_grid.isSolved();
    return outcome;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlegrid.h"

#include "partition.h"

void PuzzleGrid::clear()
{
    for (Row &row : m_cells)
        row.clear();
    m_cells.clear();
    m_fields.clear();
}

void PuzzleGrid::generate(quint32 rows, quint32 columns, quint32 seeds, quint32 seed)
{
    Partition attempt;
    attempt.generate(rows, columns, seeds, seed);
    attempt.writeTo(*this);
}

AreaRange PuzzleGrid::fieldAreas() const
{
    AreaRange range;
    for (const Field &f : m_fields)
        range.add(m_cells[f.clueRow][f.clueColumn].area);
    return range;
}

bool PuzzleGrid::fieldSizesWithin(quint32 minFieldSize, quint32 maxFieldSize) const
{
    return fieldAreas().within(minFieldSize, maxFieldSize);
}

// Whether a cell is blank is told by its colour alone, so a cell painted in
// the colour of blank counts as blank.
void PuzzleGrid::toggleMark(quint32 row, quint32 column, quint32 fromRow, quint32 fromColumn)
{
    Cell &cell = m_cells[row][column];
    if (cell.colour == blankColour) {
        const Cell &from = m_cells[fromRow][fromColumn];
        cell.colour = from.colour;
        cell.fieldId = from.fieldId;
    } else {
        cell.colour = blankColour;
        cell.fieldId = 0;
    }
}

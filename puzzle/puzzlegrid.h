// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PUZZLEGRID_H
#define PUZZLEGRID_H

#include "arearange.h"
#include "cell.h"
#include "colour.h"
#include "field.h"

#include <vector>

// One puzzle: the cell matrix and the fields of the generated solution. A
// plain value; not thread-safe: only the thread that currently owns the grid
// may touch it.
class PuzzleGrid
{
public:
    using Row = std::vector<Cell>;
    using Matrix = std::vector<Row>;

    Matrix &cells() { return m_cells; }
    const Matrix &cells() const { return m_cells; }
    std::vector<Field> &fields() { return m_fields; }
    const std::vector<Field> &fields() const { return m_fields; }

    quint32 rowCount() const { return quint32(m_cells.size()); }
    quint32 columnCount() const { return m_cells.empty() ? 0 : quint32(m_cells[0].size()); }

    void clear();

    // One generation attempt, drawing from `seed`.
    void generate(quint32 rows, quint32 columns, quint32 seeds, quint32 seed);
    // The areas the clue cells show.
    AreaRange fieldAreas() const;
    bool fieldSizesWithin(quint32 minFieldSize, quint32 maxFieldSize) const;

    // The player's marks: on a cell that is no clue, a blank one takes the
    // colour and id of the cell `from`, a painted one is cleared.
    void toggleMark(quint32 row, quint32 column, quint32 fromRow, quint32 fromColumn);
    bool isSolved() const;
    void checkField(quint32 row, quint32 column) const;

private:
    Matrix m_cells;
    std::vector<Field> m_fields;
};

#endif  // PUZZLEGRID_H

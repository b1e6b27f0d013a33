// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlegrid.h"

bool PuzzleGrid::isSolved() const
{
    bool anyBlank = false;
    for (const Row &row : m_cells) {
        for (const Cell &cell : row) {
            cell.checkId = cell.fieldId;
            cell.checkAux = 99999;
            anyBlank |= cell.fieldId == 0;
        }
    }
    if (anyBlank)
        return false;

    for (const Field &f : m_fields)
        checkField(f.clueRow, f.clueColumn);

    for (const Row &row : m_cells) {
        for (const Cell &cell : row) {
            if (cell.checkId != 0)
                return false;
        }
    }
    return true;
}

// Finds the rectangle marked with the clue's id around the clue and clears its
// work words when it is uniform and as large as the clue says.
void PuzzleGrid::checkField(quint32 row, quint32 column) const
{
    const quint32 rows = rowCount();
    const quint32 columns = columnCount();
    const qint32 x = m_cells[row][column].fieldId;

    quint32 t = row;
    while (t > 0 && m_cells[t - 1][column].fieldId == x)
        --t;
    quint32 l = column;
    while (l > 0 && m_cells[t][l - 1].fieldId == x)
        --l;
    quint32 b = row;
    while (b + 1 < rows && m_cells[b + 1][column].fieldId == x)
        ++b;
    quint32 r = column;
    while (r + 1 < columns && m_cells[b][r + 1].fieldId == x)
        ++r;

    // The size test is cheap and decides most wrong answers before the scan.
    if ((r - l + 1) * (b - t + 1) != m_cells[row][column].area)
        return;
    for (quint32 i = t; i <= b; ++i) {
        for (quint32 j = l; j <= r; ++j) {
            if (m_cells[i][j].fieldId != x)
                return;
        }
    }
    for (quint32 i = t; i <= b; ++i) {
        for (quint32 j = l; j <= r; ++j)
            m_cells[i][j].checkId = 0;
    }
}

#ifndef REFERENCEGENERATOR_H
#define REFERENCEGENERATOR_H

#include "puzzlegrid.h"

// The generation attempt written out as plainly as possible: every strip is
// scanned, every pass visits every field and the fill search restarts at
// (0, 0). The real generator must produce exactly the same puzzle.
namespace reference {

inline void startField(PuzzleGrid &g, quint32 row, quint32 column)
{
    Cell &cell = g.cells()[row][column];
    const quint32 id = quint32(g.fields().size()) + 1;
    cell.fieldId = qint32(id);
    cell.colour = g.takeColour();
    cell.area = 1;
    cell.isClue = true;
    Field f;
    f.id = id;
    f.top = f.bottom = f.clueRow = row;
    f.left = f.right = f.clueColumn = column;
    f.colour = cell.colour;
    g.fields().push_back(f);
}

inline bool grow(PuzzleGrid &g, Field &f, int d)
{
    auto &c = g.cells();
    const quint32 rows = quint32(c.size()), columns = quint32(c[0].size());
    quint32 row0 = 0, row1 = 0, col0 = 0, col1 = 0;
    switch (d) {
    case 0:
        if (f.left == 0)
            return false;
        row0 = f.top, row1 = f.bottom, col0 = col1 = f.left - 1;
        break;
    case 1:
        if (f.right + 1 >= columns)
            return false;
        row0 = f.top, row1 = f.bottom, col0 = col1 = f.right + 1;
        break;
    case 2:
        if (f.top == 0)
            return false;
        row0 = row1 = f.top - 1, col0 = f.left, col1 = f.right;
        break;
    default:
        if (f.bottom + 1 >= rows)
            return false;
        row0 = row1 = f.bottom + 1, col0 = f.left, col1 = f.right;
        break;
    }
    for (quint32 i = row0; i <= row1; ++i)
        for (quint32 j = col0; j <= col1; ++j)
            if (c[i][j].fieldId != 0)
                return false;
    for (quint32 i = row0; i <= row1; ++i)
        for (quint32 j = col0; j <= col1; ++j) {
            c[i][j].fieldId = qint32(f.id);
            c[i][j].colour = f.colour;
        }
    c[f.clueRow][f.clueColumn].area += (row1 - row0 + 1) * (col1 - col0 + 1);
    if (d == 0)
        --f.left;
    else if (d == 1)
        ++f.right;
    else if (d == 2)
        --f.top;
    else
        ++f.bottom;
    return true;
}

inline void generate(PuzzleGrid &g, quint32 rows, quint32 columns, quint32 seeds, quint32 seed)
{
    g.clear();
    g.srand(seed);
    g.preparePalette(2 * seeds);
    Cell blank;
    blank.colour = blankColour;
    g.cells().assign(rows, PuzzleGrid::Row(columns, blank));
    for (quint32 s = 0; s < seeds; ++s) {
        const quint32 row = quint32(g.rand()) % rows;
        const quint32 column = quint32(g.rand()) % columns;
        if (g.cells()[row][column].fieldId == 0)
            startField(g, row, column);
    }
    for (;;) {
        quint32 noChange = 0;
        bool changed = false;
        do {
            changed = false;
            for (Field &f : g.fields()) {
                const int d = noChange == 0 ? g.rand() % 4 : int(noChange % 4);
                changed |= grow(g, f, d);
            }
            noChange = changed ? 0 : noChange + 1;
        } while (changed || noChange <= 7);

        bool placed = false;
        for (quint32 i = 0; i < rows && !placed; ++i)
            for (quint32 j = 0; j < columns && !placed; ++j)
                if (g.cells()[i][j].fieldId == 0) {
                    startField(g, i, j);
                    placed = true;
                }
        if (!placed)
            break;
    }
    for (auto &row : g.cells())
        for (Cell &cell : row)
            if (!cell.isClue) {
                cell.colour = blankColour;
                cell.fieldId = 0;
            }
}

}  // namespace reference

#endif  // REFERENCEGENERATOR_H

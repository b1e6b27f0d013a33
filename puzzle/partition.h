// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PARTITION_H
#define PARTITION_H

#include "arearange.h"
#include "colour.h"
#include "field.h"
#include "randomsequence.h"

#include <vector>

class PuzzleGrid;

// One generation attempt, worked on only what it needs: the field id of every
// cell, in one array kept from attempt to attempt, and a box per field. An
// attempt that is thrown away never computes a colour; only the one kept is
// written out as a whole puzzle, with its colours and clue cells.
class Partition
{
public:
    // Cuts rows x columns cells into fields, drawing from `seed`.
    void generate(quint32 rows, quint32 columns, quint32 seeds, quint32 seed);
    AreaRange fieldAreas() const;
    bool fieldSizesWithin(quint32 minFieldSize, quint32 maxFieldSize) const;
    // The puzzle of the last attempt, with its colours and clue cells.
    void writeTo(PuzzleGrid &grid) const;

    // What an attempt keeps of a board's size: a field id a cell (the boxes,
    // a few dozen bytes a field, are left out).
    static quint64 bytesFor(quint32 rows, quint32 columns)
    {
        return (quint64(rows) + 2) * (quint64(columns) + 2) * sizeof(quint32);
    }

    // The colour of field `index` of the `count` that take prepared colours:
    // three sine waves over the index, shifted by the attempt's phase.
    static Colour paletteColour(float phase, quint32 index, quint32 count);
    // The colour of a field past those: three draws, each channel 40..231.
    static Colour randomColour(RandomSequence &random);

private:
    // A field's rectangle, its sides indexed by the direction that moves them
    // (left, right, top, bottom: inclusive), and the directions it can no
    // longer grow in. Cells are only ever taken, never freed, so a blocked
    // strip stays blocked.
    struct Box
    {
        quint32 side[4];
        quint32 clueRow, clueColumn;
        Colour colour;  // only of fields past the palette: theirs are drawn at once
        quint8 blocked;
        quint32 area() const { return rectangleArea(side[2], side[0], side[3], side[1]); }  // top, left, bottom, right
    };

    void startField(quint32 row, quint32 column);
    void growAll();
    void randomPass();
    void fixedPass(quint32 direction);
    void growTried(std::size_t tries);
    void grow(quint32 index, quint32 direction);
    std::size_t cellAt(quint32 row, quint32 column) const { return (std::size_t(row) + 1) * stride + column + 1; }

    quint32 rows = 0, columns = 0;
    quint32 paletteSize = 0;  // fields up to this many take prepared colours
    float phase = 0;          // the palette's random phase
    RandomSequence random;
    // Row by row, the field's id of each cell, 0 = free, in a frame of taken
    // cells: a strip past the board's edge is simply not free.
    std::vector<quint32> ids;
    std::size_t stride = 0;     // columns and the frame's two
    std::size_t steps[4] = {};  // from a cell to the next along a strip: a row down, or a column on
    static constexpr quint32 frame = ~0u;
    std::vector<Box> boxes;     // in field order
    std::vector<quint32> live;  // fields not yet blocked all round, in field order
    struct Try
    {
        quint32 index, direction;
    };
    std::vector<Try> tried;  // a pass's fields and directions not known to be blocked
    bool changed = false;
};

#endif  // PARTITION_H

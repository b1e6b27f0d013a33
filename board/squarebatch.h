// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SQUAREBATCH_H
#define SQUAREBATCH_H

#include "boardgeometry.h"
#include "puzzlegrid.h"

#include <QRgb>

#include <vector>

// The squares of a range of cells, gathered so that a painter draws each kind
// in few calls: runs of one colour along a row, sorted by colour; the clue
// squares; and the clue numbers, sorted by pen, weight and value.
class SquareBatch
{
public:
    struct Run
    {
        QRgb colour;
        int row, first, last;  // columns first..last
    };
    struct Number
    {
        QRect square;
        quint32 area;
        QRgb pen;
        bool bold;
    };

    SquareBatch(const PuzzleGrid &grid, const BoardGeometry &geometry, const BoardGeometry::Range &cells,
                quint32 selectedRow, quint32 selectedColumn);

    // Calls draw(colour, first, end) for each colour, with its runs.
    template<typename Draw> void forEachColour(Draw draw) const
    {
        for (const Run *run = runs.data(), *end = run + runs.size(); run != end;) {
            const Run *first = run;
            while (run != end && run->colour == first->colour)
                ++run;
            draw(first->colour, first, run);
        }
    }

    std::vector<Run> runs;
    std::vector<QRect> clueSquares;
    std::vector<Number> numbers;
};

#endif  // SQUAREBATCH_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CELL_H
#define CELL_H

#include "colour.h"

struct Cell
{
    qint32 fieldId = 0;  // field whose colour the cell carries, 0 = none
    // Work words of the solution check, which a check of a const grid may write.
    mutable qint32 checkId = 0;
    mutable qint32 checkAux = 0;
    Colour colour;
    bool isClue = false;
    quint32 area = 0;  // on a clue cell: the number shown
};

#endif  // CELL_H

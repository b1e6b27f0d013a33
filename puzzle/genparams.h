// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENPARAMS_H
#define GENPARAMS_H

#include <QtGlobal>

#include <algorithm>

struct GenParams
{
    // Why no puzzle can meet the field sizes, where that shows before searching.
    enum class Limits { Possible, MaxIsZero, MinAboveMax, MinAboveBoard, NoCountFits };

    quint32 rows = 0;
    quint32 columns = 0;
    quint32 seeds = 0;
    quint32 minFieldSize = 0;
    quint32 maxFieldSize = 0;

    Limits limits() const
    {
        const quint64 cells = quint64(rows) * columns, least = std::max<quint32>(minFieldSize, 1);
        if (maxFieldSize == 0)
            return Limits::MaxIsZero;
        if (minFieldSize > maxFieldSize)
            return Limits::MinAboveMax;
        if (minFieldSize > cells)
            return Limits::MinAboveBoard;
        // k fields cover at least k x min and at most k x max cells.
        const quint64 fewest = (cells + maxFieldSize - 1) / maxFieldSize, most = cells / least;
        return fewest > most ? Limits::NoCountFits : Limits::Possible;
    }
};

#endif  // GENPARAMS_H

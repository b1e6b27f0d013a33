// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef AREARANGE_H
#define AREARANGE_H

#include <QtGlobal>

#include <algorithm>
#include <limits>

// The smallest and the largest field of a puzzle, in cells, and the one rule
// that accepts a puzzle: every field between the two size limits, both
// inclusive. No fields at all are within any limits.
struct AreaRange
{
    quint32 smallest = std::numeric_limits<quint32>::max();
    quint32 largest = 0;

    void add(quint32 area)
    {
        smallest = std::min(smallest, area);
        largest = std::max(largest, area);
    }
    static bool fits(quint32 area, quint32 minFieldSize, quint32 maxFieldSize)
    {
        return area >= minFieldSize && area <= maxFieldSize;
    }
    bool within(quint32 minFieldSize, quint32 maxFieldSize) const
    {
        return isEmpty() || (fits(smallest, minFieldSize, maxFieldSize) && fits(largest, minFieldSize, maxFieldSize));
    }
    bool isEmpty() const { return largest == 0; }

    // In one word, for a thread to hand over at once: 0 is an empty range.
    quint64 packed() const { return isEmpty() ? 0 : quint64(smallest) << 32 | largest; }
    static AreaRange unpacked(quint64 word)
    {
        return word == 0 ? AreaRange() : AreaRange{quint32(word >> 32), quint32(word)};
    }
};

#endif  // AREARANGE_H

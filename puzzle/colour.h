// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COLOUR_H
#define COLOUR_H

#include <QtGlobal>

struct Colour
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
};

inline bool operator==(const Colour &a, const Colour &b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

inline bool operator!=(const Colour &a, const Colour &b)
{
    return !(a == b);
}

// An unpainted cell carries this colour.
inline constexpr Colour blankColour{255, 255, 255};

#endif  // COLOUR_H

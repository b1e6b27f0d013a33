// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef FIELD_H
#define FIELD_H

#include "colour.h"

// The cells of a rectangle from `top`, `left` to `bottom`, `right`, all inclusive.
inline quint32 rectangleArea(quint32 top, quint32 left, quint32 bottom, quint32 right)
{
    return (bottom - top + 1) * (right - left + 1);
}

// One rectangle of the generated solution; bounds are inclusive.
struct Field
{
    quint32 id = 0;
    quint32 top = 0;
    quint32 left = 0;
    quint32 bottom = 0;
    quint32 right = 0;
    Colour colour;
    quint32 clueRow = 0;
    quint32 clueColumn = 0;

    quint32 width() const { return right - left + 1; }
    quint32 height() const { return bottom - top + 1; }
    quint32 area() const { return rectangleArea(top, left, bottom, right); }
};

#endif  // FIELD_H

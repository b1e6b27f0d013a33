// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef CONTRAST_H
#define CONTRAST_H

#include <QColor>

// Relative luminance (0 for black, 1 for white) and the contrast ratio of
// two colours (1 to 21), as the usual readability guidelines define them.
double relativeLuminance(QRgb colour);
double contrastRatio(QRgb a, QRgb b);

// The pen of a clue number on a fill: dark grey, or black for the selected
// clue, unless white reads better on that fill, selected or not.
QColor numberPen(QRgb fill, bool selected);

#endif  // CONTRAST_H

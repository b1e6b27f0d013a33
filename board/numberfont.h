// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef NUMBERFONT_H
#define NUMBERFONT_H

#include <QFont>
#include <QRectF>

#include <array>
#include <map>

class QPainter;
class QRect;

// The font of the clue numbers: "Courier New" at the cell size less six
// pixels, made just small enough where a number would not fit inside its
// square's outline. One rule decides every size, so a zoom step never makes a
// number smaller. Measured once per cell size and digit count, not per cell.
class NumberFont
{
public:
    explicit NumberFont(int cellSize);

    void setCellSize(int cellSize);
    int cellSize() const { return size; }

    // The pixel size a number of `digits` digits is drawn at (a fraction for
    // tiny cells).
    qreal pixelSize(int digits, bool bold);

    // Draws `number` centred inside the outline of `square`, a cell's square
    // at this cell size, with the painter's pen.
    void draw(QPainter &painter, const QRect &square, quint32 number, bool bold);

    // Every attribute set, so that nothing is taken from the application's
    // font when a painter resolves it: what is measured is what is drawn.
    static QFont font(int pixelSize, bool bold);

private:
    // What one pixel size of the font measures.
    struct Metrics
    {
        QRectF digitInk;  // any digit's ink, from its origin on the baseline
        qreal advance = 0;
        qreal ascent = 0;
        qreal height = 0;
    };
    struct Look
    {
        QFont font;
        qreal size = 0;  // 0 until measured
        qreal scale = 1;
        QPointF origin;  // of the text, from the square's top-left; scaled looks: from the interior's centre
    };

    const Look &look(int digits, bool bold);
    Look measure(int digits, bool bold);
    const Metrics &metrics(int pixelSize, bool bold);
    bool placeHinted(int pixelSize, int digits, bool bold, QPointF &origin);

    int size = 0;
    std::array<std::array<Look, 11>, 2> looks;       // [bold][digits]
    std::array<std::map<int, Metrics>, 2> measured;  // [bold][pixel size], kept across zooms
};

#endif  // NUMBERFONT_H

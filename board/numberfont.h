#ifndef NUMBERFONT_H
#define NUMBERFONT_H

#include <QFont>

#include <array>

class QPainter;
class QRect;

// The font of the clue numbers: "Courier New" at the cell size less six
// pixels, made just small enough where a number would not fit its square,
// so that no number is ever clipped into a different one. Measured once per
// cell size and digit count, not per cell.
class NumberFont
{
public:
    explicit NumberFont(int cellSize = 24);

    void setCellSize(int cellSize);

    // Draws `number` centred in `square` (a cell's square at this cell size).
    void draw(QPainter &painter, const QRect &square, quint32 number, bool bold);

private:
    struct Look
    {
        QFont font;
        qreal scale = 0;  // painter scale for sub-pixel sizes; 0 until measured
    };

    const Look &look(int digits, bool bold);
    Look measure(int digits, bool bold) const;
    QFont font(int pixelSize, bool bold) const;

    int size = 24;
    std::array<std::array<Look, 11>, 2> looks;  // [bold][digits]
};

#endif  // NUMBERFONT_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef BOARDGEOMETRY_H
#define BOARDGEOMETRY_H

#include <QPointF>
#include <QRect>
#include <QSize>

#include <vector>

// Where the cells of a board lie: squares of `cellSize` pixels, `gap` pixels
// apart, the first one `margin` pixels from the board's top-left corner. The
// one place that knows the layout: drawing, the mouse, zoom and printing ask
// it.
struct BoardGeometry
{
    // Cells `firstRow`..`lastRow` by `firstColumn`..`lastColumn`; empty when a
    // last comes before its first.
    struct Range
    {
        int firstRow, lastRow, firstColumn, lastColumn;
    };

    quint32 cellSize = 24;
    qint32 gap = 4;
    qint32 margin = 5;

    int pitch() const { return int(cellSize) + gap; }
    QRect square(int row, int column) const;
    // The row or column whose square, or the gap after it, holds a pixel.
    // Unsigned: a pixel before the first square wraps to a huge index.
    quint32 rowAt(int y) const { return indexAt(y); }
    quint32 columnAt(int x) const { return indexAt(x); }
    QSize boardSize(quint32 rows, quint32 columns) const;
    std::vector<QRect> squares(const Range &cells) const;
    // The cells whose squares, with their outline's extra pixel, meet `area`.
    Range cellsMeeting(const QRect &area, quint32 rows, quint32 columns) const;
    // A point of the board in cells from the first square's corner, and back.
    QPointF cellCoordinates(const QPointF &point) const;
    QPointF boardPoint(const QPointF &cells) const;

    // A zoom step: two pixels more, or two fewer down to the smallest, 2.
    static unsigned zoomedIn(unsigned cellSize) { return cellSize + 2; }
    static unsigned zoomedOut(unsigned cellSize) { return cellSize > 2 ? cellSize - 2 : cellSize; }

private:
    quint32 indexAt(int pixel) const;
};

#endif  // BOARDGEOMETRY_H

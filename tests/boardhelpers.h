#ifndef BOARDHELPERS_H
#define BOARDHELPERS_H

#include "varritwidget.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QProgressDialog>
#include <QtTest>

namespace boardtest {

inline QProgressDialog *progressDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<QProgressDialog *>(w))
            return dialog;
    return nullptr;
}

// Generates with a fixed seed and waits for the new puzzle.
inline bool generateFixed(varritWidget &board, quint32 rows, quint32 columns, quint32 seeds, quint32 seed,
                          quint32 minFieldSize = 1, quint32 maxFieldSize = 999999)
{
    board.setSeedSource([seed] { return seed; });
    board.generate(rows, columns, seeds, minFieldSize, maxFieldSize);
    return QTest::qWaitFor([&board] { return !board.isGenerating(); }, 20000);
}

inline QImage renderBoard(varritWidget &board)
{
    QImage image(board.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    board.drawBoard(painter);
    return image;
}

// Top-left pixel of a cell's square at the board's current geometry.
inline QPoint cellOrigin(const varritWidget &board, int row, int column)
{
    const int pitch = int(board.getCellSize()) + 4;
    return QPoint(5 + column * pitch, 5 + row * pitch);
}

inline QPoint cellCentre(const varritWidget &board, int row, int column)
{
    const int half = int(board.getCellSize()) / 2;
    return cellOrigin(board, row, column) + QPoint(half, half);
}

inline QColor toQColor(const Colour &c)
{
    return QColor(c.red, c.green, c.blue);
}

}  // namespace boardtest

#endif  // BOARDHELPERS_H

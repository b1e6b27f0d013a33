#include "varritwidget.h"

#include <QMouseEvent>
#include <QtMath>

QPointF varritWidget::cellCoordinates(const QPointF &point) const
{
    const qreal pitch = cellSize + quint32(gap);
    return (point - QPointF(margin, margin)) / pitch;
}

QPointF varritWidget::boardPoint(const QPointF &cells) const
{
    const qreal pitch = cellSize + quint32(gap);
    return QPointF(margin, margin) + cells * pitch;
}

quint32 varritWidget::rowAt(QMouseEvent *event) const
{
    // Unsigned on purpose: a press above the margin wraps to a huge row.
    const quint32 y = quint32(qFloor(event->position().y()));
    return (y - quint32(margin)) / (cellSize + quint32(gap));
}

quint32 varritWidget::columnAt(QMouseEvent *event) const
{
    const quint32 x = quint32(qFloor(event->position().x()));
    return (x - quint32(margin)) / (cellSize + quint32(gap));
}

void varritWidget::mousePressEvent(QMouseEvent *event)
{
    // The shown puzzle is about to be replaced; marks made now would be lost.
    if (isGenerating())
        return;
    const quint32 row = rowAt(event);
    const quint32 column = columnAt(event);
    if (grid.rowCount() == 0 || row >= grid.rowCount() || column >= grid.columnCount())
        return;

    Cell &cell = grid.cells()[row][column];
    if (cell.isClue) {
        selectedRow = row;
        selectedColumn = column;
    } else if (cell.colour == blankColour) {
        const Cell &selected = grid.cells()[selectedRow][selectedColumn];
        cell.colour = selected.colour;
        cell.fieldId = selected.fieldId;
    } else {
        cell.colour = blankColour;
        cell.fieldId = 0;
    }
    update();

    if (grid.isSolved())
        showMessage("Well done!");
}

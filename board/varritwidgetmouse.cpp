// SPDX-License-Identifier: GPL-3.0-or-later
#include "varritwidget.h"

#include <QMouseEvent>
#include <QtMath>

void varritWidget::mousePressEvent(QMouseEvent *event)
{
    // The shown puzzle is about to be replaced; marks made now would be lost.
    if (isGenerating())
        return;
    const quint32 row = geometry.rowAt(qFloor(event->position().y()));
    const quint32 column = geometry.columnAt(qFloor(event->position().x()));
    if (row >= grid.rowCount() || column >= grid.columnCount())
        return;

    const QString hint = tr("Click a number first: its colour is what you paint.");
    if (grid.cells()[row][column].isClue) {
        selectedRow = row;
        selectedColumn = column;
        if (statusShown == hint)  // taken
            withdrawStatus();
    } else {
        const bool wasBlank = grid.cells()[row][column].colour == blankColour;
        grid.toggleMark(row, column, selectedRow, selectedColumn);
        // With no clue chosen yet, the press copies a blank cell: nothing shows.
        if (wasBlank && grid.cells()[row][column].colour == blankColour)
            showStatus(hint, 5000);
    }
    update();

    if (grid.isSolved())
        showMessage(tr("Well done!"));
}

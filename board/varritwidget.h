// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VARRITWIDGET_H
#define VARRITWIDGET_H

#include "boardgeometry.h"
#include "boardpainter.h"
#include "generationcontrol.h"
#include "puzzlegame.h"

#include <QWidget>

class QMouseEvent;
class QPainter;

// The puzzle board: shows the game's puzzle at its geometry, turns presses
// on its squares into moves, and says by signals what the player should
// know. A generation control beside it makes the puzzles.
class varritWidget : public QWidget
{
    Q_OBJECT

public:
    explicit varritWidget(QWidget *parent = nullptr);

    void generate(quint32 rows, quint32 columns, quint32 seeds, quint32 minFieldSize, quint32 maxFieldSize);

    // Every cell as the screen shows it, and the board as a white page shows it.
    void drawBoard(QPainter &painter);
    void drawPage(QPainter &painter);
    void adjustBoardSize();
    void setCellSize(unsigned size);
    unsigned getCellSize() const;
    const BoardGeometry &boardGeometry() const { return geometry; }

    const PuzzleGrid &puzzle() const { return game.grid(); }
    // Shows a puzzle made elsewhere, as a generation's end does.
    void setPuzzle(const PuzzleGrid &puzzle);
    QPoint selectedCell() const { return QPoint(int(game.selectedColumn()), int(game.selectedRow())); }
    bool isGenerating() const { return generation.isRunning(); }
    GenerationControl &generationControl() { return generation; }
    // Why a press copied nothing: no number chosen yet.
    static QString hint();

signals:
    void statusMessage(const QString &text, int timeout);
    // Takes back `text` where it is still shown.
    void statusWithdrawn(const QString &text);
    // A new puzzle replaced the one shown: it is seen from its top-left.
    void puzzleShown();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showPuzzle(PuzzleGrid *puzzle);

    BoardGeometry geometry;
    PuzzleGame game;
    BoardPainter boardPainter{game, geometry};
    GenerationControl generation;
};

#endif  // VARRITWIDGET_H

// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VARRITWIDGET_H
#define VARRITWIDGET_H

#include "boardgeometry.h"
#include "genthread.h"
#include "numberfont.h"
#include "puzzlegrid.h"

#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include <functional>

class QMouseEvent;
class QPainter;
class SquareBatch;

// The puzzle board: shows the puzzle, lets the player mark it, and runs
// generations on a worker thread behind a progress dialog.
class varritWidget : public QWidget
{
    Q_OBJECT

public:
    explicit varritWidget(QWidget *parent = nullptr);
    ~varritWidget() override;

    void generate(quint32 rows, quint32 columns, quint32 seeds, quint32 minFieldSize, quint32 maxFieldSize);

    // The board as the screen shows it, and as a white page shows it.
    void drawBoard(QPainter &painter);
    void drawPage(QPainter &painter);
    void adjustBoardSize();
    void setCellSize(unsigned size);
    unsigned getCellSize() const;
    const BoardGeometry &boardGeometry() const { return geometry; }

    const PuzzleGrid &puzzle() const { return grid; }
    // Shows a puzzle made elsewhere, as a generation's end does.
    void setPuzzle(const PuzzleGrid &puzzle);
    QPoint selectedCell() const { return QPoint(int(selectedColumn), int(selectedRow)); }
    bool isGenerating() const { return pendingRuns > 0; }
    // Where the next generations take their seeds from (a fixed seed replays a puzzle).
    void setSeedSource(std::function<quint32()> source);
    // The worker that generates, for settings such as its thread count.
    GenThread &worker() { return genThread; }

protected slots:
    void genFinished();
    void stopGen();
    void timeout();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool startGen(const GenParams &params);
    static QString progressLabel(const GenParams &params);
    void showTopLeft();
    void showStatus(const QString &text, int timeout = 0);
    void withdrawStatus();
    void drawSquares(QPainter &painter, const BoardGeometry::Range &cells);
    void drawGridLines(QPainter &painter);
    void drawClues(QPainter &painter, const SquareBatch &batch);
    BoardGeometry::Range allCells() const;
    static void showMessage(const QString &text);

    BoardGeometry geometry;
    quint32 selectedRow = 0;
    quint32 selectedColumn = 0;
    GenThread genThread;
    QProgressDialog progress;
    QTimer timer;
    PuzzleGrid grid;                      // the puzzle shown and played
    PuzzleGrid buildGrid;                 // filled by the worker, swapped in when it ends
    int pendingRuns = 0;                  // started runs whose finished() has not arrived yet
    GenParams running;                    // of the latest run
    bool cancelled = false;               // the latest run ended by Cancel
    QString statusShown;                  // the board's last word in the status bar
    std::function<quint32()> seedSource;  // empty: a fresh seed every attempt
    NumberFont numberFont{int(geometry.cellSize)};
};

#endif  // VARRITWIDGET_H

#ifndef VARRITWIDGET_H
#define VARRITWIDGET_H

#include "genthread.h"
#include "numberfont.h"
#include "puzzlegrid.h"

#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class QMouseEvent;
class QPainter;

// The puzzle board: shows the puzzle, lets the player mark it, and runs
// generations on a worker thread behind a progress dialog.
class varritWidget : public QWidget
{
    Q_OBJECT

public:
    explicit varritWidget(QWidget *parent = nullptr);
    ~varritWidget() override;

    void generate(quint32 rows, quint32 columns, quint32 seeds, quint32 minFieldSize, quint32 maxFieldSize);

    // Draws every cell. On a white page the blank cells need no fill.
    void drawBoard(QPainter &painter, bool onWhitePage = false);
    void adjustBoardSize();
    void setCellSize(unsigned size);
    unsigned getCellSize() const;

    const PuzzleGrid &puzzle() const { return grid; }
    QPoint selectedCell() const { return QPoint(int(selectedColumn), int(selectedRow)); }
    bool isGenerating() const { return pendingRuns > 0; }
    // Where the next generations take their seeds from (a fixed seed replays a puzzle).
    void setSeedSource(std::function<quint32()> source);
    // The worker that generates, for settings such as its thread count.
    GenThread &worker() { return genThread; }
    // Where a point of the board lies, in cells from the first square's corner, and back.
    QPointF cellCoordinates(const QPointF &point) const;
    QPointF boardPoint(const QPointF &cells) const;

protected slots:
    void genFinished();
    void stopGen();
    void timeout();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void startGen(quint32 rows, quint32 columns, quint32 seeds, quint32 minFieldSize, quint32 maxFieldSize);
    struct Number
    {
        QRect square;
        quint32 area;
        QRgb pen;
        bool bold;
    };
    struct CellBatch;
    void drawCells(QPainter &painter, int firstRow, int lastRow, int firstColumn, int lastColumn);
    void drawCell(CellBatch &batch, int row, int column) const;
    void drawPage(QPainter &painter);
    void drawNumbers(QPainter &painter, std::vector<Number> &numbers);
    QRect cellSquare(int row, int column) const;
    Number clueNumber(int row, int column) const;
    quint32 rowAt(QMouseEvent *event) const;
    quint32 columnAt(QMouseEvent *event) const;
    static void showMessage(const QString &text);

    quint32 cellSize = 24;
    qint32 gap = 4;
    qint32 margin = 5;
    quint32 selectedRow = 0;
    quint32 selectedColumn = 0;
    GenThread genThread;
    QProgressDialog progress;
    QTimer timer;
    PuzzleGrid grid;                      // the puzzle shown and played
    PuzzleGrid buildGrid;                 // filled by the worker, swapped in when it ends
    int pendingRuns = 0;                  // started runs whose finished() has not arrived yet
    std::function<quint32()> seedSource;  // empty: a fresh seed every attempt
    NumberFont numberFont;
};

#endif  // VARRITWIDGET_H

#ifndef GENTHREAD_H
#define GENTHREAD_H

#include "genparams.h"

#include <QThread>

#include <atomic>

class PuzzleGrid;

// Repeats generation attempts into a grid until every field's area lies
// within the limits, or until asked to stop (honoured between attempts).
class GenThread : public QThread
{
    Q_OBJECT

public:
    GenThread();

    void setParams(PuzzleGrid *grid, quint32 rows, quint32 columns, quint32 seeds, quint32 minFieldSize,
                   quint32 maxFieldSize);
    void requestStop();
    void clearStopRequest();
    bool waitForRun(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

protected:
    void run() override;

private:
    std::atomic<bool> stopRequested{false};
    std::atomic<quint64> runsEnded{0};
    PuzzleGrid *grid = nullptr;
    GenParams params;
};

#endif  // GENTHREAD_H

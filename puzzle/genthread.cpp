// SPDX-License-Identifier: GPL-3.0-or-later
#include "genthread.h"

#include "puzzlegrid.h"

#include <algorithm>

GenThread::GenThread()
    : QThread(nullptr)
{ }

void GenThread::setParams(PuzzleGrid *grid, const GenParams &params)
{
    this->grid = grid;
    this->params = params;
}

bool GenThread::startRun()
{
    start();
    // A start that failed leaves the thread neither running nor finished.
    return isRunning() || isFinished();
}

void GenThread::requestStop()
{
    stopRequested.store(true);
}

// The owner clears the flag just before start(); were run() to clear it, a
// stop requested between start() and the first attempt would be lost.
void GenThread::clearStopRequest()
{
    stopRequested.store(false);
}

// Blocks until run() has returned. The acquire pairs with the release at the
// end of run(): QThread::wait() orders the grid's writes before our reads
// too, but through Qt's own locks, which ThreadSanitizer cannot see.
bool GenThread::waitForRun(QDeadlineTimer deadline)
{
    const bool ended = wait(deadline);
    runsEnded.load(std::memory_order_acquire);
    return ended;
}

void GenThread::setWorkerCount(int count)
{
    workerCount = std::max(0, count);
}

int GenThread::workersFor(quint32 rows, quint32 columns) const
{
    if (workerCount > 0)
        return workerCount;
    const quint64 bytes = std::max<quint64>(1, Partition::bytesFor(rows, columns));
    const quint64 fitting = std::max<quint64>(1, memoryBudget / bytes);
    return int(std::min<quint64>(fitting, quint64(std::max(1, QThread::idealThreadCount()))));
}

void GenThread::run()
{
    AttemptSearch search(*grid, params, stopRequested);
    search.run(workersFor(params.rows, params.columns), helperStarter);
    attempts = search.attempts();
    result = search.resultAttempt();
    runsEnded.fetch_add(1, std::memory_order_release);
}

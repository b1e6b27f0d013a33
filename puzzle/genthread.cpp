#include "genthread.h"

#include "puzzlegrid.h"

GenThread::GenThread()
    : QThread(nullptr)
{ }

void GenThread::setParams(PuzzleGrid *grid, quint32 rows, quint32 columns, quint32 seeds, quint32 minFieldSize,
                          quint32 maxFieldSize)
{
    this->grid = grid;
    params = {rows, columns, seeds, minFieldSize, maxFieldSize};
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

void GenThread::run()
{
    for (;;) {
        grid->generate(params.rows, params.columns, params.seeds);
        if (grid->fieldSizesWithin(params.minFieldSize, params.maxFieldSize) || stopRequested.load())
            break;
    }
    runsEnded.fetch_add(1, std::memory_order_release);
}

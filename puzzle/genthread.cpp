#include "genthread.h"

#include "puzzlegrid.h"

GenThread::GenThread()
    : QThread(nullptr)
{
}

void GenThread::setParams(PuzzleGrid *grid, quint32 rows, quint32 columns, quint32 seeds,
                          quint32 minFieldSize, quint32 maxFieldSize)
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

void GenThread::run()
{
    for (;;) {
        grid->generate(params.rows, params.columns, params.seeds);
        if (grid->fieldSizesWithin(params.minFieldSize, params.maxFieldSize) || stopRequested.load())
            return;
    }
}

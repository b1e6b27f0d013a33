// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENTHREAD_H
#define GENTHREAD_H

#include "attemptsearch.h"
#include "genparams.h"

#include <QThread>

#include <atomic>

// Repeats generation attempts into a grid until every field's area lies
// within the limits, or until asked to stop (honoured between attempts).
// The attempts run on several threads at once; the result is the puzzle a
// single thread would find from the same seeds.
class GenThread : public QThread
{
    Q_OBJECT

public:
    // The partitions of one run's threads stay within this many bytes.
    static constexpr quint64 memoryBudget = 256ull << 20;

    GenThread();

    void setParams(PuzzleGrid *grid, const GenParams &params);
    // start(), telling whether a thread could be had: when not, the run
    // never begins and no finished() comes.
    bool startRun();
    void requestStop();
    void clearStopRequest();
    bool waitForRun(QDeadlineTimer deadline = QDeadlineTimer(QDeadlineTimer::Forever));

    // Threads for the next runs; 0 (the default) means one per core, fewer
    // where their partitions would not fit the memory budget.
    void setWorkerCount(int count);
    int workersFor(quint32 rows, quint32 columns) const;
    // How the run's helper threads are started; empty: as std::thread.
    void setHelperStarter(AttemptSearch::HelperStarter starter) { helperStarter = std::move(starter); }

    // Of the last run, read after waitForRun(): the attempts completed, and
    // the number of the attempt whose puzzle the grid holds.
    quint64 attemptsMade() const { return attempts; }
    quint64 resultAttempt() const { return result; }

protected:
    void run() override;

private:
    std::atomic<bool> stopRequested{false};
    std::atomic<quint64> runsEnded{0};
    PuzzleGrid *grid = nullptr;
    GenParams params;
    int workerCount = 0;
    AttemptSearch::HelperStarter helperStarter;
    quint64 attempts = 0;
    quint64 result = 0;
};

#endif  // GENTHREAD_H

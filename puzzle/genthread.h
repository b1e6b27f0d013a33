// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENTHREAD_H
#define GENTHREAD_H

#include "arearange.h"
#include "attemptsearch.h"
#include "genparams.h"
#include "puzzlegrid.h"

#include <QThread>

#include <atomic>

// Repeats generation attempts until every field's area lies within the
// limits, or until stopped, into a grid of its own, and hands the puzzle over
// when the run ends. The attempts run on several threads at once; the result
// is the puzzle a single thread would find from the same seeds.
class GenThread : public QThread
{
    Q_OBJECT

public:
    // The partitions of one run's threads stay within this many bytes.
    static constexpr quint64 memoryBudget = 256ull << 20;

    GenThread();
    ~GenThread() override;

    // Stops a run under way and starts one for `params`. False when the
    // system has no thread to give: then nothing more comes of it.
    bool startRun(const GenParams &params);
    // Ends the run under way after the attempts in progress, and returns once
    // it has ended. Its puzzle is still handed over, unless a newer run
    // starts first or the worker goes.
    void stop();

    // Where attempts take their seeds from; empty: a fresh seed every attempt.
    void setSeedSource(AttemptSearch::SeedSource source);
    static quint32 freshSeed();
    // Threads for the next runs; 0 (the default) means one per core, fewer
    // where their partitions would not fit the memory budget.
    void setWorkerCount(int count);
    int workersFor(quint32 rows, quint32 columns) const;
    // How the run's helper threads are started; empty: as std::thread.
    void setHelperStarter(AttemptSearch::HelperStarter starter) { helperStarter = std::move(starter); }

    // The settings of the latest run started.
    const GenParams &runParams() const { return current.params; }
    // The fields of a recent attempt of the run under way, at any time, and a
    // wish for a newer one; empty before its first attempt.
    AreaRange latestAttempt();
    // Of the last run that ended, once it has (after stop() or wait(), or
    // where its puzzle is handed over): the attempts completed, and the
    // number of the attempt whose puzzle it was.
    quint64 attemptsMade() const { return attempts; }
    quint64 resultAttempt() const { return result; }

signals:
    // Once for every run that no newer one replaced, on the thread that owns
    // this object: the accepted puzzle, or after stop() the last attempt. The
    // receiver may take it by swapping.
    void puzzleReady(PuzzleGrid *puzzle);
    // From the worker thread as a run ends; queued to the owner's.
    void runEnded(quint64 run, QPrivateSignal);

protected:
    void run() override;

private:
    void waitForRun();
    void handOver(quint64 run);

    // What a run works from, fixed when it starts: settings made during a run
    // are for the next.
    struct Run
    {
        quint64 number = 0;
        GenParams params;
        AttemptSearch::SeedSource seeds;
        AttemptSearch::HelperStarter startHelper;
        int workers = 1;
    };

    std::atomic<bool> stopRequested{false};
    AttemptSearch::Report latest;
    std::atomic<quint64> runsEnded{0};
    Run current;
    PuzzleGrid built;
    AttemptSearch::SeedSource seedSource;
    int workerCount = 0;
    AttemptSearch::HelperStarter helperStarter;
    quint64 attempts = 0;
    quint64 result = 0;
};

#endif  // GENTHREAD_H

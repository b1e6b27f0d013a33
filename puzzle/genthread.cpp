// SPDX-License-Identifier: GPL-3.0-or-later
#include "genthread.h"

#include <algorithm>
#include <chrono>
#include <random>

namespace {

quint64 splitMix(quint64 x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

}  // namespace

GenThread::GenThread()
    : QThread(nullptr)
{
    connect(this, &GenThread::runEnded, this, &GenThread::handOver, Qt::QueuedConnection);
}

// An attempt takes well under a second; forced termination could leave a
// runtime lock held.
GenThread::~GenThread()
{
    stop();
}

// The flag is cleared here, before start(): cleared in run(), a stop
// requested between start() and the first attempt would be lost.
bool GenThread::startRun(const GenParams &params)
{
    stop();
    current = {current.number + 1, params, seedSource ? seedSource : &GenThread::freshSeed, helperStarter,
               workersFor(params.rows, params.columns)};
    latest.areas.store(0, std::memory_order_relaxed);
    latest.wanted.store(true, std::memory_order_relaxed);
    stopRequested.store(false);
    start();
    // A start that failed leaves the thread neither running nor finished.
    return isRunning() || isFinished();
}

void GenThread::stop()
{
    stopRequested.store(true);
    waitForRun();
}

// The acquire pairs with the release at the end of run(): wait() orders the
// grid's writes before our reads too, but through Qt's own locks, which
// ThreadSanitizer cannot see.
void GenThread::waitForRun()
{
    wait();
    runsEnded.load(std::memory_order_acquire);
}

AreaRange GenThread::latestAttempt()
{
    const AreaRange areas = AreaRange::unpacked(latest.areas.load(std::memory_order_relaxed));
    latest.wanted.store(true, std::memory_order_relaxed);
    return areas;
}

void GenThread::setSeedSource(AttemptSearch::SeedSource source)
{
    seedSource = std::move(source);
}

// A new value on every call, even for calls within one clock tick.
quint32 GenThread::freshSeed()
{
    static const quint64 processSalt = (quint64(std::random_device{}()) << 32) ^ std::random_device{}();
    static std::atomic<quint64> counter{0};
    const quint64 now = quint64(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const quint64 n = counter.fetch_add(1, std::memory_order_relaxed);
    return quint32(splitMix(processSalt ^ splitMix(now) ^ (n * 0xd1b54a32d192ed03ull)) >> 32);
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
    const quint64 run = current.number;
    AttemptSearch search(built, current.params, stopRequested, current.seeds, &latest);
    search.run(current.workers, current.startHelper);
    attempts = search.attempts();
    result = search.resultAttempt();
    runsEnded.fetch_add(1, std::memory_order_release);
    emit runEnded(run, QPrivateSignal());
}

// A run stopped by a newer one reports nothing: its puzzle is not the one
// asked for.
void GenThread::handOver(quint64 run)
{
    if (run != current.number)
        return;
    waitForRun();
    emit puzzleReady(&built);
    built = PuzzleGrid();  // what a receiver gave back in exchange is not kept
}

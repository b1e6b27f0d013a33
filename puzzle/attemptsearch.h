// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef ATTEMPTSEARCH_H
#define ATTEMPTSEARCH_H

#include "genparams.h"
#include "partition.h"
#include "puzzlegrid.h"

#include <atomic>
#include <functional>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

// Runs generation attempts on several threads at once, each in a partition
// of its own, and ends with the puzzle one thread would have found: attempt k
// takes the k-th seed of the seed source, and the lowest-numbered attempt
// that fits wins. Only claiming attempt numbers and reporting an accepted one
// are shared; only the puzzle kept is written into the grid.
class AttemptSearch
{
public:
    static constexpr quint64 none = std::numeric_limits<quint64>::max();
    // Starts a helper thread; throws std::system_error, as std::thread does,
    // when the system has none to give.
    using HelperStarter = std::function<std::thread(std::function<void()>)>;
    using SeedSource = std::function<quint32()>;
    // Where the first thread tells the fields of its next attempt once they
    // are wanted, packed as AreaRange packs them: working them out for every
    // attempt would slow the search.
    struct Report
    {
        std::atomic<bool> wanted{true};
        std::atomic<quint64> areas{0};
    };

    AttemptSearch(PuzzleGrid &grid, const GenParams &params, const std::atomic<bool> &stopRequested,
                  SeedSource seedSource, Report *report = nullptr);

    // Returns once an attempt fits and no lower one still runs, or once every
    // thread has finished its attempt after a stop. The grid then holds the
    // accepted attempt, or else the highest-numbered one completed. Helpers
    // that cannot be started leave the work to the threads there are.
    void run(int workers, const HelperStarter &startHelper = {});

    quint64 attempts() const { return attemptCount; }
    quint64 resultAttempt() const { return result; }

private:
    // Kept on cache lines of their own: each is written by one thread only.
    struct alignas(64) Worker
    {
        Partition partition;
        std::vector<quint32> seeds;  // of the claimed attempts first .. first + seeds.size() - 1
        std::size_t next = 0;
        quint64 first = 0;
        quint64 lastDone = none;
        quint64 attempts = 0;
        Report *report = nullptr;
    };

    void work(Worker &w);
    bool nextAttempt(Worker &w, quint64 &attempt, quint32 &seed);
    void accept(quint64 attempt);

    PuzzleGrid &grid;
    const GenParams params;
    const std::atomic<bool> &stopRequested;
    const SeedSource seedSource;
    Report *const report;
    const std::size_t batch;  // attempts claimed at once: small boards finish one in microseconds

    std::mutex claimMutex;
    quint64 nextToClaim = 0;  // guarded by claimMutex, as are calls of the seed source
    alignas(64) std::atomic<quint64> bestAccepted{none};

    quint64 attemptCount = 0;
    quint64 result = none;
};

#endif  // ATTEMPTSEARCH_H

// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of the whole attempt loop on one thread and on all of them, and
// the time to an accepted puzzle for settings players pick.
#include "genthread.h"
#include "puzzlegrid.h"
#include "timing.h"

#include <cstdio>
#include <vector>

namespace {

struct Run
{
    double seconds;
    quint64 attempts;
};

// One run of the worker from a fixed seed sequence; stopped after `stopAfterMs` if given.
Run timedRun(int workers, const GenParams &p, quint32 firstSeed, unsigned long stopAfterMs = 0)
{
    quint32 seed = firstSeed;
    GenThread thread;
    thread.setSeedSource([&seed] { return seed++; });
    thread.setWorkerCount(workers);
    const double ms = elapsedMs([&] {
        thread.startRun(p);
        if (stopAfterMs) {
            QThread::msleep(stopAfterMs);
            thread.stop();
        } else {
            thread.wait();
        }
    });
    return {ms / 1000.0, thread.attemptsMade()};
}

}  // namespace

void benchAccept()
{
    const int all = GenThread().workersFor(100, 100);
    std::printf("accept   threads: 1 and %d (all)\n", all);

    const GenParams unmeetable[] = {{10, 10, 15, 2, 1}, {20, 20, 40, 2, 1}, {100, 100, 100, 2, 1}};
    for (const GenParams &p : unmeetable) {
        double rate[2];
        for (int k = 0; k < 2; ++k) {
            const Run run = timedRun(k == 0 ? 1 : all, p, 1, 2000);
            rate[k] = double(run.attempts) / run.seconds;
        }
        std::printf("accept   %3u x %-3u %3u seeds, no fit: %10.0f attempts/s on 1, %10.0f on %d: x %.2f\n", p.rows,
                    p.columns, p.seeds, rate[0], rate[1], all, rate[1] / rate[0]);
    }

    const GenParams wanted[] = {{15, 15, 30, 2, 12}, {20, 20, 40, 2, 16}};
    for (const GenParams &p : wanted) {
        double medians[2];
        for (int k = 0; k < 2; ++k) {
            std::vector<double> times;
            for (quint32 sequence = 0; sequence < 20; ++sequence)
                times.push_back(timedRun(k == 0 ? 1 : all, p, sequence * 10000019u).seconds * 1000.0);
            medians[k] = median(times);
        }
        std::printf("accept   %3u x %-3u %3u seeds, %u..%u: median %8.1f ms on 1, %8.1f ms on %d\n", p.rows, p.columns,
                    p.seeds, p.minFieldSize, p.maxFieldSize, medians[0], medians[1], all);
    }
}

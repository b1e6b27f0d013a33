// SPDX-License-Identifier: GPL-3.0-or-later
// Prints speed and memory figures for the generator, the search for an
// accepted puzzle, the solution check, painting and printing. Fixed seeds, medians of several runs.
#include "genthread.h"
#include "partition.h"
#include "puzzlegrid.h"
#include "timing.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int benchPaint(int argc, char **argv);
int benchPrint(int argc, char **argv);
void benchAccept();

namespace {

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The peak memory `work` adds, in MB, taken in a child process of its own so
// that no earlier peak hides it.
double peakMegabytes(const std::function<void()> &work)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        const long before = peakKilobytes();
        work();
        const long added = peakKilobytes() - before;
        _exit(write(fds[1], &added, sizeof added) == sizeof added ? 0 : 1);
    }
    long added = -1024;
    if (child < 0 || read(fds[0], &added, sizeof added) != sizeof added)
        added = -1024;
    waitpid(child, nullptr, 0);
    close(fds[0]);
    close(fds[1]);
    return double(added) / 1024.0;
}

void benchMemory()
{
    const double puzzle = peakMegabytes([] { PuzzleGrid().generate(999, 999, 999, 1); });
    std::printf("memory   999 x 999 puzzle: peak %.1f MB above start (%.1f MB of cells)\n", puzzle,
                999.0 * 999.0 * sizeof(Cell) / (1024.0 * 1024.0));
    GenThread thread;
    const int workers = thread.workersFor(999, 999);
    const double search = peakMegabytes([&thread] {
        thread.startRun({999, 999, 999, 2, 1});  // no fit: it runs until stopped
        QThread::msleep(500);
        thread.stop();
    });
    std::printf("memory   999 x 999 search on %d threads: peak %.1f MB above start\n", workers, search);
}

// Attempts as the search makes them: one partition, reused, and its
// acceptance test; and the one write of the puzzle kept.
void benchGenerate()
{
    struct Case
    {
        quint32 rows, columns, seeds, attempts;
    };
    const Case cases[] = {{10, 10, 15, 20000}, {100, 100, 100, 200}, {999, 999, 15, 5}, {999, 999, 999, 5}};
    for (const Case &c : cases) {
        std::vector<double> runs;
        for (quint32 run = 0; run < 5; ++run) {
            Partition attempt;
            runs.push_back(elapsedMs([&] {
                               for (quint32 a = 0; a < c.attempts; ++a) {
                                   attempt.generate(c.rows, c.columns, c.seeds, 1000u * run + a);
                                   attempt.fieldSizesWithin(2, 9999);
                               }
                           })
                           * 1000.0 / c.attempts);
        }
        std::printf("generate %4u x %-4u %4u seeds: %12.1f us per attempt\n", c.rows, c.columns, c.seeds, median(runs));
    }
    Partition kept;
    kept.generate(999, 999, 999, 1);
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        PuzzleGrid grid;
        runs.push_back(elapsedMs([&] { kept.writeTo(grid); }));
    }
    std::printf("generate 999 x 999  999 seeds, the puzzle kept written out: %8.1f ms\n", median(runs));
}

void benchCheck()
{
    PuzzleGrid grid;
    grid.generate(999, 999, 999, 7);
    for (const Field &f : grid.fields())
        for (quint32 i = f.top; i <= f.bottom; ++i)
            for (quint32 j = f.left; j <= f.right; ++j)
                grid.cells()[i][j].fieldId = qint32(f.id);
    std::vector<double> runs;
    bool solved = true;
    for (int run = 0; run < 15; ++run) {
        runs.push_back(elapsedMs([&] { solved &= grid.isSolved(); }));
    }
    std::printf("check    999 x 999 solved puzzle: %8.2f ms per isSolved()%s\n", median(runs),
                solved ? "" : "  (NOT SOLVED?)");
}

}  // namespace

int main(int argc, char **argv)
{
    const char *mode = argc > 1 ? argv[1] : "all";
    const bool all = std::strcmp(mode, "all") == 0;
    bool known = all;
    if (all || std::strcmp(mode, "generate") == 0) {
        benchMemory();
        benchGenerate();
        known = true;
    }
    if (all || std::strcmp(mode, "check") == 0) {
        benchCheck();
        known = true;
    }
    if (all || std::strcmp(mode, "accept") == 0) {
        benchAccept();
        known = true;
    }
    if (all || std::strcmp(mode, "paint") == 0) {
        if (benchPaint(argc, argv) != 0)
            return 1;
        known = true;
    }
    if (all || std::strcmp(mode, "print") == 0) {
        if (benchPrint(argc, argv) != 0)
            return 1;
        known = true;
    }
    if (!known) {
        std::fprintf(stderr, "usage: varrit-bench [all|generate|check|accept|paint|print]\n");
        return 2;
    }
    return 0;
}

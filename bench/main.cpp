// Prints speed and memory figures for the generator, the search for an
// accepted puzzle, the solution check, painting and printing. Fixed seeds, medians of several runs.
#include "puzzlegrid.h"
#include "timing.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include <sys/resource.h>

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

void benchMemory()
{
    const long before = peakKilobytes();
    PuzzleGrid grid;
    grid.setSeedSource([] { return 1u; });
    grid.generate(999, 999, 999);
    const long after = peakKilobytes();
    std::printf("memory   999 x 999 puzzle: peak %.1f MB above start (%zu fields, %.1f MB of cells)\n",
                (after - before) / 1024.0, grid.fields().size(), 999.0 * 999.0 * sizeof(Cell) / (1024.0 * 1024.0));
}

void benchGenerate()
{
    struct Case
    {
        quint32 rows, columns, seeds, attempts;
    };
    const Case cases[] = {{10, 10, 15, 20000}, {100, 100, 100, 200}, {999, 999, 15, 5}, {999, 999, 999, 5}};
    for (const Case &c : cases) {
        std::vector<double> runs;
        for (int run = 0; run < 5; ++run) {
            PuzzleGrid grid;
            quint32 seed = 1000u * quint32(run);
            grid.setSeedSource([&seed] { return seed++; });
            runs.push_back(elapsedMs([&] {
                               for (quint32 a = 0; a < c.attempts; ++a)
                                   grid.generate(c.rows, c.columns, c.seeds);
                           })
                           * 1000.0 / c.attempts);
        }
        std::printf("generate %4u x %-4u %4u seeds: %12.1f us per attempt\n", c.rows, c.columns, c.seeds, median(runs));
    }
}

void benchCheck()
{
    PuzzleGrid grid;
    grid.setSeedSource([] { return 7u; });
    grid.generate(999, 999, 999);
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

// SPDX-License-Identifier: GPL-3.0-or-later
// Print figures: time and file size of a PDF of a board with marks, through
// the window's own print path.
#include "mainwindow.h"
#include "timing.h"
#include "varritwidget.h"

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

// Every other field painted in, as a player half-way through would have.
PuzzleGrid halfMarked(quint32 side)
{
    PuzzleGrid grid;
    grid.generate(side, side, side, 11);
    const std::vector<Field> &fields = grid.fields();
    for (std::size_t k = 0; k < fields.size(); k += 2) {
        const Field &f = fields[k];
        for (quint32 i = f.top; i <= f.bottom; ++i)
            for (quint32 j = f.left; j <= f.right; ++j)
                if (!grid.cells()[i][j].isClue)
                    grid.toggleMark(i, j, f.clueRow, f.clueColumn);
    }
    return grid;
}

}  // namespace

int benchPrint(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainWindow window;
    auto *board = window.findChild<varritWidget *>();
    while (board->isGenerating())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QTemporaryDir dir;
    const QString file = dir.filePath("board.pdf");
    for (const quint32 side : {100u, 500u, 999u}) {
        board->setPuzzle(halfMarked(side));
        std::vector<double> runs;
        bool written = true;
        for (int run = 0; run < 3; ++run)
            runs.push_back(elapsedMs([&] { written &= window.printToFile(file); }));
        if (!written)
            return 1;
        std::printf("print    %3u x %-3u board with marks: %8.0f ms, %8.0f kB\n", side, side, median(runs),
                    double(QFileInfo(file).size()) / 1024.0);
    }
    return 0;
}

// Print figures: time and file size of a PDF of a board with marks, through
// the window's own print path.
#include "mainwindow.h"
#include "varritwidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Paints every other field in, as a player half-way through would have.
void markHalf(varritWidget &board)
{
    auto &cells = const_cast<PuzzleGrid &>(board.puzzle()).cells();
    const std::vector<Field> &fields = board.puzzle().fields();
    for (std::size_t k = 0; k < fields.size(); k += 2) {
        const Field &f = fields[k];
        for (quint32 i = f.top; i <= f.bottom; ++i)
            for (quint32 j = f.left; j <= f.right; ++j)
                if (!cells[i][j].isClue)
                    cells[i][j].colour = f.colour, cells[i][j].fieldId = qint32(f.id);
    }
}

}  // namespace

int benchPrint(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    MainWindow window;
    auto *board = window.findChild<varritWidget *>();
    QTemporaryDir dir;
    for (const quint32 side : {100u, 500u, 999u}) {
        board->setSeedSource([] { return 11u; });
        board->generate(side, side, side, 1, 999999);
        while (board->isGenerating())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        markHalf(*board);
        std::vector<double> runs;
        const QString file = dir.filePath("board.pdf");
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            if (!window.printToFile(file))
                return 1;
            runs.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::sort(runs.begin(), runs.end());
        std::printf("print    %3u x %-3u board with marks: %8.0f ms, %8.0f kB\n", side, side, runs[1],
                    double(QFileInfo(file).size()) / 1024.0);
    }
    return 0;
}

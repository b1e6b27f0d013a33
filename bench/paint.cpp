// SPDX-License-Identifier: GPL-3.0-or-later
// Painting figures: a screenful of a 999 x 999 board, as a scroll paints it,
// and every cell through drawBoard(), as the printer does.
#include "timing.h"
#include "varritwidget.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

int benchPaint(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    varritWidget board;
    board.generationControl().worker().setSeedSource([] { return 3u; });
    board.generate(999, 999, 999, 1, 999999);
    while (board.isGenerating())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);

    // A 1200 x 800 window onto the middle of the board, as a scroll shows it.
    QImage viewport(1200, 800, QImage::Format_RGB32);
    const QRect area(board.width() / 2, board.height() / 2, 1200, 800);
    std::vector<double> runs;
    for (int run = 0; run < 15; ++run)
        runs.push_back(elapsedMs([&] { board.render(&viewport, QPoint(), QRegion(area)); }));
    std::printf("paint    1200 x 800 view of a 999 x 999 board: %8.2f ms\n", median(runs));

    // Every cell, shrunk onto a page-sized image (the full size would take gigabytes).
    QImage page(4000, 4000, QImage::Format_RGB32);
    runs.clear();
    for (int run = 0; run < 3; ++run) {
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.scale(4000.0 / board.width(), 4000.0 / board.height());
        runs.push_back(elapsedMs([&] { board.drawBoard(painter); }));
    }
    std::printf("paint    whole 999 x 999 board (drawBoard):   %8.0f ms\n", median(runs));
    return 0;
}

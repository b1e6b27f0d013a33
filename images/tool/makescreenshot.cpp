// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the game in a real window and saves two views of it side by side: a
// fresh puzzle and the same puzzle partly solved. Run by scripts/screenshot.
#include "mainwindow.h"
#include "varritwidget.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void press(varritWidget *board, int row, int column)
{
    const int pitch = int(board->getCellSize()) + 4;
    const QPointF at(5 + column * pitch + pitch / 2, 5 + row * pitch + pitch / 2);
    QMouseEvent down(QEvent::MouseButtonPress, at, board->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(board, &down);
}

QPixmap grab(QWidget &window)
{
    settle(400);
    return window.screen()->grabWindow(window.winId());
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshot.png");

    MainWindow window;
    window.setWindowIcon(QIcon("images/star.png"));
    window.setWindowTitle("varritQt");
    window.resize(600, 400);
    auto *board = window.findChild<varritWidget *>();
    // Seeds counted up from a fixed start: the same pictures on every run.
    board->generationControl().worker().setSeedSource([seed = 20261206u]() mutable { return seed++; });
    for (QAction *action : window.findChildren<QAction *>())
        if (action->text() == QLatin1String("&Generate"))
            action->trigger();
    window.show();
    while (board->isGenerating())
        settle(20);
    const QPixmap fresh = grab(window);

    // Fill in every other field, as a player half-way through would have.
    const std::vector<Field> fields = board->puzzle().fields();
    for (std::size_t k = 0; k < fields.size(); k += 2) {
        const Field &f = fields[k];
        press(board, int(f.clueRow), int(f.clueColumn));
        for (quint32 i = f.top; i <= f.bottom; ++i)
            for (quint32 j = f.left; j <= f.right; ++j)
                if (i != f.clueRow || j != f.clueColumn)
                    press(board, int(i), int(j));
    }
    const QPixmap played = grab(window);

    const int gap = 24;
    QImage sheet(fresh.width() + gap + played.width(), qMax(fresh.height(), played.height()), QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    painter.drawPixmap(0, 0, fresh);
    painter.drawPixmap(fresh.width() + gap, 0, played);
    painter.end();
    if (!sheet.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

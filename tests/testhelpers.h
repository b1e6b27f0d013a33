// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TESTHELPERS_H
#define TESTHELPERS_H

#include "varritwidget.h"

#include <QtTest>
#include <QtWidgets>

// Closes every modal window but a progress dialog that opens while it lives: "title|text" of a box, or the class name.
struct ModalWatcher : QObject
{
    ModalWatcher(std::function<void(QDialog *)> look = {})
    {
        connect(&timer, &QTimer::timeout, this, [this, look] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (dialog && !qobject_cast<QProgressDialog *>(dialog)) {
                auto *box = qobject_cast<QMessageBox *>(dialog);
                seen << (box ? box->windowTitle() + '|' + box->text() : dialog->metaObject()->className());
                if (look)
                    look(dialog);
                if (dialog->isVisible())
                    dialog->reject();
            }
        });
        timer.start(5);
    }
    QTimer timer;
    QStringList seen;
};

// Counts the events of one type that reach a widget; of paints, those of the whole widget.
struct EventCounter : QObject
{
    EventCounter(QObject *target, QEvent::Type type) { this->type = type, target->installEventFilter(this); }
    bool eventFilter(QObject *target, QEvent *event) override
    {
        const auto *paint = event->type() == QEvent::Paint ? static_cast<QPaintEvent *>(event) : nullptr;
        return count += event->type() == type && (!paint || paint->rect() == static_cast<QWidget *>(target)->rect()),
               false;
    }
    QEvent::Type type;
    int count = 0;
};

// Runs the event loop until a timer armed now for `ms` has fired, and `then` in it: after every one due sooner.
inline void passTimers(int ms, const std::function<void()> &then = {})
{
    bool fired = false;
    QTimer::singleShot(ms, Qt::PreciseTimer, [&fired, &then] {
        if (then)
            then();
        fired = true;
    });
    if (!QTest::qWaitFor([&fired] { return fired; }, ms + 30000))
        qFatal("a %d ms timer never fired", ms);
}

inline const auto worker = [](varritWidget &board) -> GenThread & { return board.generationControl().worker(); };

// Generates from seeds counted up from `seed` and waits for the puzzle.
inline bool generateFixed(varritWidget &board, quint32 rows, quint32 columns, quint32 seeds, quint32 seed,
                          quint32 minFieldSize = 1, quint32 maxFieldSize = 999999)
{
    worker(board).setSeedSource([seed]() mutable { return seed++; });
    board.generate(rows, columns, seeds, minFieldSize, maxFieldSize);
    return QTest::qWaitFor([&board] { return !board.isGenerating(); }, 20000);
}

// The bounding box of the pixels that differ from `background`.
inline QRect inkIn(const QImage &image, const QColor &background)
{
    QRect ink;
    for (int p = 0; p < image.width() * image.height(); ++p)
        ink |= image.pixel(p % image.width(), p / image.width()) != background.rgb()
                   ? QRect(p % image.width(), p / image.width(), 1, 1)
                   : QRect();
    return ink;
}

// A picture of `size` on `background`, as `draw` paints it.
template<typename Draw> QImage picture(QSize size, const QColor &background, Draw draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    draw(painter);
    return image;
}

inline const auto press = [](varritWidget &board, int row, int column) {
    QTest::mouseClick(&board, Qt::LeftButton, {}, board.boardGeometry().square(row, column).center());
};

#endif  // TESTHELPERS_H

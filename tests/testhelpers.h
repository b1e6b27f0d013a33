#ifndef TESTHELPERS_H
#define TESTHELPERS_H

#include "varritwidget.h"

#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// Closes every modal window that opens while it lives: "title|text" of a box, or the class name.
struct ModalWatcher : QObject
{
    ModalWatcher(std::function<void(QDialog *)> look = {})
    {
        connect(&timer, &QTimer::timeout, this, [this, look] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
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

// Counts the events of one type that reach an object.
struct EventCounter : QObject
{
    EventCounter(QObject *target, QEvent::Type type) { this->type = type, target->installEventFilter(this); }
    bool eventFilter(QObject *, QEvent *event) override { return count += event->type() == type, false; }
    QEvent::Type type;
    int count = 0;
};

// Ends the program with `why` unless disarmed within `ms`: a hang fails at once, and says why.
inline std::shared_ptr<std::atomic<bool>> watchdog(int ms, const char *why)
{
    auto armed = std::make_shared<std::atomic<bool>>(true);
    std::thread([armed, ms, why] {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
        if (*armed)
            qFatal("watchdog: %s", why);
    }).detach();
    return armed;
}

// Runs the event loop until a timer armed now for `ms` has fired, and runs
// `then` in it. Timers fire in the order they fall due, so every one due
// sooner has fired by then, and none due later, however slow the machine.
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

// Generates from seeds counted up from `seed` and waits for the puzzle.
inline bool generateFixed(varritWidget &board, quint32 rows, quint32 columns, quint32 seeds, quint32 seed,
                          quint32 minFieldSize = 1, quint32 maxFieldSize = 999999)
{
    board.setSeedSource([seed]() mutable { return seed++; });
    board.generate(rows, columns, seeds, minFieldSize, maxFieldSize);
    return QTest::qWaitFor([&board] { return !board.isGenerating(); }, 20000);
}

// The bounding box of the pixels in `area` that differ from `background`.
inline QRect inkIn(const QImage &image, const QRect &area, const QColor &background)
{
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != background.rgb())
                ink |= QRect(x, y, 1, 1);
    return ink;
}

inline void press(varritWidget &board, int row, int column)
{
    QTest::mouseClick(&board, Qt::LeftButton, {}, board.boardGeometry().square(row, column).center());
}

#endif  // TESTHELPERS_H

#include "genthread.h"
#include "puzzlegrid.h"

#include <QtTest>

#include <atomic>

class TestGenThread : public QObject
{
    Q_OBJECT

private slots:
    void acceptedAttemptMeetsLimits();
    void impossibleLimitsRunUntilStopped();
    void stopRightAfterStartIsKept();
};

void TestGenThread::acceptedAttemptMeetsLimits()
{
    PuzzleGrid grid;
    std::atomic<int> attempts{0};
    grid.setSeedSource([&attempts] { return quint32(++attempts); });
    GenThread thread;
    int finished = 0;
    connect(&thread, &QThread::finished, this, [&finished] { ++finished; });

    thread.setParams(&grid, 12, 9, 15, 1, 12 * 9);  // every attempt fits
    thread.clearStopRequest();
    thread.start();
    QVERIFY(thread.waitForRun(QDeadlineTimer(10000)));
    QCOMPARE(attempts.load(), 1);
    QTRY_COMPARE(finished, 1);

    thread.setParams(&grid, 10, 10, 15, 3, 12);  // limits are inclusive
    thread.clearStopRequest();
    thread.start();
    QVERIFY(thread.waitForRun(QDeadlineTimer(30000)));
    QVERIFY(grid.fieldSizesWithin(3, 12));
    QTRY_COMPARE(finished, 2);
}

void TestGenThread::impossibleLimitsRunUntilStopped()
{
    PuzzleGrid grid;
    std::atomic<int> attempts{0};
    grid.setSeedSource([&attempts] { return quint32(++attempts); });
    GenThread thread;
    int finished = 0;
    connect(&thread, &QThread::finished, this, [&finished] { ++finished; });
    thread.setParams(&grid, 10, 10, 15, 5, 4);  // crossed limits
    thread.clearStopRequest();
    thread.start();
    QTRY_VERIFY(attempts.load() > 50);
    QVERIFY(thread.isRunning());
    thread.requestStop();
    QVERIFY(thread.waitForRun(QDeadlineTimer(10000)));
    QTRY_COMPARE(finished, 1);
    QCOMPARE(grid.rowCount(), 10u);  // the last whole attempt stays
}

void TestGenThread::stopRightAfterStartIsKept()
{
    // Usually raised before run() has begun; lost, the run would never end.
    PuzzleGrid grid;
    GenThread thread;
    thread.setParams(&grid, 30, 30, 15, 5, 4);
    thread.clearStopRequest();
    thread.start();
    thread.requestStop();
    const bool ended = thread.waitForRun(QDeadlineTimer(10000));
    thread.requestStop();
    thread.waitForRun();
    QVERIFY(ended);
}

QTEST_GUILESS_MAIN(TestGenThread)
#include "tst_genthread.moc"

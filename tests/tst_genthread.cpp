#include "genthread.h"
#include "puzzlegrid.h"

#include <QtTest>

class TestGenThread : public QObject
{
    Q_OBJECT

private slots:
    void generousLimitsAcceptFirstAttempt();
    void acceptedRunMeetsLimits();
    void impossibleLimitsRunUntilStopped_data();
    void impossibleLimitsRunUntilStopped();
    void stopBeforeStartIsKept();
};

void TestGenThread::generousLimitsAcceptFirstAttempt()
{
    PuzzleGrid grid;
    int attempts = 0;
    grid.setSeedSource([&attempts] { return quint32(++attempts); });
    GenThread thread;
    int finished = 0;  // counted on this thread, as the board does
    connect(&thread, &QThread::finished, this, [&finished] { ++finished; });
    thread.setParams(&grid, 12, 9, 15, 1, 12 * 9);
    thread.clearStopRequest();
    thread.start();
    QVERIFY(thread.waitForRun(QDeadlineTimer(10000)));
    QCOMPARE(attempts, 1);
    QTRY_COMPARE(finished, 1);
    QCOMPARE(grid.rowCount(), 12u);
}

void TestGenThread::acceptedRunMeetsLimits()
{
    PuzzleGrid grid;
    GenThread thread;
    thread.setParams(&grid, 10, 10, 15, 3, 12);
    thread.clearStopRequest();
    thread.start();
    QVERIFY(thread.waitForRun(QDeadlineTimer(20000)));
    QVERIFY(grid.fieldSizesWithin(3, 12));
    for (const Field &f : grid.fields()) {
        QVERIFY(f.width() * f.height() >= 3);
        QVERIFY(f.width() * f.height() <= 12);
    }
}

void TestGenThread::impossibleLimitsRunUntilStopped_data()
{
    QTest::addColumn<quint32>("minimum");
    QTest::addColumn<quint32>("maximum");
    QTest::newRow("crossed") << 5u << 4u;
    QTest::newRow("zero maximum") << 0u << 0u;
    QTest::newRow("minimum above grid") << 101u << 9999u;
}

void TestGenThread::impossibleLimitsRunUntilStopped()
{
    QFETCH(quint32, minimum);
    QFETCH(quint32, maximum);
    PuzzleGrid grid;
    std::atomic<int> attempts{0};
    grid.setSeedSource([&attempts] { return quint32(++attempts); });
    GenThread thread;
    int finished = 0;  // counted on this thread, as the board does
    connect(&thread, &QThread::finished, this, [&finished] { ++finished; });
    thread.setParams(&grid, 10, 10, 15, minimum, maximum);
    thread.clearStopRequest();
    thread.start();
    QTRY_VERIFY(attempts.load() > 50);
    QVERIFY(thread.isRunning());
    thread.requestStop();
    QVERIFY(thread.waitForRun(QDeadlineTimer(10000)));
    QTRY_COMPARE(finished, 1);
    // The last complete attempt is left in the grid.
    QCOMPARE(grid.rowCount(), 10u);
    QVERIFY(!grid.fields().empty());
}

void TestGenThread::stopBeforeStartIsKept()
{
    // A stop raised right after start(), usually before run() has begun, must
    // not be lost: with limits no puzzle meets, the run would never end.
    PuzzleGrid grid;
    GenThread thread;
    thread.setParams(&grid, 30, 30, 15, 5, 4);
    thread.clearStopRequest();
    thread.start();
    thread.requestStop();
    const bool ended = thread.waitForRun(QDeadlineTimer(10000));
    if (!ended) {
        thread.requestStop();
        thread.waitForRun();
    }
    QVERIFY(ended);
}

QTEST_GUILESS_MAIN(TestGenThread)
#include "tst_genthread.moc"

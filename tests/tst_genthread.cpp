#include "genthread.h"
#include "puzzlegrid.h"

#include <QSignalSpy>
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
    QSignalSpy finished(&thread, &QThread::finished);
    thread.setParams(&grid, 12, 9, 15, 1, 12 * 9);
    thread.clearStopRequest();
    thread.start();
    QVERIFY(thread.wait(10000));
    QCOMPARE(attempts, 1);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(grid.rowCount(), 12u);
}

void TestGenThread::acceptedRunMeetsLimits()
{
    PuzzleGrid grid;
    GenThread thread;
    thread.setParams(&grid, 10, 10, 15, 3, 12);
    thread.clearStopRequest();
    thread.start();
    QVERIFY(thread.wait(20000));
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
    QSignalSpy finished(&thread, &QThread::finished);
    thread.setParams(&grid, 10, 10, 15, minimum, maximum);
    thread.clearStopRequest();
    thread.start();
    QTRY_VERIFY(attempts.load() > 50);
    QVERIFY(thread.isRunning());
    thread.requestStop();
    QVERIFY(thread.wait(10000));
    QTRY_COMPARE(finished.count(), 1);
    // The last complete attempt is left in the grid.
    QCOMPARE(grid.rowCount(), 10u);
    QVERIFY(!grid.fields().empty());
}

void TestGenThread::stopBeforeStartIsKept()
{
    // A stop raised after start() but before the first attempt ends the run
    // after that attempt instead of being lost.
    PuzzleGrid grid;
    std::atomic<int> attempts{0};
    grid.setSeedSource([&attempts] { return quint32(++attempts); });
    GenThread thread;
    thread.setParams(&grid, 30, 30, 15, 5, 4);
    thread.clearStopRequest();
    thread.start();
    thread.requestStop();
    QVERIFY(thread.wait(10000));
    QVERIFY(attempts.load() <= 2);
}

QTEST_GUILESS_MAIN(TestGenThread)
#include "tst_genthread.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "genthread.h"
#include "partition.h"
#include "puzzlegrid.h"

#include <QtTest>

#include <atomic>
#include <functional>
#include <system_error>
#include <thread>

// FNV-1a over everything a puzzle shows.
static quint64 fingerprint(const PuzzleGrid &g)
{
    quint64 h = 14695981039346656037ull;
    auto mix = [&h](quint64 v) { h = (h ^ v) * 1099511628211ull; };
    for (const auto &row : g.cells())
        for (const Cell &c : row)
            mix(quint64(c.fieldId) << 40 ^ quint64(c.area) << 8 ^ c.colour.red << 16 ^ c.colour.green << 24
                ^ quint64(c.colour.blue) << 32 ^ c.isClue);
    for (const Field &f : g.fields())
        mix(quint64(f.top) << 48 ^ quint64(f.left) << 32 ^ f.bottom << 16 ^ f.right);
    return h;
}

// One run of the worker on side x side cells, 15 seeds: the fingerprint of the puzzle it hands over, 0 if none comes.
static quint64 runThread(GenThread &t, int w, std::function<quint32()> s, quint32 lo = 2, quint32 hi = 10,
                         quint32 side = 10)
{
    quint64 print = 0;
    const auto c = QObject::connect(&t, &GenThread::puzzleReady, [&print](PuzzleGrid *p) { print = fingerprint(*p); });
    t.setSeedSource(std::move(s));
    t.setWorkerCount(w);
    const bool came = t.startRun({side, side, 15, lo, hi}) && QTest::qWaitFor([&print] { return print; }, 30000);
    QObject::disconnect(c);
    return came ? print : 0;
}

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void seedDecidesThePuzzle_data()
    {
        QTest::addColumn<QList<quint32>>("p");  // rows, columns, seeds, seed
        QTest::addColumn<quint64>("expected");
        // Recorded where the generator matched a plain transcription: any change of draws, order or growth shows.
        QTest::newRow("default") << QList<quint32>{10, 10, 15, 1} << 0x82767179180a26b0ull;
        QTest::newRow("fixed passes in their order") << QList<quint32>{10, 10, 15, 2} << 0xe05614a07648fed7ull;
        QTest::newRow("no seeds") << QList<quint32>{6, 9, 0, 7} << 0x793a1f71ac75a464ull;
        QTest::newRow("one seed") << QList<quint32>{7, 11, 1, 8} << 0x0d5efa367e1d0542ull;
        QTest::newRow("no rows") << QList<quint32>{0, 5, 3, 1} << 14695981039346656037ull;
        QTest::newRow("no columns") << QList<quint32>{5, 0, 3, 1} << 14695981039346656037ull;
        QTest::newRow("one row") << QList<quint32>{1, 50, 7, 3} << 0x4ab1b88b95585ebdull;
        QTest::newRow("few seeds, a large board") << QList<quint32>{30, 30, 5, 99} << 0xae503cf4e0858be0ull;
        QTest::newRow("crowded") << QList<quint32>{12, 12, 400, 5} << 0x1489b2fc86b38447ull;
        QTest::newRow("large") << QList<quint32>{150, 120, 150, 0xffffffff} << 0xc1628930564e7eb9ull;
    }

    void seedDecidesThePuzzle()
    {
        QFETCH(QList<quint32>, p);
        QFETCH(quint64, expected);
        // One partition through every row, as a search thread keeps it, written over the grid of the row before:
        // other-sized attempts and puzzles leave nothing behind.
        static Partition reused;
        static PuzzleGrid written;
        reused.generate(p[0], p[1], p[2], p[3]);
        reused.writeTo(written);
        QCOMPARE(fingerprint(written), expected);
        const AreaRange a = written.fieldAreas();  // the same in the search as in the puzzle; both limits inclusive
        QCOMPARE(reused.fieldAreas().packed(), a.packed());
        for (const quint32 k : {0u, 1u, 2u})  // the range, then its smallest or its largest field left out
            QVERIFY(reused.fieldSizesWithin(a.smallest + (k == 1), a.largest - (k == 2)) == (k == 0 || a.isEmpty())
                    && written.fieldSizesWithin(a.smallest + (k == 1), a.largest - (k == 2))
                           == (k == 0 || a.isEmpty()));
        QVERIFY(GenThread::freshSeed() != GenThread::freshSeed());  // and attempts microseconds apart differ
    }

    void longSkips()
    {
        // A skip of any length lands where that many single draws do: short ones come from a table.
        RandomSequence one, many;
        one.seed(2026);
        for (quint32 n = 0; n <= 300; ++n, one.next()) {
            many.seed(2026);
            many.skip(n);
            QVERIFY2(one.current() == many.current(), QByteArray::number(n));
        }
    }

    void threads_data()
    {
        QTest::addColumn<int>("workers");
        for (int w : {1, 2, 4})
            QTest::addRow("%d", w) << w;
    }

    void threads()
    {
        QFETCH(int, workers);
        const auto counting = [](quint32 s) { return [s]() mutable { return s++; }; };
        for (quint32 first = 0; first < 80000; first += 9973) {  // about one attempt in a hundred fits
            PuzzleGrid reference;
            quint32 k = 0;
            for (bool fits = false; !fits; fits = reference.fieldSizesWithin(2, 10))
                reference.generate(10, 10, 15, first + k++);
            GenThread thread;  // with helpers that the system cannot start past the first few
            int asked = 0, allowed = int(first / 9973 % 3);
            thread.setHelperStarter([&asked, allowed](std::function<void()> task) {
                if (asked++ == allowed)
                    throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
                return std::thread(std::move(task));
            });
            QCOMPARE(runThread(thread, workers, counting(first)), fingerprint(reference));
            QCOMPARE(asked, std::min(workers - 1, allowed + 1));  // the helpers are started through it, and only so
            QVERIFY(thread.resultAttempt() == k - 1 && thread.attemptsMade() >= k);  // every lower one tried
            GenThread lone;  // attempt 0 fits, and no later one would: the other threads stop all the same
            QVERIFY(runThread(lone, workers, [&, n = 0]() mutable { return n++ ? first : first + k - 1; }));
            GenThread all;  // every attempt fits; helpers claim theirs once the first is under way: the lowest wins
            std::atomic<bool> claimed{false};
            const auto later = [&claimed](auto task) {
                while (!claimed)
                    std::this_thread::yield();
                task();
            };
            all.setHelperStarter([&later](std::function<void()> task) { return std::thread(later, task); });
            const auto first0 = [&claimed, s = first]() mutable { return claimed = true, s++; };
            QVERIFY(runThread(all, workers, first0, 1, 90000, 300) && all.resultAttempt() == 0);
        }
        // A stop raised before the search: each thread completes the attempt it began, the grid holds the highest.
        PuzzleGrid grid, replay;
        const std::atomic<bool> stop{true};
        AttemptSearch search(grid, {10, 10, 15, 5, 4}, stop, counting(500));
        search.run(workers);
        QVERIFY(search.attempts() == quint64(workers) && search.resultAttempt() + 1 >= quint64(workers));
        replay.generate(10, 10, 15, 500 + quint32(search.resultAttempt()));
        QCOMPARE(fingerprint(grid), fingerprint(replay));
        // A run replaced by a newer one hands nothing over; a stopped one its last attempt.
        GenThread thread;
        QList<quint32> sizes;
        connect(&thread, &GenThread::puzzleReady, this, [&sizes](PuzzleGrid *p) { sizes << p->rowCount(); });
        QVERIFY(thread.startRun({20, 20, 15, 5, 4}) && thread.startRun({30, 30, 15, 5, 4}));
        thread.stop();
        QTRY_COMPARE(sizes, QList<quint32>{30});
        // By itself, one thread per core, within the memory budget.
        QVERIFY(thread.workersFor(20000, 20000) == 1 && thread.workersFor(10, 10) == QThread::idealThreadCount());
    }
};

QTEST_GUILESS_MAIN(TestGenerator)
#include "tst_generator.moc"

#include "testhelpers.h"

#include <QElapsedTimer>
#include <QProgressBar>

#include <atomic>

class TestBoardGeneration : public QObject
{
    Q_OBJECT

private slots:
    void init() { board = std::make_unique<varritWidget>(); }
    void cleanup() { board.reset(); }
    void emptySizeShowsMessage_data();
    void emptySizeShowsMessage();
    void quickGenerationShowsNoDialog();
    void dialogCyclesUntilCancel();
    void newGenerateRestartsWorker();
    void staleFinishedIsIgnored();
    void destroyingDuringRunReturns();

private:
    std::unique_ptr<varritWidget> board;
};

void TestBoardGeneration::emptySizeShowsMessage_data()
{
    QTest::addColumn<quint32>("rows");
    QTest::addColumn<quint32>("columns");
    QTest::newRow("no rows") << 0u << 10u;
    QTest::newRow("no columns") << 10u << 0u;
}

void TestBoardGeneration::emptySizeShowsMessage()
{
    QFETCH(quint32, rows);
    QFETCH(quint32, columns);
    QVERIFY(generateFixed(*board, 4, 4, 3, 1));
    const Field &last = board->puzzle().fields().back();
    QTest::mouseClick(board.get(), Qt::LeftButton, {}, cellCentre(*board, int(last.clueRow), int(last.clueColumn)));
    QVERIFY(board->selectedCell() != QPoint(0, 0));

    ModalWatcher watcher;
    board->generate(rows, columns, 15, 2, 9999);
    QCOMPARE(watcher.seen(), QStringList{"varritQt|That would be very easy, don't you think? :-)"});
    QVERIFY(!board->isGenerating());
    QCOMPARE(board->selectedCell(), QPoint(0, 0));  // reset all the same
    QCOMPARE(board->puzzle().rowCount(), 4u);
}

void TestBoardGeneration::quickGenerationShowsNoDialog()
{
    int attempts = 0;
    board->setSeedSource([&attempts] { return quint32(++attempts); });
    board->generate(10, 10, 15, 1, 100);
    QVERIFY(board->isGenerating());
    QTRY_VERIFY(!board->isGenerating());
    QCOMPARE(attempts, 1);
    QCOMPARE(board->size(), QSize(290, 290));
    QTest::qWait(400);  // past the first tick: a timer left running would show the dialog
    QVERIFY(!progressDialog()->isVisible());
}

void TestBoardGeneration::dialogCyclesUntilCancel()
{
    QProgressDialog *dialog = progressDialog();
    QCOMPARE(dialog->labelText(), QString("Generating varrit grid.."));
    std::atomic<int> attempts{0};
    board->setSeedSource([&attempts] { return quint32(++attempts); });
    QElapsedTimer clock;
    clock.start();
    board->generate(7, 12, 15, 50, 40);  // no puzzle can meet these
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(clock.elapsed() >= 200 && dialog->isModal());

    // One step per tick, and round from the top to 0.
    QList<int> values;
    connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged, this,
            [&values](int v) { values.append(v); });
    QTRY_VERIFY(values.size() >= 3);
    for (int k = 1; k < values.size(); ++k)
        QCOMPARE(values[k], values[k - 1] + 1);
    dialog->setValue(98);
    values.clear();
    QTRY_VERIFY(values.contains(0) && values.last() >= 2);
    QVERIFY(values.indexOf(100) >= 0 && values.indexOf(100) < values.indexOf(0));

    clickCancel();
    QTRY_VERIFY(!board->isGenerating());
    QVERIFY(!dialog->isVisible() && attempts.load() > 1);
    QCOMPARE(board->size(), QSize(10 + 12 * 28, 10 + 7 * 28));  // the last attempt, shown
    QVERIFY(!board->puzzle().fieldSizesWithin(50, 40));
}

void TestBoardGeneration::newGenerateRestartsWorker()
{
    QVERIFY(generateFixed(*board, 4, 4, 0, 1));  // one field, clue at (0,0)
    board->generate(20, 20, 15, 5, 4);
    QTest::mouseClick(board.get(), Qt::LeftButton, {}, cellCentre(*board, 2, 2));
    QCOMPARE(board->puzzle().cells()[2][2].colour, blankColour);  // ignored while generating
    board->generate(6, 8, 15, 1, 100);
    QTRY_VERIFY(!board->isGenerating());
    QCOMPARE(board->puzzle().columnCount(), 8u);
    QCOMPARE(board->size(), QSize(10 + 8 * 28, 10 + 6 * 28));
}

void TestBoardGeneration::staleFinishedIsIgnored()
{
    QVERIFY(generateFixed(*board, 5, 5, 3, 3));
    board->generate(8, 8, 15, 5, 4);
    QTest::qWait(20);
    board->generate(9, 9, 15, 5, 4);  // stops the first run, whose finished() comes late
    QTest::qWait(150);                // it has arrived by now, before the first tick
    QVERIFY(board->isGenerating());
    QCOMPARE(board->size(), QSize(150, 150));
    QTRY_VERIFY(progressDialog()->isVisible());  // its timer was not stopped either
    clickCancel();
    QTRY_VERIFY(!board->isGenerating());
    QCOMPARE(board->puzzle().rowCount(), 9u);
}

void TestBoardGeneration::destroyingDuringRunReturns()
{
    board->generate(999, 999, 999, 5, 4);
    QTest::qWait(100);
    QElapsedTimer clock;
    clock.start();
    board.reset();
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(TestBoardGeneration)
#include "tst_boardgeneration.moc"

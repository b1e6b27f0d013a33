#include "boardhelpers.h"
#include "modalwatcher.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <atomic>
#include <memory>

using namespace boardtest;

namespace {

// Counts the times a widget is shown.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// As the user does it: the dialog's Cancel button.
void clickCancel(QProgressDialog *dialog)
{
    auto *cancel = dialog->findChild<QPushButton *>();
    QVERIFY(cancel);
    QTest::mouseClick(cancel, Qt::LeftButton);
}

}  // namespace

class TestBoardGeneration : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptySizeShowsMessage_data();
    void emptySizeShowsMessage();
    void quickGenerationShowsNoDialog();
    void dialogCyclesWhileWorkerTries();
    void cancelShowsLastAttempt();
    void newGenerateRestartsWorker();
    void staleFinishedIsIgnored();
    void pressesIgnoredWhileGenerating();
    void destroyingDuringRunReturns();

private:
    std::unique_ptr<varritWidget> board;
};

void TestBoardGeneration::init()
{
    board = std::make_unique<varritWidget>();
    board->show();
}

void TestBoardGeneration::cleanup()
{
    board.reset();
}

void TestBoardGeneration::emptySizeShowsMessage_data()
{
    QTest::addColumn<quint32>("rows");
    QTest::addColumn<quint32>("columns");
    QTest::newRow("no rows") << 0u << 10u;
    QTest::newRow("no columns") << 10u << 0u;
    QTest::newRow("neither") << 0u << 0u;
}

void TestBoardGeneration::emptySizeShowsMessage()
{
    QFETCH(quint32, rows);
    QFETCH(quint32, columns);
    QVERIFY(generateFixed(*board, 4, 4, 3, 1));
    const Field &f = board->puzzle().fields().back();
    QTest::mouseClick(board.get(), Qt::LeftButton, {}, cellCentre(*board, int(f.clueRow), int(f.clueColumn)));
    QVERIFY(board->selectedCell() != QPoint(0, 0) || (f.clueRow == 0 && f.clueColumn == 0));

    ModalWatcher watcher;
    board->generate(rows, columns, 15, 2, 9999);
    QCOMPARE(watcher.seen(), QStringList{"varritQt|That would be very easy, don't you think? :-)"});
    QVERIFY(!board->isGenerating());
    QCOMPARE(board->selectedCell(), QPoint(0, 0));
    QCOMPARE(board->puzzle().rowCount(), 4u);  // the old puzzle stays
}

void TestBoardGeneration::quickGenerationShowsNoDialog()
{
    int attempts = 0;
    board->setSeedSource([&attempts] { return quint32(++attempts); });
    QProgressDialog *dialog = progressDialog();
    QVERIFY(dialog);
    ShowCounter counter;
    dialog->installEventFilter(&counter);
    board->generate(10, 10, 15, 1, 100);
    QVERIFY(board->isGenerating());
    QTRY_VERIFY(!board->isGenerating());
    QCOMPARE(attempts, 1);
    QCOMPARE(board->size(), QSize(290, 290));
    QTest::qWait(400);  // past the first tick: the timer must be stopped
    QCOMPARE(counter.shows, 0);
    QVERIFY(!dialog->isVisible());
}

void TestBoardGeneration::dialogCyclesWhileWorkerTries()
{
    QProgressDialog *dialog = progressDialog();
    auto *bar = dialog->findChild<QProgressBar *>();
    QVERIFY(bar);
    QCOMPARE(dialog->labelText(), QString("Generating varrit grid.."));
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->minimum(), 0);
    QCOMPARE(dialog->maximum(), 100);

    QElapsedTimer clock;
    clock.start();
    board->generate(10, 10, 15, 5, 4);  // no puzzle can meet these
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(clock.elapsed() >= 200);
    QVERIFY(board->isGenerating());

    QList<int> values;
    connect(bar, &QProgressBar::valueChanged, bar, [&values](int v) { values.append(v); });
    QTRY_VERIFY(values.size() >= 3);
    for (int k = 1; k < values.size(); ++k)
        QCOMPARE(values[k], values[k - 1] + 1);

    // Near the top, the bar wraps round to 0 and climbs again.
    dialog->setValue(98);
    values.clear();
    QTRY_VERIFY_WITH_TIMEOUT(values.contains(0) && values.last() >= 2, 5000);
    QVERIFY(values.contains(100));
    QVERIFY(values.indexOf(100) < values.indexOf(0));
    QVERIFY(dialog->isVisible());

    clickCancel(dialog);
    QTRY_VERIFY(!board->isGenerating());
    QVERIFY(!dialog->isVisible());
}

void TestBoardGeneration::cancelShowsLastAttempt()
{
    std::atomic<int> attempts{0};
    board->setSeedSource([&attempts] { return quint32(++attempts); });
    board->generate(7, 12, 15, 50, 40);
    QProgressDialog *dialog = progressDialog();
    QTRY_VERIFY(dialog->isVisible());
    QVERIFY(attempts.load() > 1);

    clickCancel(dialog);
    QTRY_VERIFY(!board->isGenerating());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(board->puzzle().rowCount(), 7u);
    QCOMPARE(board->puzzle().columnCount(), 12u);
    QCOMPARE(board->size(), QSize(10 + 12 * 28, 10 + 7 * 28));
    QVERIFY(!board->puzzle().fieldSizesWithin(50, 40));

    // The next generation starts and ends normally.
    QVERIFY(generateFixed(*board, 3, 3, 2, 8));
    QCOMPARE(board->size(), QSize(94, 94));
}

void TestBoardGeneration::newGenerateRestartsWorker()
{
    board->generate(20, 20, 15, 5, 4);
    QVERIFY(board->isGenerating());
    QTest::qWait(50);
    board->generate(6, 8, 15, 1, 100);
    QTRY_VERIFY(!board->isGenerating());
    QCOMPARE(board->puzzle().rowCount(), 6u);
    QCOMPARE(board->puzzle().columnCount(), 8u);
    QCOMPARE(board->size(), QSize(10 + 8 * 28, 10 + 6 * 28));
    QVERIFY(!progressDialog()->isVisible());
}

void TestBoardGeneration::staleFinishedIsIgnored()
{
    QVERIFY(generateFixed(*board, 5, 5, 3, 3));
    const QSize before = board->size();

    board->generate(8, 8, 15, 5, 4);
    QTest::qWait(20);
    board->generate(9, 9, 15, 5, 4);  // stops the first run: its finished() comes late
    QTest::qWait(150);                // delivered by now, still before the first tick
    QVERIFY(board->isGenerating());
    QCOMPARE(board->size(), before);
    QCOMPARE(board->puzzle().rowCount(), 5u);

    QProgressDialog *dialog = progressDialog();
    QTRY_VERIFY(dialog->isVisible());  // the timer was not stopped by the stale report
    clickCancel(dialog);
    QTRY_VERIFY(!board->isGenerating());
    QCOMPARE(board->puzzle().rowCount(), 9u);
    QCOMPARE(board->size(), QSize(10 + 9 * 28, 10 + 9 * 28));
}

void TestBoardGeneration::pressesIgnoredWhileGenerating()
{
    QVERIFY(generateFixed(*board, 4, 4, 0, 1));  // one field, clue at (0,0)
    board->generate(30, 30, 15, 5, 4);
    QTest::mouseClick(board.get(), Qt::LeftButton, {}, cellCentre(*board, 2, 2));
    QCOMPARE(board->puzzle().cells()[2][2].colour, blankColour);
    clickCancel(progressDialog());
    board->generate(1, 1, 1, 1, 1);
    QTRY_VERIFY(!board->isGenerating());
}

void TestBoardGeneration::destroyingDuringRunReturns()
{
    board->generate(999, 999, 999, 5, 4);
    QTest::qWait(100);
    QVERIFY(board->isGenerating());
    QElapsedTimer clock;
    clock.start();
    board.reset();
    QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
}

QTEST_MAIN(TestBoardGeneration)
#include "tst_boardgeneration.moc"

#include "testhelpers.h"

#include <QElapsedTimer>
#include <QProgressBar>
#include <QProgressDialog>

Q_DECLARE_METATYPE(Qt::MouseButton)

static QProgressDialog *progressDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *dialog = qobject_cast<QProgressDialog *>(w))
            return dialog;
    return nullptr;
}

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void init() { board = std::make_unique<varritWidget>(); }
    void cleanup() { board.reset(); }

    void squaresOutlinesAndBoldSelection()
    {
        QVERIFY(generateFixed(*board, 10, 10, 15, 4));
        const Field &chosen = board->puzzle().fields()[1];
        press(*board, int(chosen.clueRow), int(chosen.clueColumn));
        const QImage image = renderBoard(*board);
        for (int k = 0; k < 100; ++k) {
            const Cell &cell = board->puzzle().cells()[std::size_t(k / 10)][std::size_t(k % 10)];
            const QPoint o = cellPixel(*board, k / 10, k % 10);
            const QColor outline = cell.isClue ? QColor(0, 0, 0) : QColor(128, 128, 128);
            QVERIFY(image.pixelColor(o) == outline && image.pixelColor(o + QPoint(24, 24)) == outline);
            QCOMPARE(image.pixelColor(o + QPoint(2, 2)), QColor(cell.colour.red, cell.colour.green, cell.colour.blue));
            QVERIFY(image.pixelColor(o + QPoint(25, 10)) == Qt::white
                    && image.pixelColor(o - QPoint(1, 1)) == Qt::white);
            // Pure black inside a square only in the selected clue's number:
            // the others are dark grey, which never blends to black.
            bool black = false;
            for (int y = 1; y < 24; ++y)
                for (int x = 1; x < 24; ++x)
                    black |= image.pixelColor(o + QPoint(x, y)) == QColor(0, 0, 0);
            QCOMPARE(black, cell.isClue && cell.fieldId == qint32(chosen.id));
        }
    }

    void partialPaintMatchesWholeBoard()
    {
        QPalette white = board->palette();
        white.setColor(QPalette::Window, Qt::white);
        board->setPalette(white);
        QVERIFY(generateFixed(*board, 10, 10, 15, 77));
        for (QRect area : {QRect(40, 40, 10, 10), QRect(27, 31, 60, 35), QRect(29, 29, 1, 50), QRect(0, 0, 5, 300)}) {
            QImage partial(board->size(), QImage::Format_RGB32);
            partial.fill(Qt::magenta);
            board->render(&partial, area.topLeft(), QRegion(area));
            QCOMPARE(partial.copy(area), renderBoard(*board).copy(area));
        }
    }

    void quickGenerationShowsNoDialog()
    {
        int attempts = 0;
        board->setSeedSource([&attempts] { return quint32(++attempts); });
        board->generate(10, 10, 15, 1, 100);  // the first attempt fits
        QTRY_VERIFY(!board->isGenerating());
        QCOMPARE(attempts, 1);
        QTest::qWait(400);  // past the first tick: a timer left running would show it
        QVERIFY(!progressDialog()->isVisible());
    }

    void dialogCyclesUntilCancel()
    {
        QProgressDialog *dialog = progressDialog();
        QElapsedTimer clock;
        clock.start();
        board->generate(7, 12, 15, 50, 40);  // no puzzle can meet these
        QTRY_VERIFY(dialog->isVisible());
        QVERIFY(clock.elapsed() >= 200 && dialog->isModal());
        QList<int> values;  // one step per tick, from the top round to 0
        connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged, this,
                [&values](int v) { values.append(v); });
        dialog->setValue(97);
        QTRY_VERIFY(values.contains(2));
        QCOMPARE(values, (QList<int>{97, 98, 99, 100, 0, 1, 2}));

        QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        QTRY_VERIFY(!board->isGenerating());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(board->size(), QSize(10 + 12 * 28, 10 + 7 * 28));  // the last attempt, shown
    }

    void restartIgnoresTheStoppedRun()
    {
        QVERIFY(generateFixed(*board, 5, 5, 0, 1));  // one field, its clue at (0,0) selected
        board->generate(8, 8, 15, 5, 4);
        QTest::qWait(20);
        board->generate(9, 9, 15, 5, 4);  // the stopped run's finished() arrives during this one
        QTest::qWait(150);
        press(*board, 2, 2);  // ignored: the puzzle is about to be replaced
        QVERIFY(board->isGenerating());
        QCOMPARE(board->puzzle().cells()[2][2].fieldId, 0);
        QCOMPARE(board->size(), QSize(150, 150));
        QTRY_VERIFY(progressDialog()->isVisible());  // nor did it stop the timer
        QTest::mouseClick(progressDialog()->findChild<QPushButton *>(), Qt::LeftButton);
        QTRY_COMPARE(board->puzzle().rowCount(), 9u);
    }

    void destroyedRightAfterStartReturns()
    {
        // The stop is raised before the worker's first attempt: lost, the
        // destructor would wait for ever.
        board->generate(999, 999, 999, 5, 4);
        QElapsedTimer clock;
        clock.start();
        board.reset();
        QVERIFY(clock.elapsed() < 10000);
    }

    void pixelToCell_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QPoint>("cell");  // (column, row); (-1, -1) = ignored
        QTest::addColumn<Qt::MouseButton>("button");
        // Pitch 28: x 5..32 is column 0 (with its gap), 33..60 column 1.
        QTest::newRow("first pixel") << QPoint(5, 40) << QPoint(0, 1) << Qt::LeftButton;
        QTest::newRow("gap of column 0") << QPoint(32, 40) << QPoint(0, 1) << Qt::RightButton;
        QTest::newRow("column 1") << QPoint(33, 32) << QPoint(1, 0) << Qt::MiddleButton;
        QTest::newRow("left of the margin") << QPoint(4, 40) << QPoint(-1, -1) << Qt::LeftButton;
        QTest::newRow("above the margin") << QPoint(40, 4) << QPoint(-1, -1) << Qt::LeftButton;
        QTest::newRow("right of the board") << QPoint(117, 40) << QPoint(-1, -1) << Qt::LeftButton;
        QTest::newRow("below the board") << QPoint(40, 89) << QPoint(-1, -1) << Qt::LeftButton;
    }

    void pixelToCell()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QPoint, cell);
        QFETCH(Qt::MouseButton, button);
        QVERIFY(generateFixed(*board, 3, 4, 0, 1));  // one field, its clue at (0,0) selected
        board->resize(400, 400);
        QTest::mouseClick(board.get(), button, {}, pixel);
        QPoint marked(-1, -1);
        for (int k = 0; k < 12; ++k)
            if (!board->puzzle().cells()[std::size_t(k / 4)][std::size_t(k % 4)].isClue
                && board->puzzle().cells()[std::size_t(k / 4)][std::size_t(k % 4)].fieldId == 1)
                marked = QPoint(k % 4, k / 4);
        QCOMPARE(marked, cell);
    }

    void selectPaintClear()
    {
        QVERIFY(generateFixed(*board, 10, 10, 15, 31));
        const std::vector<Field> &fields = board->puzzle().fields();
        const Field &a = *std::find_if(fields.begin(), fields.end(), [](const Field &f) { return f.height() > 1; });
        const Field &b = fields[&a == &fields[0] ? 1 : 0];
        const quint32 row = a.clueRow == a.top ? a.bottom : a.top;  // a cell of field a that is no clue
        const Cell &cell = board->puzzle().cells()[row][a.clueColumn];
        auto pressCell = [this, row, &a] { press(*board, int(row), int(a.clueColumn)); };
        press(*board, int(a.clueRow), int(a.clueColumn));
        pressCell();
        QVERIFY(cell.fieldId == qint32(a.id) && cell.colour == a.colour);
        pressCell();
        QVERIFY(cell.fieldId == 0 && cell.colour == blankColour);
        pressCell();
        press(*board, int(b.clueRow), int(b.clueColumn));
        pressCell();  // a marked cell clears whatever is selected
        QCOMPARE(cell.colour, blankColour);
        pressCell();
        QVERIFY(cell.fieldId == qint32(b.id) && cell.colour == b.colour);
        const QColor shown = board->grab().toImage().pixelColor(cellPixel(*board, int(row), int(a.clueColumn), 2));
        QCOMPARE(shown, QColor(b.colour.red, b.colour.green, b.colour.blue));  // repainted
    }

    void doubleClickIsTwoPresses()
    {
        board->show();  // through the window, as the platform delivers a double click
        QVERIFY(QTest::qWaitForWindowExposed(board.get()));
        QVERIFY(generateFixed(*board, 3, 3, 0, 1));
        QTest::mouseDClick(board->windowHandle(), Qt::LeftButton, {}, cellPixel(*board, 2, 2, 12));
        QCOMPARE(board->puzzle().cells()[2][2].fieldId, 0);
    }

    void solvingAsAPlayer()
    {
        QVERIFY(generateFixed(*board, 10, 10, 15, 2024, 2, 9999));
        QList<QPoint> presses;  // each clue, then the rest of its field
        for (const Field &f : board->puzzle().fields()) {
            presses << QPoint(int(f.clueColumn), int(f.clueRow));
            for (quint32 k = 0; k < f.width() * f.height(); ++k)
                if (f.top + k / f.width() != f.clueRow || f.left + k % f.width() != f.clueColumn)
                    presses << QPoint(int(f.left + k % f.width()), int(f.top + k / f.width()));
        }
        ModalWatcher watcher;
        for (int k = 0; k < presses.size(); ++k) {
            press(*board, presses[k].y(), presses[k].x());
            QVERIFY2(watcher.seen().size() == (k + 1 == presses.size()), qPrintable(QString::number(k)));
        }
        press(*board, presses[0].y(), presses[0].x());          // still solved: said again
        press(*board, presses.last().y(), presses.last().x());  // cleared a cell: not solved
        QCOMPARE(watcher.seen(), QStringList(2, "varritQt|Well done!"));
    }

private:
    std::unique_ptr<varritWidget> board;
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"

#include "testhelpers.h"

#include <QProgressBar>
#include <QProgressDialog>

class TestBoard : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression("QFont"));
        board = std::make_unique<varritWidget>();
        for (QWidget *w : QApplication::topLevelWidgets())
            dialog = qobject_cast<QProgressDialog *>(w) ? static_cast<QProgressDialog *>(w) : dialog;
        connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged, board.get(),
                [this](int v) { values.append(v); });
    }
    void cleanup()
    {
        release = true;  // a test that failed half-way must not leave a worker waiting
        board.reset();
    }

    void squaresOutlinesAndExposedParts()
    {
        QVERIFY(generateFixed(*board, 10, 10, 15, 4));
        const QImage image = board->grab().toImage();
        const QColor background = image.pixelColor(0, 0);
        for (int k = 0; k < 100; ++k) {
            const Cell &cell = board->puzzle().cells()[std::size_t(k / 10)][std::size_t(k % 10)];
            const QPoint o = cellPixel(*board, k / 10, k % 10);
            const QColor outline = cell.isClue ? QColor(0, 0, 0) : QColor(128, 128, 128);
            QVERIFY(image.pixelColor(o) == outline && image.pixelColor(o + QPoint(24, 24)) == outline);
            QCOMPARE(image.pixelColor(o + QPoint(2, 2)), QColor(cell.colour.red, cell.colour.green, cell.colour.blue));
            QVERIFY(image.pixelColor(o + QPoint(25, 10)) == background
                    && image.pixelColor(o - QPoint(1, 1)) == background);
        }
        // A paint of part of the board draws that part as a whole paint would.
        for (QRect area : {QRect(40, 40, 10, 22), QRect(27, 31, 60, 35), QRect(29, 29, 1, 50), QRect(0, 0, 5, 300)}) {
            QImage partial(board->size(), image.format());
            partial.fill(Qt::magenta);
            board->render(&partial, area.topLeft(), QRegion(area));
            QCOMPARE(partial.copy(area), image.copy(area));
        }
    }

    void clueNumbers_data()
    {
        // Cell size, a board of one field, whether its number fits the nominal font (cell size - 6 px).
        QTest::addColumn<QString>("row");
        QTest::newRow("one digit") << "24 7x1 fits";
        QTest::newRow("two digits, selected") << "24 10x5 fits selected";
        QTest::newRow("three digits") << "24 30x10";
        QTest::newRow("2500, selected") << "24 50x50 selected";
        QTest::newRow("2500, zoomed in") << "40 50x50";
        QTest::newRow("two digits at 6") << "6 4x3";
        QTest::newRow("four digits at 4") << "4 40x40 selected";
    }

    void clueNumbers()
    {
        QFETCH(QString, row);
        const QStringList n = row.split(QRegularExpression("[ x]"));
        const int side = n[0].toInt(), columns = n[1].toInt(), rows = n[2].toInt();
        const bool selected = row.contains("selected"), fits = row.contains("fits");
        QVERIFY(generateFixed(*board, quint32(rows), quint32(columns), 1, 6));  // a light colour
        const Field &f = board->puzzle().fields()[0];
        if (selected)
            press(*board, int(f.clueRow), int(f.clueColumn));
        board->setCellSize(unsigned(side));
        const QImage square = board->grab().toImage().copy(
            QRect(cellPixel(*board, int(f.clueRow), int(f.clueColumn)), QSize(side, side)));
        const QColor fill(f.colour.red, f.colour.green, f.colour.blue);
        if (fits) {  // exactly the nominal font
            QImage expected(square.size(), square.format());
            QPainter painter(&expected);
            painter.fillRect(expected.rect(), fill);
            painter.drawRect(expected.rect());
            QFont font("Courier New");
            font.setStyleHint(QFont::Monospace);
            font.setPixelSize(side - 6);
            font.setBold(selected);
            painter.setFont(font);
            painter.setPen(selected ? QColor(0, 0, 0) : QColor(32, 32, 32));
            painter.drawText(expected.rect(), Qt::AlignCenter, QString::number(rows * columns));
            painter.end();
            QCOMPARE(square, expected);
            return;
        }
        QRect ink;  // clipped digits would run into both sides of the square
        for (int k = 0; k < side * side; ++k)
            if (k % side && k / side && qAbs(qGray(square.pixel(k % side, k / side)) - qGray(fill.rgb())) > 60)
                ink |= QRect(k % side, k / side, 1, 1);
        const QString span = QString("ink from %1 to %2").arg(ink.left()).arg(ink.right());
        QVERIFY2(ink.left() > 1 || ink.right() < side - 1 || ink.isEmpty(), qPrintable(span));
        QVERIFY2(side < 24 || (ink.left() > 1 && ink.right() < side - 1 && ink.width() > side / 2), qPrintable(span));
    }

    void progressDialog()
    {
        board->adjustBoardSize();  // no puzzle yet
        QCOMPARE(board->size(), QSize(100, 100));
        QVERIFY(generateFixed(*board, 3, 4, 3, 14));  // at once: clues at (0,0) and (2,3)
        QTest::qWait(400);                            // past the first tick: a timer left running would show the dialog
        QVERIFY(!dialog->isVisible());
        press(*board, 2, 3);
        board->generate(8, 8, 15, 5, 4);  // no puzzle can meet these
        QCOMPARE(board->selectedCell(), QPoint(0, 0));
        QTest::qWait(20);
        board->generate(7, 12, 15, 50, 40);  // the stopped run's finished() arrives during this one
        QTest::qWait(150);
        press(*board, 1, 1);  // ignored: the puzzle is about to be replaced
        QVERIFY(board->isGenerating() && board->puzzle().cells()[1][1].fieldId == 0);
        QCOMPARE(board->size(), QSize(122, 94));
        QTRY_VERIFY(dialog->isVisible() && dialog->isModal());  // nor did it stop the timer
        EventCounter hides(dialog, QEvent::Hide);
        dialog->setValue(97);
        values.clear();
        QTRY_VERIFY(values.size() >= 6);
        QCOMPARE(values.mid(0, 6), (QList<int>{98, 99, 100, 0, 1, 2}));  // a step a tick, round through 0
        QCOMPARE(hides.count, 0);                                        // nor hidden at the top
        values.clear();
        QTest::qWait(1000);
        QVERIFY2(values.size() > 6, qPrintable(QString::number(values.size())));  // 20 ticks a second, not 2
        QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        QTRY_VERIFY(!board->isGenerating() && !dialog->isVisible());
        QCOMPARE(board->size(), QSize(10 + 12 * 28, 10 + 7 * 28));  // the last attempt

        // The worker waits for its seeds until the dialog is up; the first attempt then fits.
        board->setSeedSource([this] {
            while (!release)
                QThread::msleep(1);
            return 1u;
        });
        for (int run = 0, last = dialog->value(); run < 2; ++run, last = dialog->value()) {
            release = false;
            values.clear();
            board->generate(6, 6, 15, 1, 100);
            QTRY_VERIFY(dialog->isVisible());
            QCOMPARE(values.first(), last + 1);  // the bar goes on where it stood
            release = true;
            QTRY_VERIFY(!board->isGenerating() && !dialog->isVisible());  // hidden by the end of the run
        }
    }

    void destroyedRightAfterStartReturns()
    {
        // The stop is raised before the workers' first attempts: were it lost, the destructor would wait for ever.
        board->generate(999, 999, 999, 5, 4);
        const auto armed = watchdog(30000, "the board's destructor hangs: a stop raised at the start was lost");
        board.reset();
        *armed = false;
    }

    void pressesToMarks_data()
    {
        // 3 x 4 cells, pitch 28 from 5: clue 1 at (0,0), selected at first; clue 2 at (2,3), at (101,73).
        QTest::addColumn<QString>("row");  // presses x,y (r/m: right or middle button, d: double click)
        QTest::newRow("a cell's first pixel and its gaps") << "32,60 33,61 = 1...1....1.2";  // = field ids
        QTest::newRow("outside the cells") << "4,40 40,4 117,40 40,89 = 1..........2";
        QTest::newRow("second press clears") << "40,40 40,40 70,40 = 1.....1....2";
        QTest::newRow("any button") << "r40,40 m70,40 = 1....11....2";
        QTest::newRow("another clue") << "101,73 40,40 = 1....2.....2";
        QTest::newRow("cleared whatever is selected") << "40,40 101,73 40,40 70,40 = 1.....2....2";
        QTest::newRow("double click is two presses") << "d40,40 70,40 = 1.....1....2";
        QTest::newRow("double click on a clue") << "d101,73 40,40 = 1....2.....2";
        QTest::newRow("solved, said again on a clue, undone")  // then "Well done!" twice
            << "45,17 73,17 101,17 17,45 45,45 73,45 101,45 101,73 17,73 45,73 73,73 101,73 73,73 = 1111111122.2";
    }

    void pressesToMarks()
    {
        QFETCH(QString, row);
        board->show();  // through the window, as the platform delivers a double click
        QVERIFY(QTest::qWaitForWindowExposed(board.get()) && generateFixed(*board, 3, 4, 3, 20));
        QCoreApplication::processEvents();
        EventCounter paints(board.get(), QEvent::Paint);
        QVERIFY(generateFixed(*board, 3, 4, 3, 14));  // the same size: only a repaint shows the new puzzle
        QTRY_VERIFY(paints.count > 0);
        paints.count = 0;
        ModalWatcher watcher;
        const QMap<QChar, Qt::MouseButton> buttons{{'r', Qt::RightButton}, {'m', Qt::MiddleButton}};
        for (const QString &p : row.section(" = ", 0, 0).split(' ')) {
            const QPoint at(p.section(',', 0, 0).remove(QRegularExpression("[rmd]")).toInt(),
                            p.section(',', 1).toInt());
            if (p[0] == 'd')
                QTest::mouseDClick(board->windowHandle(), Qt::LeftButton, {}, at);
            else
                QTest::mouseClick(board.get(), buttons.value(p[0], Qt::LeftButton), {}, at);
        }
        QString shown;
        for (const auto &cells : board->puzzle().cells())
            for (const Cell &c : cells)
                shown += c.fieldId ? QString::number(c.fieldId) : ".";
        QCOMPARE(shown, row.section(" = ", 1));
        QCOMPARE(watcher.seen,
                 QStringList(QByteArray(QTest::currentDataTag()).startsWith("solved") ? 2 : 0, "varritQt|Well done!"));
        QVERIFY(shown == "1..........2" || QTest::qWaitFor([&paints] { return paints.count > 0; }));  // shown
    }

private:
    std::unique_ptr<varritWidget> board;
    QProgressDialog *dialog = nullptr;
    std::atomic<bool> release{false};
    QList<int> values;  // of the progress bar, as it changes
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"

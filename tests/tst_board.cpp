// SPDX-License-Identifier: GPL-3.0-or-later
#include "contrast.h"
#include "numberfont.h"
#include "testhelpers.h"

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
    void cleanup() { board.reset(); }

    void numberSizes()
    {
        // Every cell size, digit count and weight, also under a wide application font: sizes never shrink as cells
        // grow, nominal where they fit, else nearly the interior; the ink inside the outline and centred.
        const QFont appFont = QApplication::font();
        const auto restore = qScopeGuard([&appFont] { QApplication::setFont(appFont); });
        QFont wide = appFont;
        wide.setLetterSpacing(QFont::PercentageSpacing, 200);
        wide.setStretch(150);
        NumberFont font(2);  // one through every size, as a board keeps it: every digit count measured by itself
        for (int k = 0; k < 4 * 7 * 79; ++k) {
            const bool bold = k / (7 * 79) % 2;
            const int digits = 1 + k % 7, side = 2 + k / 7 % 79;
            if (k == 2 * 7 * 79) {
                QApplication::setFont(wide);
                font = NumberFont(2);  // measured afresh under it
            }
            if (digits == 1)
                font.setCellSize(side);
            const qreal size = font.pixelSize(digits, bold), last = NumberFont(side - 1).pixelSize(digits, bold);
            const quint32 ones = QString(digits, '1').toUInt();  // 1, 11, 111...: each digit repeated, then 10...0
            const QImage drawn = picture(QSize(side + 2, side + 2), Qt::white, [&](QPainter &painter) {
                painter.setPen(Qt::blue);
                for (quint32 d = 1; d <= 10; ++d)
                    font.draw(painter, QRect(1, 1, side, side), d < 10 ? d * ones : (ones * 9 + 1) / 10, bold);
            });
            const QRect ink = inkIn(drawn, Qt::white);
            const int left = ink.left() - 2, right = side - ink.right(), top = ink.top() - 2,
                      bottom = side - ink.bottom();
            const QByteArray at = QString::asprintf("case %d: size %g, ink %d,%d %dx%d", k, size, ink.x(), ink.y(),
                                                    ink.width(), ink.height())
                                      .toLatin1();
            QVERIFY2(size >= last && size <= std::max(side - 6, 1), at);
            for (int p = 0; p < drawn.width() * drawn.height(); ++p)  // in the pen's colour, however small
                QVERIFY2(qBlue(drawn.pixel(p % drawn.width(), p / drawn.width())) == 255, at);
            QVERIFY2(!ink.isEmpty() && left >= 0 && right >= 0 && top >= 0 && bottom >= 0, at);
            QVERIFY2(qAbs(left - right) <= 1 && qAbs(top - bottom) <= 1 + side / 10, at);
            QVERIFY2(size == std::max(side - 6, 1) || side < 8
                         || std::min(side - 1 - ink.width() - digits * 0.6, side - 1.0 - ink.height()) <= 3,
                     at);
        }
        QCOMPARE(NumberFont(24).pixelSize(1, false), 18);  // the nominal size
        int dark[2] = {0, 0};                              // and bold is bold
        for (const bool bold : {false, true}) {
            const QImage image = picture(QSize(40, 40), Qt::white, [bold](QPainter &painter) {
                NumberFont(40).draw(painter, QRect(0, 0, 40, 40), 888, bold);
            });
            for (int k = 0; k < 40 * 40; ++k)
                dark[bold] += qGray(image.pixel(k % 40, k / 40)) < 128;
        }
        QVERIFY2(dark[1] > dark[0] * 6 / 5, qPrintable(QString("%1 %2").arg(dark[0]).arg(dark[1])));
    }

    void contrastOfNumbers()
    {
        // Known ratios: unlike channels on black, the sRGB curve's straight part; a grey just past 4.5 : 1.
        QCOMPARE(qRound(contrastRatio(qRgb(255, 8, 118), qRgb(0, 0, 0)) * 1000), 5548);
        QCOMPARE(qRound(contrastRatio(qRgb(255, 255, 255), qRgb(118, 118, 118)) * 100), 454);
        // Fill|pens unselected and selected: pale, the darkest the palette gives, and fills on which white only just
        // wins against dark grey, and would lose against black: selection changes no colour there.
        const QStringList cases{"f0e68c|202020 000000", "390448|ffffff ffffff", "7e7e7e|ffffff ffffff",
                                "b2222a|ffffff ffffff", "808080|202020 000000"};
        for (const QString &c : cases) {
            const auto pen = [&c](bool s) { return numberPen(0xff000000 | c.left(6).toUInt(nullptr, 16), s).name(); };
            QCOMPARE(pen(false).mid(1) + ' ' + pen(true).mid(1), c.mid(7));
        }
    }

    void squaresAsDrawn()
    {
        // Random boards, painted in parts, zoomed, painted again: each square as its own fill, outline, pen and weight
        // make it.
        for (quint32 seed = 1; seed <= 6; ++seed) {
            const quint32 rows = seed % 3 ? 6 + seed : 1, columns = seed % 2 ? 14 - seed : 3 + seed * 2;
            board->setCellSize(24);
            QVERIFY(generateFixed(*board, rows, columns, 2 * (rows + columns), seed * 7919));
            const Field &chosen = board->puzzle().fields()[board->puzzle().fields().size() / 2];  // marked in
            press(*board, int(chosen.clueRow), int(chosen.clueColumn));
            for (quint32 k = 0; k < chosen.area(); ++k)
                press(*board, int(chosen.top + k / chosen.width()), int(chosen.left + k % chosen.width()));
            for (int side : {24, 40, 10}) {
                board->setCellSize(unsigned(side));
                // Parts cut after a row's first pixel or inside it, and at an outline's far pixel.
                const BoardGeometry &g = board->boardGeometry();
                const int w = board->width(), h = board->height(), x = g.square(0, int(seed % 3)).right() + 1,
                          y = g.square(int(seed % 2), 0).top() + (seed % 2 ? side / 3 : 1);
                QImage shown = picture(board->size(), Qt::magenta, [](QPainter &) {});
                for (const QRect &part : {QRect(0, 0, w, y), QRect(0, y, x, h - y), QRect(x, y, w - x, h - y)})
                    board->render(&shown, part.topLeft(), QRegion(part));
                // On white, the page is the screen's picture four times the size, but round the squares' corners,
                // where dashes end on the page and rectangles on screen.
                QImage images[2];
                for (const bool page : {false, true})
                    images[page] = picture(board->size() * 4, Qt::white, [page, this](QPainter &painter) {
                        painter.scale(4, 4);
                        page ? board->drawPage(painter) : board->drawBoard(painter);
                    });
                const auto byEdge = [&g](int at) {  // on a square's edge, or a pixel either side of it
                    const int r = (at - 4 * g.margin + 4 * g.pitch()) % (4 * g.pitch()), far = 4 * int(g.cellSize);
                    return r <= 1 || r >= 4 * g.pitch() - 2 || (r >= far - 2 && r <= far + 1);
                };
                for (int py = 0; py < images[0].height(); ++py) {
                    const auto *a = reinterpret_cast<const QRgb *>(images[0].constScanLine(py)),
                               *b = reinterpret_cast<const QRgb *>(images[1].constScanLine(py));
                    for (int px = 0; px < images[0].width(); ++px)
                        if (a[px] != b[px] && !(byEdge(px) && byEdge(py)))
                            QFAIL(qPrintable(QString::asprintf("seed %u, size %d: %d, %d", seed, side, px, py)));
                }
                for (quint32 k = 0; k < rows * columns; ++k) {
                    const Cell &cell = board->puzzle().cells()[k / columns][k % columns];
                    const QColor fill(cell.colour.red, cell.colour.green, cell.colour.blue);
                    const bool selected = k == chosen.clueRow * columns + chosen.clueColumn;
                    const QImage expected = picture(  // with a pixel of the gap
                        QSize(side + 2, side + 2), board->palette().color(QPalette::Window), [&](QPainter &painter) {
                            painter.fillRect(0, 0, side, side, fill);
                            painter.setPen(cell.isClue ? Qt::black : QColor(128, 128, 128));
                            painter.drawRect(0, 0, side, side);
                            painter.setPen(numberPen(fill.rgb(), selected));
                            if (cell.isClue)
                                NumberFont(side).draw(painter, QRect(0, 0, side, side), cell.area, selected);
                        });
                    const QRect square(g.square(int(k / columns), int(k % columns)).topLeft(), expected.size());
                    QVERIFY2(shown.copy(square) == expected, "seed/cell " + QByteArray::number(seed * 1000 + k));
                }
            }
        }
    }

    void progressLabels_data()
    {
        QTest::addColumn<QList<quint32>>("settings");  // rows, columns, seeds, min, max, from seed 5: fields of 1 to 16
        QTest::addColumn<QString>("why");              // no puzzle can meet them, or the latest attempt missed them
        const QString latest = "Latest attempt: fields of 1 to 16 cells, limits %1 to %2.\n";
        QTest::newRow("too large") << QList<quint32>{10, 10, 15, 1, 12}
                                   << latest.arg(1).arg(12) + "More seeds make smaller fields.";
        QTest::newRow("too small") << QList<quint32>{10, 10, 15, 2, 16}
                                   << latest.arg(2).arg(16) + "Fewer seeds make larger fields.";
        QTest::newRow("both") << QList<quint32>{10, 10, 15, 2, 12}
                              << latest.arg(2).arg(12)
                                     + "Some fields are too small and some too large: widen the limits.";
        QTest::newRow("max 0, min 0") << QList<quint32>{8, 8, 15, 0, 0}
                                      << "Max field size is 0, but every field has at least one cell.";
        QTest::newRow("min above max") << QList<quint32>{8, 8, 15, 5, 4}
                                       << "Min field size 5 is above Max field size 4.";
        QTest::newRow("min above the board")
            << QList<quint32>{3, 4, 15, 13, 20} << "Min field size 13 is more than the board's 3 × 4 cells.";
        QTest::newRow("no count of fields fits")
            << QList<quint32>{7, 12, 15, 5, 5} << "A board of 7 × 12 cells cannot be cut into fields of 5 to 5 cells.";
    }

    void progressLabels()
    {
        QFETCH(QList<quint32>, settings);
        QFETCH(QString, why);
        const QString idle = "Generating varrit grid..", cannot = "\nNo puzzle can meet these settings: "
                                                                  "Cancel shows the last attempt.";
        board->generate(3, 4, 1, 12, 12);  // one field of all 12 cells: just possible; a run before, on this worker
        QCOMPARE(dialog->labelText(), idle);
        static std::atomic<int> seeds;  // outlives the run; one thread, its second batch after its first 16 attempts
        seeds = 0;
        worker(*board).setWorkerCount(1);
        worker(*board).setSeedSource([] { return ++seeds, 5u; });
        board->generate(settings[0], settings[1], settings[2], settings[3], settings[4]);
        while (seeds <= 16)  // nor may a tick come meanwhile
            QThread::msleep(1);
        QTRY_VERIFY(dialog->isVisible());  // from its first update on
        QCOMPARE(dialog->labelText(), idle + "\n\n" + why + (why.startsWith("Latest") ? "" : cannot));
    }

    void progressDialog()
    {
        board->adjustBoardSize();  // no puzzle yet
        QVERIFY(board->size() == QSize(100, 100));
        EventCounter shows(dialog, QEvent::Show);
        worker(*board).setSeedSource([] { return 14u; });
        board->generate(3, 4, 3, 1, 100);  // clues at (0,0) and (2,3)
        QVERIFY2(worker(*board).wait(QDeadlineTimer(30000)), "the run never ended");
        QCoreApplication::sendPostedEvents();  // its end, before the dialog's first tick could come
        passTimers(300);                       // a timer left running would have shown the dialog by now
        QVERIFY(!board->isGenerating() && shows.count == 0);
        press(*board, 2, 3);
        worker(*board).setSeedSource([] { return 11u; });  // fields of 2 to 18 cells, 9 x 2 at most
        QSignalSpy said(board.get(), &varritWidget::statusMessage);
        board->generate(7, 12, 15, 5, 5);  // no puzzle can meet these
        QCOMPARE(board->selectedCell(), QPoint(0, 0));
        bool ignored = false;  // a press before the dialog's first tick: the puzzle is about to be replaced
        passTimers(100, [&] {
            press(*board, 1, 1);
            ignored = board->isGenerating() && board->puzzle().cells()[1][1].fieldId == 0 && shows.count == 0;
        });
        QVERIFY(ignored && board->size() == QSize(122, 94));
        QTRY_VERIFY(dialog->isVisible() && dialog->isModal());  // nor did it stop the timer
        EventCounter hides(dialog, QEvent::Hide);
        dialog->setValue(97);
        values.clear();
        QTRY_VERIFY(values.size() >= 6);
        QCOMPARE(values.mid(0, 6), (QList<int>{98, 99, 100, 0, 1, 2}));  // a step a tick, round through 0
        QCOMPARE(hides.count, 0);                                        // nor hidden at the top
        int later = -1;  // ticks within 75 ms of a tick, timed from inside it
        QMetaObject::Connection once;
        once = connect(dialog->findChild<QProgressBar *>(), &QProgressBar::valueChanged, board.get(), [&] {
            disconnect(once);
            QTimer::singleShot(75, Qt::PreciseTimer, board.get(),
                               [&, at = values.size()] { later = int(values.size() - at); });
        });
        QTRY_VERIFY(later >= 0);
        QVERIFY(later > 0);
        QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        QTRY_VERIFY(!board->isGenerating() && !dialog->isVisible());
        QCOMPARE(board->size(), QSize(10 + 12 * 28, 10 + 7 * 28));  // the last attempt, and how far it is from them
        QVERIFY(said.size() == 1
                && said[0][0].toString().startsWith("Fields of 2 to 18 cells instead of 5 to 5, after "));
        board->generate(3, 4, 1, 12, 12);  // ends at once, and hides the dialog as though it had taken a while
        dialog->show();
        QTRY_VERIFY(!board->isGenerating() && !dialog->isVisible());
        dialog->setValue(50);
        values.clear();
        board->generate(8, 8, 15, 5, 4);
        QTRY_VERIFY(!values.isEmpty());
        QCOMPARE(values.first(), 51);  // the bar goes on where it stood
    }

    void threadsStartedAndStopped()
    {
        // No thread to be had: the run ends at once, the puzzle shown stays, presses work, and so does the next run.
        ModalWatcher watcher;
        QVERIFY(generateFixed(*board, 3, 4, 3, 14));
        board->generate(8, 8, 15, 5, 4);  // runs until stopped
        EventCounter shows(dialog, QEvent::Show);
        worker(*board).setStackSize(1);  // below any thread's minimum: start() fails
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("QThread::start"));
        board->generate(6, 6, 15, 1, 100);  // stops the running one, then cannot start
        passTimers(300);                    // the stopped run's report arrives; the first tick would be due
        QVERIFY(!board->isGenerating() && shows.count == 0 && board->size() == QSize(122, 94));
        press(*board, 2, 3);  // clue 2 chosen, and kept by a run that never starts
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("QThread::start"));
        board->generate(6, 6, 15, 1, 100);
        press(*board, 1, 1);
        QCOMPARE(board->puzzle().cells()[1][1].fieldId, 2);
        worker(*board).setStackSize(0);
        QVERIFY(generateFixed(*board, 6, 6, 15, 3) && board->size() == QSize(178, 178));
        QCOMPARE(watcher.seen,
                 QStringList(2, "varritQt|No new puzzle: the system could not start a thread to generate it."));

        // Destroyed while a run goes on: the worker stops (a hang fails by QTEST_FUNCTION_TIMEOUT).
        board->generate(999, 999, 999, 5, 4);
        board.reset();
    }

    void pressesToMarks_data()
    {
        // 3 x 4 cells, pitch 28 from 5: clue 1 at (0,0), selected at first; clue 2 at (2,3), at (101,73).
        QTest::addColumn<QString>("row");  // presses x,y (r: with the right button)
        QTest::newRow("a cell's first pixel and its gaps") << "32,60 33,61 = 1...1....1.2";  // = field ids
        QTest::newRow("outside the cells") << "4,40 40,4 117,40 40,89 = 1..........2";
        QTest::newRow("any button") << "r40,40 70,40 = 1....11....2";
        QTest::newRow("solved, said again on a clue, undone")  // then "Well done!" twice
            << "45,17 73,17 101,17 17,45 45,45 73,45 101,45 101,73 17,73 45,73 73,73 101,73 73,73 = 1111111122.2";
    }

    void pressesToMarks()
    {
        QFETCH(QString, row);
        board->show();
        QVERIFY(QTest::qWaitForWindowExposed(board.get()) && generateFixed(*board, 3, 4, 3, 20));
        QCoreApplication::processEvents();
        EventCounter paints(board.get(), QEvent::Paint);
        QVERIFY(generateFixed(*board, 3, 4, 3, 14));  // the same size: only a repaint shows the new puzzle
        QTRY_VERIFY(paints.count > 0);
        paints.count = 0;
        int narrowest = INT_MAX;  // a box leaves a window manager room for the title beside its buttons
        ModalWatcher watcher([&narrowest](QDialog *box) { narrowest = std::min(narrowest, box->width()); });
        for (const QString &p : row.section(" = ", 0, 0).split(' '))
            QTest::mouseClick(board.get(), p[0] == 'r' ? Qt::RightButton : Qt::LeftButton, {},
                              QPoint(p.section(',', 0, 0).remove('r').toInt(), p.section(',', 1).toInt()));
        QString shown;
        for (const auto &cells : board->puzzle().cells())
            for (const Cell &c : cells)
                shown += c.fieldId ? QString::number(c.fieldId) : ".";
        QCOMPARE(shown, row.section(" = ", 1));
        QCOMPARE(watcher.seen,
                 QStringList(QByteArray(QTest::currentDataTag()).startsWith("solved") ? 2 : 0, "varritQt|Well done!"));
        QVERIFY(watcher.seen.isEmpty() || narrowest >= board->fontMetrics().horizontalAdvance("varritQt") + 200);
        const bool changed = shown != "1..........2";  // a change is painted; presses that change nothing paint nothing
        QCOMPARE(QTest::qWaitFor([&paints] { return paints.count > 0; }, changed ? 5000 : 100), changed);
    }

private:
    std::unique_ptr<varritWidget> board;
    QProgressDialog *dialog = nullptr;
    QList<int> values;  // of the progress bar, as it changes
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "partition.h"
#include "puzzlegame.h"

#include <QtTest>

class TestPuzzleGrid : public QObject
{
    Q_OBJECT

private slots:
    void paletteColours()
    {
        const auto rgb = [](const Colour &c) { return QList<int>{c.red, c.green, c.blue}; };
        QCOMPARE(rgb(Partition::paletteColour(0.0f, 3, 4)), (QList<int>{223, 113, 217}));          // red wraps from -33
        QCOMPARE(rgb(Partition::paletteColour(15033.0f, 122, 146)), (QList<int>{192, 192, 192}));  // not white
        // One draw for the phase, then three per invented colour.
        const QList<QList<int>> expected = {{218, 224, 32}, {110, 145, 194}, {118, 106, 126}, {177, 141, 157}};
        RandomSequence random;
        random.seed(42);
        const float phase = float(random.next());
        for (quint32 i = 0; i < 3; ++i)
            QCOMPARE(rgb(Partition::paletteColour(phase, i, 3)), expected[int(i)]);
        QCOMPARE(rgb(Partition::randomColour(random)), expected[3]);
    }

    void pressesToMoves_data()
    {
        // 3 x 4 cells: clue 1 (8 cells) at (0,0), selected at first; clue 2 (4 cells) at (2,3). Presses "rc", or
        // "s" and a cell selected by hand; the moves: Selected, Painted, Cleared, Nothing to copy, '-' none, '!'
        // solved; then the field ids.
        QTest::addColumn<QString>("row");
        QTest::newRow("second press clears") << "11 11 12 = PCP = 1.....1....2";
        QTest::newRow("another clue") << "23 11 = SP = 1....2.....2";
        QTest::newRow("cleared whatever is selected") << "11 23 11 12 = PSCP = 1.....2....2";
        QTest::newRow("outside the board, the selection kept") << "23 30 04 11 = S--P = 1....2.....2";
        QTest::newRow("a selection that is blank copies nothing") << "s12 11 11 = NN = 1..........2";
        QTest::newRow("a copy of a painted cell") << "11 s11 12 = PP = 1....11....2";
        QTest::newRow("solved, said again on a clue, undone")
            << "01 02 03 10 11 12 13 23 20 21 22 23 22 = PPPPPPPSPPP!S!C = 1111111122.2";
    }

    void pressesToMoves()
    {
        QFETCH(QString, row);
        const QStringList parts = row.split(" = ");
        PuzzleGrid puzzle;
        puzzle.generate(3, 4, 3, 14);
        PuzzleGame game;
        game.swapPuzzle(puzzle);
        QString moves;
        for (const QString &p : parts[0].split(' ')) {
            const quint32 r = quint32(p.right(2)[0].digitValue()), c = quint32(p.right(1).toInt());
            if (p.startsWith('s')) {
                game.select(r, c);
                continue;
            }
            const PuzzleGame::Outcome o = game.press(r, c);
            moves += QString("-SPCN")[int(o.move)] + QString(o.solved ? "!" : "");
        }
        QString marks;
        for (const auto &cells : game.grid().cells())
            for (const Cell &cell : cells)
                marks += cell.fieldId ? QString::number(cell.fieldId) : ".";
        QCOMPARE(moves + " = " + marks, parts[1] + " = " + parts[2]);
    }
};

QTEST_APPLESS_MAIN(TestPuzzleGrid)
#include "tst_puzzlegrid.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlegrid.h"

#include <QtTest>

class TestSolutionCheck : public QObject
{
    Q_OBJECT

private slots:
    void markings_data()
    {
        // Clues: 1 (area 6) at (0,1), 2 (area 6) at (3,1), 3 (area 4) at (2,3), none in a corner of its field.
        QTest::addColumn<QString>("marks");  // row by row, '.' = blank
        QTest::addColumn<bool>("solved");
        QTest::newRow("solved, walks to every edge") << "1113 1113 2223 2223" << true;
        QTest::newRow("a blank cell") << "1113 1113 2223 22.3" << false;
        QTest::newRow("uniform, but of the wrong sizes") << "1113 1113 1113 2222" << false;
        QTest::newRow("Ls of the right sizes") << "1111 1133 2223 2223" << false;
        QTest::newRow("foreign cell in a last column") << "1113 1113 2213 2223" << false;
    }

    void markings()
    {
        QFETCH(QString, marks);
        QFETCH(bool, solved);
        PuzzleGrid g;
        g.cells().assign(4, PuzzleGrid::Row(4));
        const quint32 clues[3][3] = {{0, 1, 6}, {3, 1, 6}, {2, 3, 4}};
        for (quint32 k = 0; k < 3; ++k) {
            const quint32 i = clues[k][0], j = clues[k][1];
            g.fields().push_back(Field{k + 1, i, j, i, j, {}, i, j});
            g.cells()[i][j] = Cell{qint32(k + 1), 0, 0, {}, true, clues[k][2]};
        }
        for (int k = 0; k < 16; ++k) {
            Cell &c = g.cells()[std::size_t(k / 4)][std::size_t(k % 4)];
            c.fieldId = c.isClue ? c.fieldId : qMax(0, marks[k + k / 4].digitValue());  // past the spaces
        }
        QCOMPARE(g.isSolved(), solved);
        QCOMPARE(g.isSolved(), solved);  // the check leaves the marks as they were
    }

    void generatedPuzzles()
    {
        for (quint32 n = 0; n < 60; ++n) {  // their own partition marked in, clues anywhere in their fields
            PuzzleGrid g;
            g.generate(1 + n % 9, 1 + n % 13, n % 7 * 2, n);
            for (const Field &f : g.fields())
                for (quint32 k = 0; k < f.area(); ++k)
                    g.cells()[f.top + k / f.width()][f.left + k % f.width()].fieldId = qint32(f.id);
            QVERIFY2(g.isSolved(), QByteArray::number(n));
        }
    }
};

QTEST_APPLESS_MAIN(TestSolutionCheck)
#include "tst_solutioncheck.moc"

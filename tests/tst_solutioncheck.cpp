#include "puzzlegrid.h"

#include <QtTest>

class TestSolutionCheck : public QObject
{
    Q_OBJECT

private slots:
    void markings_data()
    {
        // Clues: 1 (area 8) at (0,1), 2 (area 4) at (3,0), 3 (area 4) at (2,3).
        QTest::addColumn<QString>("marks");  // row by row, '.' = blank
        QTest::addColumn<bool>("solved");
        QTest::newRow("as generated") << "1111 1111 2233 2233" << true;
        QTest::newRow("other rectangles, same clues") << "1111 1111 3333 2222" << true;
        QTest::newRow("one cell blank") << "1111 111. 2233 2233" << false;
        QTest::newRow("stray id outside its rectangle") << "1111 1111 2333 2233" << false;
        QTest::newRow("uniform, but of the wrong sizes") << "1111 1111 2223 2223" << false;
        QTest::newRow("L of the right size") << "1111 1113 2133 2233" << false;
        QTest::newRow("foreign cell inside") << "1111 1211 2233 2233" << false;
        QTest::newRow("foreign cell in the last column") << "1112 1111 2233 2233" << false;
    }

    void markings()
    {
        QFETCH(QString, marks);
        QFETCH(bool, solved);
        PuzzleGrid g;
        g.cells().assign(4, PuzzleGrid::Row(4));
        const quint32 clues[3][3] = {{0, 1, 8}, {3, 0, 4}, {2, 3, 4}};
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
};

QTEST_APPLESS_MAIN(TestSolutionCheck)
#include "tst_solutioncheck.moc"

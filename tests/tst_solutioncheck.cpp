#include "puzzlegrid.h"

#include <QtTest>

// A 4 x 4 puzzle whose clues are 1 (area 8) at (0,1), 2 (area 4) at (3,0)
// and 3 (area 4) at (2,3), marked as the rows of `marks` say ('.' = blank).
static PuzzleGrid markedPuzzle(const QStringList &marks)
{
    PuzzleGrid g;
    g.cells().assign(4, PuzzleGrid::Row(4));
    const quint32 clues[3][3] = {{0, 1, 8}, {3, 0, 4}, {2, 3, 4}};
    for (quint32 k = 0; k < 3; ++k) {
        const quint32 row = clues[k][0], column = clues[k][1];
        g.fields().push_back(Field{k + 1, row, column, row, column, {}, row, column});
        g.cells()[row][column] = Cell{qint32(k + 1), 0, 0, Colour{50, 60, 70}, true, clues[k][2]};
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            Cell &cell = g.cells()[std::size_t(i)][std::size_t(j)];
            if (!cell.isClue)
                cell.fieldId = marks[i][j] == '.' ? 0 : marks[i][j].digitValue();
        }
    return g;
}

class TestSolutionCheck : public QObject
{
    Q_OBJECT

private slots:
    void markings_data();
    void markings();
    void generatedSolutionsAreAccepted();
    void degenerateGrids();
};

void TestSolutionCheck::markings_data()
{
    QTest::addColumn<QStringList>("marks");
    QTest::addColumn<bool>("solved");
    QTest::newRow("as generated") << QStringList{"1111", "1111", "2233", "2233"} << true;
    QTest::newRow("other rectangles, same clues") << QStringList{"1111", "1111", "3333", "2222"} << true;
    QTest::newRow("one cell blank") << QStringList{"1111", "111.", "2233", "2233"} << false;
    QTest::newRow("stray id outside its rectangle") << QStringList{"1111", "1111", "2333", "2233"} << false;
    QTest::newRow("uniform but too small") << QStringList{"1113", "1113", "2233", "2233"} << false;
    QTest::newRow("L of the right size") << QStringList{"1111", "1113", "2133", "2233"} << false;
    QTest::newRow("foreign cell inside") << QStringList{"1111", "1211", "2233", "2233"} << false;
}

void TestSolutionCheck::markings()
{
    QFETCH(QStringList, marks);
    QFETCH(bool, solved);
    PuzzleGrid g = markedPuzzle(marks);
    const PuzzleGrid before = g;
    QCOMPARE(g.isSolved(), solved);
    QCOMPARE(g.isSolved(), solved);  // repeatable: the check changes no mark
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = 0; j < 4; ++j) {
            QCOMPARE(g.cells()[i][j].fieldId, before.cells()[i][j].fieldId);
            QCOMPARE(g.cells()[i][j].area, before.cells()[i][j].area);
        }
}

void TestSolutionCheck::generatedSolutionsAreAccepted()
{
    for (quint32 seed = 0; seed < 50; ++seed) {
        PuzzleGrid g;
        g.setSeedSource([seed] { return seed; });
        g.generate(9 + seed % 7, 13, 12);
        QVERIFY(!g.isSolved() || g.fields().size() == 9 * 13);
        for (const Field &f : g.fields())
            for (quint32 i = f.top; i <= f.bottom; ++i)
                for (quint32 j = f.left; j <= f.right; ++j)
                    g.cells()[i][j].fieldId = qint32(f.id);
        QVERIFY(g.isSolved());
    }
}

void TestSolutionCheck::degenerateGrids()
{
    PuzzleGrid single;  // every cell a clue: solved from the start
    single.setSeedSource([] { return 1u; });
    single.generate(1, 1, 3);
    QVERIFY(single.isSolved());
    QVERIFY(PuzzleGrid().isSolved());  // no rows
}

QTEST_APPLESS_MAIN(TestSolutionCheck)
#include "tst_solutioncheck.moc"

#include "puzzlegrid.h"

#include <QtTest>

namespace {

struct Rect
{
    quint32 top, left, bottom, right, clueRow, clueColumn;
};

// A puzzle with the given solution; every non-clue cell blank.
PuzzleGrid makePuzzle(quint32 rows, quint32 columns, const QList<Rect> &solution)
{
    PuzzleGrid g;
    Cell blank;
    blank.colour = blankColour;
    g.cells().assign(rows, PuzzleGrid::Row(columns, blank));
    for (const Rect &r : solution) {
        Field f;
        f.id = quint32(g.fields().size()) + 1;
        f.top = r.top, f.left = r.left, f.bottom = r.bottom, f.right = r.right;
        f.clueRow = r.clueRow, f.clueColumn = r.clueColumn;
        f.colour = Colour{quint8(10 * f.id), 50, 60};
        Cell &clue = g.cells()[r.clueRow][r.clueColumn];
        clue.isClue = true;
        clue.fieldId = qint32(f.id);
        clue.colour = f.colour;
        clue.area = f.width() * f.height();
        g.fields().push_back(f);
    }
    return g;
}

void mark(PuzzleGrid &g, qint32 id, quint32 top, quint32 left, quint32 bottom, quint32 right)
{
    for (quint32 i = top; i <= bottom; ++i)
        for (quint32 j = left; j <= right; ++j)
            if (!g.cells()[i][j].isClue)
                g.cells()[i][j].fieldId = id;
}

// 4 x 4: a 2x4 band on top (clue at 0,1), two 2x2 squares below.
PuzzleGrid bandAndSquares()
{
    return makePuzzle(4, 4, {{0, 0, 1, 3, 0, 1}, {2, 0, 3, 1, 3, 0}, {2, 2, 3, 3, 2, 3}});
}

void markBandAndSquares(PuzzleGrid &g)
{
    mark(g, 1, 0, 0, 1, 3);
    mark(g, 2, 2, 0, 3, 1);
    mark(g, 3, 2, 2, 3, 3);
}

}  // namespace

class TestSolutionCheck : public QObject
{
    Q_OBJECT

private slots:
    void generatedSolutionIsAccepted();
    void freshPuzzleIsNotSolved();
    void markings_data();
    void markings();
    void otherPartitionIsAccepted();
    void allClueCellsAreSolved();
    void emptyGridIsSolved();
    void checkLeavesMarksAlone();
};

void TestSolutionCheck::generatedSolutionIsAccepted()
{
    for (quint32 seed = 0; seed < 50; ++seed) {
        PuzzleGrid g;
        g.setSeedSource([seed] { return seed; });
        g.generate(9 + seed % 7, 13, 12);
        for (const Field &f : g.fields())
            mark(g, qint32(f.id), f.top, f.left, f.bottom, f.right);
        QVERIFY(g.isSolved());
    }
}

void TestSolutionCheck::freshPuzzleIsNotSolved()
{
    PuzzleGrid g;
    g.setSeedSource([] { return 8u; });
    g.generate(10, 10, 15);
    QVERIFY(!g.isSolved());
}

void TestSolutionCheck::markings_data()
{
    QTest::addColumn<QList<QList<int>>>("marks");  // id per cell, clues included
    QTest::addColumn<bool>("solved");

    QTest::newRow("solution") << QList<QList<int>>{{1, 1, 1, 1}, {1, 1, 1, 1}, {2, 2, 3, 3}, {2, 2, 3, 3}} << true;
    QTest::newRow("one blank cell") << QList<QList<int>>{{1, 1, 1, 1}, {1, 1, 1, 0}, {2, 2, 3, 3}, {2, 2, 3, 3}}
                                    << false;
    // The rectangle around clue 3 is right, but a stray 3 sits in field 2.
    QTest::newRow("stray id elsewhere") << QList<QList<int>>{{1, 1, 1, 1}, {1, 1, 1, 1}, {2, 3, 3, 3}, {2, 2, 3, 3}}
                                        << false;
    // Every cell painted, clue 1's rectangle is uniform but 2x3 instead of 2x4.
    QTest::newRow("wrong size") << QList<QList<int>>{{1, 1, 1, 3}, {1, 1, 1, 3}, {2, 2, 3, 3}, {2, 2, 3, 3}} << false;
    // Field 1 as an L of the right size: 8 cells.
    QTest::newRow("L shape") << QList<QList<int>>{{1, 1, 1, 1}, {1, 1, 1, 3}, {2, 1, 3, 3}, {2, 2, 3, 3}} << false;
    // A foreign cell inside clue 1's bounding rectangle.
    QTest::newRow("hole in rectangle") << QList<QList<int>>{{1, 1, 1, 1}, {1, 2, 1, 1}, {2, 2, 3, 3}, {2, 2, 3, 3}}
                                       << false;
}

void TestSolutionCheck::markings()
{
    QFETCH(QList<QList<int>>, marks);
    QFETCH(bool, solved);
    PuzzleGrid g = bandAndSquares();
    for (quint32 i = 0; i < 4; ++i)
        for (quint32 j = 0; j < 4; ++j)
            if (!g.cells()[i][j].isClue)
                g.cells()[i][j].fieldId = marks[int(i)][int(j)];
    QCOMPARE(g.isSolved(), solved);
    QCOMPARE(g.isSolved(), solved);
}

void TestSolutionCheck::otherPartitionIsAccepted()
{
    // Clue 2 (area 4) at (3,0) and clue 3 (area 4) at (2,3): two 1x4 rows
    // satisfy them as well as the generated 2x2 squares.
    PuzzleGrid g = makePuzzle(4, 4, {{0, 0, 1, 3, 0, 1}, {2, 0, 3, 1, 3, 0}, {2, 2, 3, 3, 2, 3}});
    mark(g, 1, 0, 0, 1, 3);
    mark(g, 3, 2, 0, 2, 3);
    mark(g, 2, 3, 0, 3, 3);
    QVERIFY(g.isSolved());
    mark(g, 2, 2, 0, 3, 1);
    mark(g, 3, 2, 2, 3, 3);
    QVERIFY(g.isSolved());
}

void TestSolutionCheck::allClueCellsAreSolved()
{
    PuzzleGrid g;
    g.setSeedSource([] { return 1u; });
    g.generate(1, 1, 3);
    QVERIFY(g.isSolved());
}

void TestSolutionCheck::emptyGridIsSolved()
{
    PuzzleGrid g;
    QVERIFY(g.isSolved());
}

void TestSolutionCheck::checkLeavesMarksAlone()
{
    PuzzleGrid g = bandAndSquares();
    markBandAndSquares(g);
    g.cells()[1][1].fieldId = 3;  // make it wrong, so every path runs
    const PuzzleGrid before = g;
    QVERIFY(!g.isSolved());
    for (quint32 i = 0; i < 4; ++i)
        for (quint32 j = 0; j < 4; ++j) {
            const Cell &a = g.cells()[i][j], &b = before.cells()[i][j];
            QCOMPARE(a.fieldId, b.fieldId);
            QVERIFY(a.colour == b.colour);
            QCOMPARE(a.isClue, b.isClue);
            QCOMPARE(a.area, b.area);
            QCOMPARE(a.checkAux, 99999);
        }
}

QTEST_APPLESS_MAIN(TestSolutionCheck)
#include "tst_solutioncheck.moc"

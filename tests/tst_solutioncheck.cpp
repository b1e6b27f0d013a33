#include "puzzlegrid.h"
#include "shapes.h"

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
        // What generated puzzles cannot show; the rest is checked on them below.
        QTest::newRow("other rectangles, same clues") << "1111 1111 3333 2222" << true;
        QTest::newRow("uniform, but of the wrong sizes") << "1111 1111 2223 2223" << false;
        QTest::newRow("L of the right size") << "1111 1113 2133 2233" << false;
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

    void generatedPuzzles()
    {
        // Puzzles of every shape, their own partition marked in: solved, and no longer solved with one cell
        // cleared, one cell given a neighbour's id, or the marks of two fields swapped.
        int clueBelowTopRow = 0;
        for (quint32 n = 0; n < 300; ++n) {
            const auto [rows, columns, seeds, at] = shape(n);
            PuzzleGrid g;
            g.generate(rows, columns, seeds, n);
            std::vector<const Field *> large;  // fields with cells besides the clue
            for (const Field &f : g.fields()) {
                for (quint32 i = f.top; i <= f.bottom; ++i)
                    for (quint32 j = f.left; j <= f.right; ++j)
                        g.cells()[i][j].fieldId = qint32(f.id);
                clueBelowTopRow += f.top == 0 && f.clueRow > 0;
                if (f.width() * f.height() > 1)
                    large.push_back(&f);
            }
            QVERIFY2(g.isSolved(), at);
            if (large.empty())
                continue;
            const Field &f = *large[n % large.size()];  // cleared: the corner farthest from its clue
            Cell &cell = g.cells()[f.clueRow == f.top ? f.bottom : f.top][f.clueColumn == f.left ? f.right : f.left];
            cell.fieldId = 0;
            QVERIFY2(!g.isSolved(), at + ", a cell cleared");
            // A cell at the field's edge takes the id of the field beyond it.
            const bool down = f.bottom + 1 < rows, right = f.right + 1 < columns;
            Cell &edge = g.cells()[down ? f.bottom : f.top][right ? f.right : f.left];
            const Cell &beyond = down    ? g.cells()[f.bottom + 1][f.right]
                                 : right ? g.cells()[f.bottom][f.right + 1]
                                         : edge;
            cell.fieldId = qint32(f.id);
            const qint32 own = edge.fieldId;
            if (!edge.isClue && &beyond != &edge) {
                edge.fieldId = beyond.fieldId;
                QVERIFY2(!g.isSolved(), at + ", a neighbour's id");
                edge.fieldId = own;
            }
            const auto other = std::find_if(large.begin(), large.end(), [&f](const Field *x) {
                return x->width() * x->height() != f.width() * f.height();
            });
            if (other != large.end()) {  // every cell but the clues of two fields of different sizes swaps its mark
                const Field &a = f, &b = **other;
                for (Field const *x : {&a, &b})
                    for (quint32 r = x->top; r <= x->bottom; ++r)
                        for (quint32 c = x->left; c <= x->right; ++c)
                            if (!g.cells()[r][c].isClue)
                                g.cells()[r][c].fieldId = qint32(x == &a ? b.id : a.id);
                QVERIFY2(!g.isSolved(), at + ", two fields swapped");
            }
        }
        QVERIFY(clueBelowTopRow > 20);  // fields reaching the top row from a clue further down were among them
    }
};

QTEST_APPLESS_MAIN(TestSolutionCheck)
#include "tst_solutioncheck.moc"

#include "puzzlegrid.h"

#include <QtTest>

static QList<int> rgb(const Colour &c)
{
    return {c.red, c.green, c.blue};
}

class TestPuzzleGrid : public QObject
{
    Q_OBJECT

private slots:
    void randIsThePortableExample()
    {
        PuzzleGrid g, skipped;
        quint32 next = 12345;
        g.srand(next);
        skipped.srand(next);
        for (int i = 0; i < 3000; ++i) {
            next = next * 1103515245u + 12345u;
            QCOMPARE(g.rand(), int((next / 65536u) % 32768u));
        }
        skipped.skipRand(3000);  // jumping ahead lands where the draws did
        QCOMPARE(skipped.rand(), g.rand());
    }

    void paletteForZeroPhase()
    {
        const QList<QList<int>> expected = {{40, 40, 40}, {217, 119, 113}, {175, 175, 175}, {223, 113, 217}};
        for (quint32 i = 0; i < 4; ++i)
            QCOMPARE(rgb(PuzzleGrid::paletteColour(0.0f, i, 4)), expected[int(i)]);
    }

    void paletteThenRandomColours()
    {
        for (quint32 count : {0u, 5u}) {
            PuzzleGrid g, reference;
            g.srand(42);
            reference.srand(42);
            g.preparePalette(count);
            const float r = float(reference.rand());  // exactly one draw
            for (quint32 i = 0; i < count; ++i)
                QCOMPARE(rgb(g.takeColour()), rgb(PuzzleGrid::paletteColour(r, i, count)));
            for (int n = 0; n < 300; ++n) {  // then invented, three draws each: 40..231
                const QList<int> expected = {reference.rand() % 192 + 40, reference.rand() % 192 + 40,
                                             reference.rand() % 192 + 40};
                QCOMPARE(rgb(g.takeColour()), expected);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestPuzzleGrid)
#include "tst_puzzlegrid.moc"

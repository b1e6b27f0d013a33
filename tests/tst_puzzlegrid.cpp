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
    void randIsThePortableExample();
    void paletteForZeroPhase();
    void paletteThenRandomColours();
};

void TestPuzzleGrid::randIsThePortableExample()
{
    PuzzleGrid g, skipped;
    quint32 next = 12345;
    g.srand(next);
    skipped.srand(next);
    for (quint32 i = 1; i <= 3000; ++i) {
        next = next * 1103515245u + 12345u;
        QCOMPARE(g.rand(), int((next / 65536u) % 32768u));
    }
    skipped.skipRand(2999);  // jumping ahead lands on the same draw
    skipped.rand();
    QCOMPARE(skipped.rand(), g.rand());
}

void TestPuzzleGrid::paletteForZeroPhase()
{
    const QList<QList<int>> expected = {{40, 40, 40}, {217, 119, 113}, {175, 175, 175}, {223, 113, 217}};
    for (quint32 i = 0; i < 4; ++i)
        QCOMPARE(rgb(PuzzleGrid::paletteColour(0.0f, i, 4)), expected[int(i)]);
}

void TestPuzzleGrid::paletteThenRandomColours()
{
    for (quint32 count : {0u, 5u}) {
        PuzzleGrid g, reference;
        g.srand(42);
        reference.srand(42);
        g.palette().push_back(Colour{1, 2, 3});  // replaced, not kept
        g.preparePalette(count);
        const float r = float(reference.rand());  // exactly one draw
        QCOMPARE(quint32(g.palette().size()), count);
        for (quint32 i = 0; i < count; ++i)
            QCOMPARE(rgb(g.takeColour()), rgb(PuzzleGrid::paletteColour(r, i, count)));
        for (int n = 0; n < 300; ++n) {  // then invented: three draws, 40..231
            const QList<int> expected = {reference.rand() % 192 + 40, reference.rand() % 192 + 40,
                                         reference.rand() % 192 + 40};
            QCOMPARE(rgb(g.takeColour()), expected);
        }
    }
}

QTEST_APPLESS_MAIN(TestPuzzleGrid)
#include "tst_puzzlegrid.moc"

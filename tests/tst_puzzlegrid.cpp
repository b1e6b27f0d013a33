#include "puzzlegrid.h"

#include <QtTest>

class TestPuzzleGrid : public QObject
{
    Q_OBJECT

private slots:
    void randMatchesPortableExample();
    void skipRandEqualsDraws_data();
    void skipRandEqualsDraws();
    void paletteForZeroPhase();
    void paletteWrapsNegativeChannels();
    void preparePaletteDrawsOnce_data();
    void preparePaletteDrawsOnce();
    void takeColourFallsBackToRandom();
    void clearKeepsPalette();
    void fieldSizesWithin_data();
    void fieldSizesWithin();
    void swapPuzzleExchangesContent();
    void freshSeedsDiffer();
};

void TestPuzzleGrid::randMatchesPortableExample()
{
    // The C standard's example generator, written out independently.
    PuzzleGrid g;
    quint32 next = 12345;
    g.srand(12345);
    for (int i = 0; i < 1000; ++i) {
        next = next * 1103515245u + 12345u;
        const int expected = int((next / 65536u) % 32768u);
        QCOMPARE(g.rand(), expected);
    }
    g.srand(0);
    for (int i = 0; i < 10000; ++i) {
        const int v = g.rand();
        QVERIFY(v >= 0 && v <= 32767);
    }
}

void TestPuzzleGrid::skipRandEqualsDraws_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<quint32>("count");
    QTest::newRow("none") << 7u << 0u;
    QTest::newRow("one") << 7u << 1u;
    QTest::newRow("odd") << 99u << 37u;
    QTest::newRow("power of two") << 3u << 1024u;
    QTest::newRow("large") << 0xdeadbeefu << 100003u;
}

void TestPuzzleGrid::skipRandEqualsDraws()
{
    QFETCH(quint32, seed);
    QFETCH(quint32, count);
    PuzzleGrid drawn, skipped;
    drawn.srand(seed);
    skipped.srand(seed);
    for (quint32 i = 0; i < count; ++i)
        drawn.rand();
    skipped.skipRand(count);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(skipped.rand(), drawn.rand());
}

static QList<int> channels(const Colour &c)
{
    return {c.red, c.green, c.blue};
}

void TestPuzzleGrid::paletteForZeroPhase()
{
    const QList<QList<int>> expected = {{40, 40, 40}, {217, 119, 113}, {175, 175, 175}, {223, 113, 217}};
    for (quint32 i = 0; i < 4; ++i)
        QCOMPARE(channels(PuzzleGrid::paletteColour(0.0f, i, 4)), expected[int(i)]);
}

void TestPuzzleGrid::paletteWrapsNegativeChannels()
{
    // Every channel is the low byte of trunc(sin(...) * 192 + 40).
    for (quint32 count : {1u, 3u, 30u, 1998u}) {
        for (float r : {0.0f, 1.0f, 12345.0f, 32767.0f}) {
            for (quint32 i = 0; i < count; i += 1 + count / 7) {
                const double red = std::sin(double(r) * 11 + ((i * 9.4247779752) / count) * 0.5);
                const qint32 t = qint32(red * 192 + 40);
                QCOMPARE(int(PuzzleGrid::paletteColour(r, i, count).red), int(quint8(t & 0xff)));
            }
        }
    }
}

void TestPuzzleGrid::preparePaletteDrawsOnce_data()
{
    QTest::addColumn<quint32>("count");
    QTest::newRow("empty") << 0u;
    QTest::newRow("four") << 4u;
    QTest::newRow("many") << 200u;
}

void TestPuzzleGrid::preparePaletteDrawsOnce()
{
    QFETCH(quint32, count);
    PuzzleGrid g, reference;
    g.srand(42);
    reference.srand(42);
    g.palette().push_back(Colour{1, 2, 3});  // replaced, not kept
    g.preparePalette(count);
    const int r = reference.rand();
    QCOMPARE(quint32(g.palette().size()), count);
    QCOMPARE(g.rand(), reference.rand());

    quint32 i = 0;
    for (const Colour &c : g.palette())
        QCOMPARE(channels(c), channels(PuzzleGrid::paletteColour(float(r), i++, count)));
}

void TestPuzzleGrid::takeColourFallsBackToRandom()
{
    PuzzleGrid g;
    g.srand(5);
    g.preparePalette(3);
    const std::list<Colour> prepared = g.palette();
    for (const Colour &c : prepared)
        QCOMPARE(channels(g.takeColour()), channels(c));
    QVERIFY(g.palette().empty());

    PuzzleGrid reference;
    reference.srand(5);
    reference.rand();
    for (int n = 0; n < 500; ++n) {
        const Colour c = g.takeColour();
        const QList<int> expected = {reference.rand() % 192 + 40, reference.rand() % 192 + 40,
                                     reference.rand() % 192 + 40};
        QCOMPARE(channels(c), expected);
        for (int v : channels(c))
            QVERIFY(v >= 40 && v <= 231);
    }
}

void TestPuzzleGrid::clearKeepsPalette()
{
    PuzzleGrid g;
    g.setSeedSource([] { return 3u; });
    g.generate(4, 5, 10);
    QVERIFY(!g.palette().empty());
    const std::size_t left = g.palette().size();
    g.clear();
    QCOMPARE(g.rowCount(), 0u);
    QVERIFY(g.cells().empty());
    QVERIFY(g.fields().empty());
    QCOMPARE(g.palette().size(), left);
}

void TestPuzzleGrid::fieldSizesWithin_data()
{
    QTest::addColumn<quint32>("minimum");
    QTest::addColumn<quint32>("maximum");
    QTest::addColumn<bool>("within");
    // The grid below has fields of areas 2, 4 and 6.
    QTest::newRow("exact bounds") << 2u << 6u << true;
    QTest::newRow("wide") << 0u << 100u << true;
    QTest::newRow("largest too big") << 2u << 5u << false;
    QTest::newRow("smallest too small") << 3u << 6u << false;
    QTest::newRow("crossed") << 6u << 2u << false;
    QTest::newRow("zero maximum") << 0u << 0u << false;
}

void TestPuzzleGrid::fieldSizesWithin()
{
    QFETCH(quint32, minimum);
    QFETCH(quint32, maximum);
    QFETCH(bool, within);
    PuzzleGrid g;
    g.cells().assign(3, PuzzleGrid::Row(4));
    const quint32 areas[] = {2, 4, 6};
    for (quint32 i = 0; i < 3; ++i) {
        Field f;
        f.id = i + 1;
        f.clueRow = i;
        f.clueColumn = i;
        g.cells()[i][i].area = areas[i];
        g.fields().push_back(f);
    }
    QCOMPARE(g.fieldSizesWithin(minimum, maximum), within);

    PuzzleGrid empty;
    QVERIFY(empty.fieldSizesWithin(5, 1));
}

void TestPuzzleGrid::swapPuzzleExchangesContent()
{
    PuzzleGrid a, b;
    a.setSeedSource([] { return 11u; });
    a.generate(3, 7, 4);
    const std::size_t fields = a.fields().size();
    b.swapPuzzle(a);
    QCOMPARE(a.rowCount(), 0u);
    QCOMPARE(b.rowCount(), 3u);
    QCOMPARE(b.columnCount(), 7u);
    QCOMPARE(b.fields().size(), fields);
}

void TestPuzzleGrid::freshSeedsDiffer()
{
    QSet<quint32> seen;
    for (int i = 0; i < 10000; ++i)
        seen.insert(PuzzleGrid::freshSeed());
    QVERIFY(seen.size() > 9990);
}

QTEST_APPLESS_MAIN(TestPuzzleGrid)
#include "tst_puzzlegrid.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzlegrid.h"

#include <QtTest>

class TestPuzzleGrid : public QObject
{
    Q_OBJECT

private slots:
    void paletteColours()
    {
        const auto rgb = [](const Colour &c) { return QList<int>{c.red, c.green, c.blue}; };
        QCOMPARE(rgb(PuzzleGrid::paletteColour(0.0f, 3, 4)), (QList<int>{223, 113, 217}));  // red wraps from -33
        QCOMPARE(rgb(PuzzleGrid::paletteColour(15033.0f, 121, 146)), (QList<int>{249, 20, 166}));
        QCOMPARE(rgb(PuzzleGrid::paletteColour(15033.0f, 122, 146)), (QList<int>{192, 192, 192}));  // not white
        // One draw for the phase, however many colours; then three per invented colour.
        const QList<QList<int>> expected = {{218, 224, 32}, {110, 145, 194}, {118, 106, 126}, {177, 141, 157}};
        for (quint32 count : {0u, 3u}) {
            PuzzleGrid g;
            g.preparePalette(7);  // replaced, not added to
            g.srand(42);
            g.preparePalette(count);
            g.cells().assign(2, PuzzleGrid::Row(2));
            g.clear();  // leaves the palette alone
            for (quint32 i = 0; i < count; ++i)
                QCOMPARE(rgb(g.takeColour()), expected[int(i)]);
            QVERIFY(g.rowCount() == 0 && rgb(g.takeColour()) == expected[3]);
        }
    }
};

QTEST_APPLESS_MAIN(TestPuzzleGrid)
#include "tst_puzzlegrid.moc"

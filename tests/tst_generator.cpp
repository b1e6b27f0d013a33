#include "puzzlegrid.h"
#include "referencegenerator.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// Checks every invariant of a finished puzzle; returns an empty string when
// all hold, otherwise what broke.
QString invariantFailure(const PuzzleGrid &g, quint32 rows, quint32 columns)
{
    if (g.rowCount() != rows)
        return QStringLiteral("row count %1").arg(g.rowCount());
    for (const auto &row : g.cells())
        if (row.size() != columns)
            return QStringLiteral("ragged row");
    if (g.fields().empty())
        return QStringLiteral("no fields");

    std::vector<quint32> owner(std::size_t(rows) * columns, 0);
    quint64 areaSum = 0;
    for (std::size_t k = 0; k < g.fields().size(); ++k) {
        const Field &f = g.fields()[k];
        if (f.id != k + 1)
            return QStringLiteral("field %1 has id %2").arg(k).arg(f.id);
        if (f.top > f.bottom || f.left > f.right || f.bottom >= rows || f.right >= columns)
            return QStringLiteral("field %1 has bad bounds").arg(f.id);
        for (quint32 i = f.top; i <= f.bottom; ++i)
            for (quint32 j = f.left; j <= f.right; ++j) {
                quint32 &o = owner[std::size_t(i) * columns + j];
                if (o != 0)
                    return QStringLiteral("fields %1 and %2 overlap").arg(o).arg(f.id);
                o = f.id;
            }
        if (f.clueRow < f.top || f.clueRow > f.bottom || f.clueColumn < f.left || f.clueColumn > f.right)
            return QStringLiteral("clue of field %1 outside it").arg(f.id);
        const Cell &clue = g.cells()[f.clueRow][f.clueColumn];
        if (!clue.isClue || clue.fieldId != qint32(f.id) || clue.colour != f.colour
            || clue.area != f.width() * f.height())
            return QStringLiteral("clue cell of field %1 wrong").arg(f.id);
        areaSum += clue.area;
    }
    if (areaSum != quint64(rows) * columns)
        return QStringLiteral("areas add up to %1").arg(areaSum);
    for (quint32 o : owner)
        if (o == 0)
            return QStringLiteral("uncovered cell");

    quint32 clues = 0;
    for (const auto &row : g.cells())
        for (const Cell &cell : row) {
            if (cell.isClue) {
                ++clues;
                continue;
            }
            if (cell.fieldId != 0 || cell.colour != blankColour || cell.area != 0)
                return QStringLiteral("non-clue cell not blank");
        }
    if (clues != g.fields().size())
        return QStringLiteral("%1 clue cells for %2 fields").arg(clues).arg(g.fields().size());
    return {};
}

bool samePuzzle(const PuzzleGrid &a, const PuzzleGrid &b)
{
    if (a.rowCount() != b.rowCount() || a.fields().size() != b.fields().size())
        return false;
    for (std::size_t k = 0; k < a.fields().size(); ++k) {
        const Field &f = a.fields()[k], &h = b.fields()[k];
        if (f.top != h.top || f.left != h.left || f.bottom != h.bottom || f.right != h.right || f.colour != h.colour
            || f.clueRow != h.clueRow || f.clueColumn != h.clueColumn)
            return false;
    }
    for (quint32 i = 0; i < a.rowCount(); ++i)
        for (quint32 j = 0; j < a.columnCount(); ++j) {
            const Cell &x = a.cells()[i][j], &y = b.cells()[i][j];
            if (x.fieldId != y.fieldId || x.colour != y.colour || x.isClue != y.isClue || x.area != y.area)
                return false;
        }
    return a.palette().size() == b.palette().size();
}

}  // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private slots:
    void invariantsOverRandomSettings();
    void matchesPlainAlgorithm_data();
    void matchesPlainAlgorithm();
    void fewSeedsGiveOneField_data();
    void fewSeedsGiveOneField();
    void seededFieldsComeFirst();
    void fixedSeedReproduces();
    void defaultSourceDoesNotRepeat();
    void seedSourceCalledOncePerAttempt();
};

void TestGenerator::invariantsOverRandomSettings()
{
    QRandomGenerator random(20261206);
    PuzzleGrid g;
    for (int n = 0; n < 400; ++n) {
        const quint32 rows = 1 + random.bounded(40u);
        const quint32 columns = 1 + random.bounded(40u);
        const quint32 seeds = random.bounded(120u);
        const quint32 seed = random.generate();
        g.setSeedSource([seed] { return seed; });
        g.generate(rows, columns, seeds);
        const QString failure = invariantFailure(g, rows, columns);
        QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("%1x%2, %3 seeds, seed %4: %5")
                                                   .arg(rows)
                                                   .arg(columns)
                                                   .arg(seeds)
                                                   .arg(seed)
                                                   .arg(failure)));
    }
}

void TestGenerator::matchesPlainAlgorithm_data()
{
    QTest::addColumn<quint32>("rows");
    QTest::addColumn<quint32>("columns");
    QTest::addColumn<quint32>("seeds");
    QTest::newRow("default board") << 10u << 10u << 15u;
    QTest::newRow("no seeds") << 6u << 9u << 0u;
    QTest::newRow("one row") << 1u << 50u << 7u;
    QTest::newRow("one column") << 50u << 1u << 7u;
    QTest::newRow("palette runs out") << 30u << 30u << 5u;
    QTest::newRow("crowded") << 12u << 12u << 400u;
    QTest::newRow("wide") << 40u << 120u << 60u;
    QTest::newRow("large") << 150u << 150u << 150u;
}

void TestGenerator::matchesPlainAlgorithm()
{
    QFETCH(quint32, rows);
    QFETCH(quint32, columns);
    QFETCH(quint32, seeds);
    for (quint32 seed : {0u, 1u, 777u, 123456789u, 0xffffffffu}) {
        PuzzleGrid fast, plain;
        fast.setSeedSource([seed] { return seed; });
        fast.generate(rows, columns, seeds);
        reference::generate(plain, rows, columns, seeds, seed);
        QVERIFY2(samePuzzle(fast, plain), qPrintable(QStringLiteral("seed %1").arg(seed)));
        // Both must leave the generator at the same point as well.
        QCOMPARE(fast.rand(), plain.rand());
    }
}

void TestGenerator::fewSeedsGiveOneField_data()
{
    QTest::addColumn<quint32>("rows");
    QTest::addColumn<quint32>("columns");
    QTest::addColumn<quint32>("seeds");
    QTest::newRow("0 seeds") << 7u << 11u << 0u;
    QTest::newRow("1 seed") << 7u << 11u << 1u;
    QTest::newRow("1x1, many seeds") << 1u << 1u << 50u;
    QTest::newRow("1x1, no seeds") << 1u << 1u << 0u;
}

void TestGenerator::fewSeedsGiveOneField()
{
    QFETCH(quint32, rows);
    QFETCH(quint32, columns);
    QFETCH(quint32, seeds);
    PuzzleGrid g;
    for (quint32 seed = 0; seed < 20; ++seed) {
        g.setSeedSource([seed] { return seed; });
        g.generate(rows, columns, seeds);
        QCOMPARE(g.fields().size(), std::size_t(1));
        const Field &f = g.fields()[0];
        QCOMPARE(g.cells()[f.clueRow][f.clueColumn].area, rows * columns);
        if (seeds == 0) {
            QCOMPARE(f.clueRow, 0u);
            QCOMPARE(f.clueColumn, 0u);
            for (int v : {f.colour.red, f.colour.green, f.colour.blue})
                QVERIFY(v >= 40 && v <= 231);
        }
    }
}

void TestGenerator::seededFieldsComeFirst()
{
    // Seeded fields sit where the draws put them; filler fields follow in
    // reading order of their clue cells.
    for (quint32 seed = 0; seed < 30; ++seed) {
        PuzzleGrid g;
        g.setSeedSource([seed] { return seed; });
        const quint32 rows = 25, columns = 17, seeds = 20;
        g.generate(rows, columns, seeds);

        PuzzleGrid draws;
        draws.srand(seed);
        draws.rand();  // palette phase
        std::vector<std::pair<quint32, quint32>> seeded;
        for (quint32 s = 0; s < seeds; ++s) {
            const quint32 row = quint32(draws.rand()) % rows;
            const quint32 column = quint32(draws.rand()) % columns;
            if (std::find(seeded.begin(), seeded.end(), std::make_pair(row, column)) == seeded.end())
                seeded.emplace_back(row, column);
        }
        QVERIFY(g.fields().size() >= seeded.size());
        for (std::size_t k = 0; k < seeded.size(); ++k) {
            QCOMPARE(g.fields()[k].clueRow, seeded[k].first);
            QCOMPARE(g.fields()[k].clueColumn, seeded[k].second);
        }
        for (std::size_t k = seeded.size() + 1; k < g.fields().size(); ++k) {
            const Field &a = g.fields()[k - 1], &b = g.fields()[k];
            QVERIFY(a.clueRow * columns + a.clueColumn < b.clueRow * columns + b.clueColumn);
        }
    }
}

void TestGenerator::fixedSeedReproduces()
{
    PuzzleGrid a, b;
    a.setSeedSource([] { return 4242u; });
    b.setSeedSource([] { return 4242u; });
    a.generate(60, 45, 30);
    b.generate(60, 45, 30);
    QVERIFY(samePuzzle(a, b));
    a.generate(60, 45, 30);  // rebuilt in place, still the same
    QVERIFY(samePuzzle(a, b));
}

void TestGenerator::defaultSourceDoesNotRepeat()
{
    // Back-to-back attempts (microseconds apart) must differ.
    PuzzleGrid previous, current;
    previous.generate(10, 10, 15);
    int repeats = 0;
    for (int n = 0; n < 200; ++n) {
        current.generate(10, 10, 15);
        repeats += samePuzzle(previous, current);
        previous.swapPuzzle(current);
    }
    QVERIFY2(repeats < 3, qPrintable(QString::number(repeats)));
}

void TestGenerator::seedSourceCalledOncePerAttempt()
{
    int calls = 0;
    PuzzleGrid g;
    g.setSeedSource([&calls] { return quint32(++calls); });
    for (int n = 0; n < 5; ++n)
        g.generate(8, 8, 3);
    QCOMPARE(calls, 5);
}

QTEST_APPLESS_MAIN(TestGenerator)
#include "tst_generator.moc"

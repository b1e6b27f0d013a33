#include "testhelpers.h"

class TestBoardRendering : public QObject
{
    Q_OBJECT

private slots:
    void boardSize_data();
    void boardSize();
    void squaresOutlinesAndGaps();
    void boldOnlyAtSelection();
    void partialPaintMatchesWholeBoard_data();
    void partialPaintMatchesWholeBoard();
};

void TestBoardRendering::boardSize_data()
{
    QTest::addColumn<quint32>("rows");
    QTest::addColumn<quint32>("columns");
    QTest::addColumn<unsigned>("cellSize");
    QTest::addColumn<QSize>("size");
    QTest::newRow("no puzzle yet") << 0u << 0u << 24u << QSize(100, 100);
    QTest::newRow("10x10") << 10u << 10u << 24u << QSize(290, 290);
    QTest::newRow("1x1") << 1u << 1u << 24u << QSize(38, 38);
    QTest::newRow("3 rows, 7 columns") << 3u << 7u << 24u << QSize(10 + 7 * 28, 10 + 3 * 28);
    QTest::newRow("smallest cells") << 4u << 5u << 2u << QSize(10 + 5 * 6, 10 + 4 * 6);
}

void TestBoardRendering::boardSize()
{
    QFETCH(quint32, rows);
    QFETCH(quint32, columns);
    QFETCH(unsigned, cellSize);
    QFETCH(QSize, size);
    varritWidget board;
    board.setCellSize(cellSize);
    if (rows)
        QVERIFY(generateFixed(board, rows, columns, 3, 99));
    QCOMPARE(board.size(), size);
}

void TestBoardRendering::squaresOutlinesAndGaps()
{
    varritWidget board;
    QVERIFY(generateFixed(board, 10, 10, 15, 4));
    const QImage image = renderBoard(board);
    int clues = 0;
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j) {
            const Cell &cell = board.puzzle().cells()[std::size_t(i)][std::size_t(j)];
            const QPoint o = cellOrigin(board, i, j);
            const QColor outline = cell.isClue ? QColor(0, 0, 0) : QColor(128, 128, 128);
            clues += cell.isClue;
            // The outline covers the square's first pixel and the gap's first one.
            for (QPoint p : {QPoint(0, 0), QPoint(24, 24), QPoint(24, 10), QPoint(10, 24)})
                QCOMPARE(image.pixelColor(o + p), outline);
            for (QPoint p : {QPoint(2, 2), QPoint(22, 22)})  // fill, clear of the number
                QCOMPARE(image.pixelColor(o + p), toQColor(cell.colour));
            for (QPoint p : {QPoint(25, 10), QPoint(27, 27), QPoint(-1, -1)})  // gap and margin
                QCOMPARE(image.pixelColor(o + p), QColor(Qt::white));
        }
    QVERIFY(clues > 1 && clues < 100);
}

void TestBoardRendering::boldOnlyAtSelection()
{
    // Pure black shows only in the selected clue's number: the others are
    // dark grey, and anti-aliased grey never blends to black.
    varritWidget board;
    QVERIFY(generateFixed(board, 10, 10, 15, 21));
    const Field &chosen = board.puzzle().fields()[1];
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, int(chosen.clueRow), int(chosen.clueColumn)));
    const QImage image = renderBoard(board);
    for (const Field &f : board.puzzle().fields()) {
        const QRect inside(cellOrigin(board, int(f.clueRow), int(f.clueColumn)) + QPoint(1, 1), QSize(23, 23));
        bool black = false;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                black |= image.pixelColor(x, y) == QColor(0, 0, 0);
        QCOMPARE(black, f.id == chosen.id);
    }
}

void TestBoardRendering::partialPaintMatchesWholeBoard_data()
{
    QTest::addColumn<QRect>("area");
    QTest::newRow("inside one square") << QRect(40, 40, 10, 10);
    QTest::newRow("across gaps") << QRect(27, 31, 60, 35);
    QTest::newRow("an outline's last pixel") << QRect(29, 29, 1, 50);
    QTest::newRow("margin") << QRect(0, 0, 5, 300);
    QTest::newRow("bottom right") << QRect(200, 220, 90, 70);
}

void TestBoardRendering::partialPaintMatchesWholeBoard()
{
    QFETCH(QRect, area);
    varritWidget board;
    QPalette white = board.palette();
    white.setColor(QPalette::Window, Qt::white);
    board.setPalette(white);
    QVERIFY(generateFixed(board, 10, 10, 15, 77));
    QImage partial(board.size(), QImage::Format_RGB32);
    partial.fill(Qt::magenta);
    board.render(&partial, area.topLeft(), QRegion(area));
    QCOMPARE(partial.copy(area), renderBoard(board).copy(area));
}

QTEST_MAIN(TestBoardRendering)
#include "tst_boardrendering.moc"

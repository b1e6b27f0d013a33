#include "boardhelpers.h"

#include <QtTest>

using namespace boardtest;

class TestBoardRendering : public QObject
{
    Q_OBJECT

private slots:
    void emptyBoard();
    void boardSize_data();
    void boardSize();
    void cellPixels();
    void boldOnlyAtSelection();
    void partialPaintMatchesWholeBoard_data();
    void partialPaintMatchesWholeBoard();
    void numbersStayInsideTheirSquare();
};

void TestBoardRendering::emptyBoard()
{
    varritWidget board;
    board.resize(40, 40);
    board.adjustBoardSize();
    QCOMPARE(board.size(), QSize(100, 100));
    const QImage image = renderBoard(board);
    QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
    QCOMPARE(board.getCellSize(), 24u);
}

void TestBoardRendering::boardSize_data()
{
    QTest::addColumn<quint32>("rows");
    QTest::addColumn<quint32>("columns");
    QTest::addColumn<unsigned>("cellSize");
    QTest::addColumn<QSize>("size");
    QTest::newRow("10x10") << 10u << 10u << 24u << QSize(290, 290);
    QTest::newRow("1x1") << 1u << 1u << 24u << QSize(38, 38);
    QTest::newRow("3 rows, 7 columns") << 3u << 7u << 24u << QSize(10 + 7 * 28, 10 + 3 * 28);
    QTest::newRow("zoomed in") << 2u << 5u << 30u << QSize(10 + 5 * 34, 10 + 2 * 34);
    QTest::newRow("smallest cells") << 4u << 4u << 2u << QSize(10 + 4 * 6, 10 + 4 * 6);
}

void TestBoardRendering::boardSize()
{
    QFETCH(quint32, rows);
    QFETCH(quint32, columns);
    QFETCH(unsigned, cellSize);
    QFETCH(QSize, size);
    varritWidget board;
    board.setCellSize(cellSize);
    QCOMPARE(board.size(), QSize(100, 100));
    QVERIFY(generateFixed(board, rows, columns, 3, 99));
    QCOMPARE(board.size(), size);
}

void TestBoardRendering::cellPixels()
{
    varritWidget board;
    QVERIFY(generateFixed(board, 10, 10, 15, 4));
    const QImage image = renderBoard(board);
    const PuzzleGrid &grid = board.puzzle();
    int clues = 0, blanks = 0;
    for (int i = 0; i < 10; ++i) {
        for (int j = 0; j < 10; ++j) {
            const Cell &cell = grid.cells()[i][j];
            const QPoint o = cellOrigin(board, i, j);
            const QColor outline = cell.isClue ? QColor(0, 0, 0) : QColor(128, 128, 128);
            // Outline on the square's first pixel and on the first pixel of the gap.
            QCOMPARE(image.pixelColor(o), outline);
            QCOMPARE(image.pixelColor(o + QPoint(24, 24)), outline);
            QCOMPARE(image.pixelColor(o + QPoint(24, 10)), outline);
            QCOMPARE(image.pixelColor(o + QPoint(10, 24)), outline);
            // Fill inside, clear of the number.
            QCOMPARE(image.pixelColor(o + QPoint(2, 2)), toQColor(cell.colour));
            QCOMPARE(image.pixelColor(o + QPoint(22, 22)), toQColor(cell.colour));
            // The rest of the gap stays white.
            QCOMPARE(image.pixelColor(o + QPoint(25, 10)), QColor(Qt::white));
            QCOMPARE(image.pixelColor(o + QPoint(27, 27)), QColor(Qt::white));
            (cell.isClue ? clues : blanks)++;
        }
    }
    QVERIFY(clues > 1 && blanks > 1);
    QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));  // margin
}

// Pure black appears only in the selected clue's number; the others are
// drawn dark grey, and blending grey never gives black.
static bool hasBlackInside(const QImage &image, QPoint origin)
{
    for (int y = 1; y < 24; ++y)
        for (int x = 1; x < 24; ++x)
            if (image.pixelColor(origin + QPoint(x, y)) == QColor(0, 0, 0))
                return true;
    return false;
}

void TestBoardRendering::boldOnlyAtSelection()
{
    varritWidget board;
    QVERIFY(generateFixed(board, 10, 10, 15, 21));
    const PuzzleGrid &grid = board.puzzle();
    const Field &chosen = grid.fields()[1];
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, int(chosen.clueRow), int(chosen.clueColumn)));
    QCOMPARE(board.selectedCell(), QPoint(int(chosen.clueColumn), int(chosen.clueRow)));

    const QImage image = renderBoard(board);
    for (const Field &f : grid.fields()) {
        const bool selected = f.id == chosen.id;
        const QPoint o = cellOrigin(board, int(f.clueRow), int(f.clueColumn));
        QVERIFY2(hasBlackInside(image, o) == selected, qPrintable(QString::number(f.id)));
    }

    // Bold is heavier: more ink than the same number drawn normal.
    QImage normal(40, 40, QImage::Format_RGB32), bold(40, 40, QImage::Format_RGB32);
    normal.fill(Qt::white);
    bold.fill(Qt::white);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(18);
    auto ink = [](const QImage &img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                n += 255 - qGray(img.pixel(x, y));
        return n;
    };
    QPainter pn(&normal);
    pn.setFont(font);
    pn.drawText(normal.rect(), Qt::AlignCenter, "88");
    pn.end();
    font.setWeight(QFont::Bold);
    QPainter pb(&bold);
    pb.setFont(font);
    pb.drawText(bold.rect(), Qt::AlignCenter, "88");
    pb.end();
    QVERIFY(ink(bold) > ink(normal));
}

void TestBoardRendering::partialPaintMatchesWholeBoard_data()
{
    QTest::addColumn<QRect>("area");
    QTest::newRow("inside one square") << QRect(40, 40, 10, 10);
    QTest::newRow("gaps and edges") << QRect(27, 31, 60, 35);
    QTest::newRow("outline pixel only") << QRect(29, 29, 1, 50);
    QTest::newRow("margin") << QRect(0, 0, 5, 300);
    QTest::newRow("bottom right") << QRect(200, 220, 90, 70);
    QTest::newRow("everything") << QRect(0, 0, 290, 290);
}

void TestBoardRendering::partialPaintMatchesWholeBoard()
{
    QFETCH(QRect, area);
    varritWidget board;
    QPalette white = board.palette();
    white.setColor(QPalette::Window, Qt::white);
    board.setPalette(white);
    QVERIFY(generateFixed(board, 10, 10, 15, 77));
    const QImage whole = renderBoard(board);

    QImage partial(board.size(), QImage::Format_RGB32);
    partial.fill(Qt::magenta);
    board.render(&partial, area.topLeft(), QRegion(area));
    QCOMPARE(partial.copy(QRect(area.topLeft(), area.size())), whole.copy(area));
}

void TestBoardRendering::numbersStayInsideTheirSquare()
{
    // A 1x1 board whose number (area 1) is drawn at the smallest cell size:
    // the font keeps its default size, and the text is clipped to the square.
    varritWidget board;
    QVERIFY(generateFixed(board, 1, 40, 0, 5));
    board.setCellSize(4);
    const QImage image = renderBoard(board);
    // Only the clue cell (0,0) shows a number ("40"); the gap right of it stays clear.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 10; x < 13; ++x) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY2(c == QColor(Qt::white), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
}

QTEST_MAIN(TestBoardRendering)
#include "tst_boardrendering.moc"

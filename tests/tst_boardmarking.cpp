#include "boardhelpers.h"
#include "modalwatcher.h"

#include <QtTest>

using namespace boardtest;

Q_DECLARE_METATYPE(Qt::MouseButton)

namespace {

// What one press did: the cell whose mark changed, or else the new selection;
// (-1, -1) when nothing changed.
QPoint pressAt(varritWidget &board, QPoint pixel, Qt::MouseButton button = Qt::LeftButton)
{
    const PuzzleGrid::Matrix before = board.puzzle().cells();
    const QPoint selection = board.selectedCell();
    QTest::mousePress(&board, button, {}, pixel);
    QTest::mouseRelease(&board, button, {}, pixel);
    const PuzzleGrid::Matrix &after = board.puzzle().cells();
    for (std::size_t i = 0; i < after.size(); ++i)
        for (std::size_t j = 0; j < after[i].size(); ++j)
            if (after[i][j].fieldId != before[i][j].fieldId || after[i][j].colour != before[i][j].colour)
                return QPoint(int(j), int(i));
    return board.selectedCell() != selection ? board.selectedCell() : QPoint(-1, -1);
}

// A field of two or more cells and one of its non-clue cells (column, row).
const Field *fieldWithBlankCell(const PuzzleGrid &grid, QPoint *blank)
{
    for (const Field &f : grid.fields())
        for (quint32 i = f.top; i <= f.bottom; ++i)
            for (quint32 j = f.left; j <= f.right; ++j)
                if (!grid.cells()[i][j].isClue) {
                    *blank = QPoint(int(j), int(i));
                    return &f;
                }
    return nullptr;
}

}  // namespace

class TestBoardMarking : public QObject
{
    Q_OBJECT

private slots:
    void pixelToCell_data();
    void pixelToCell();
    void mappingFollowsZoom();
    void selectPaintClear();
    void everyButtonMarks_data();
    void everyButtonMarks();
    void doubleClickIsTwoPresses();
    void defaultSelectionCopiesTopLeftCell();
    void emptyBoardIgnoresPresses();
    void solvingAsAPlayer();
};

void TestBoardMarking::pixelToCell_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("cell");  // (column, row); (-1, -1) = ignored
    // Pitch 28: x 5..32 is column 0 (its 4 gap pixels included), 33..60 column 1.
    QTest::newRow("first pixel of column 0") << QPoint(5, 40) << QPoint(0, 1);
    QTest::newRow("last gap pixel of column 0") << QPoint(32, 40) << QPoint(0, 1);
    QTest::newRow("first pixel of column 1") << QPoint(33, 40) << QPoint(1, 1);
    QTest::newRow("last gap pixel of column 1") << QPoint(60, 40) << QPoint(1, 1);
    QTest::newRow("first pixel of row 1") << QPoint(40, 33) << QPoint(1, 1);
    QTest::newRow("last pixel of row 0") << QPoint(40, 32) << QPoint(1, 0);
    QTest::newRow("left of the margin") << QPoint(4, 40) << QPoint(-1, -1);
    QTest::newRow("above the margin") << QPoint(40, 4) << QPoint(-1, -1);
    QTest::newRow("corner outside") << QPoint(0, 0) << QPoint(-1, -1);
    QTest::newRow("last column's gap") << QPoint(5 + 4 * 28 - 1, 40) << QPoint(3, 1);
    QTest::newRow("right of last column") << QPoint(5 + 4 * 28, 40) << QPoint(-1, -1);
    QTest::newRow("below last row") << QPoint(40, 5 + 3 * 28) << QPoint(-1, -1);
}

void TestBoardMarking::pixelToCell()
{
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, cell);
    varritWidget board;
    QVERIFY(generateFixed(board, 3, 4, 0, 1));  // one field, clue at (0,0), selected
    board.resize(400, 400);                     // room for presses beyond the board
    QCOMPARE(pressAt(board, pixel), cell);
}

void TestBoardMarking::mappingFollowsZoom()
{
    varritWidget board;
    QVERIFY(generateFixed(board, 5, 5, 0, 1));
    board.setCellSize(40);  // pitch 44
    QCOMPARE(pressAt(board, QPoint(5 + 44 + 43, 5 + 2 * 44)), QPoint(1, 2));
    QCOMPARE(pressAt(board, QPoint(5 + 2 * 44, 5 + 44 + 43)), QPoint(2, 1));
}

void TestBoardMarking::selectPaintClear()
{
    varritWidget board;
    QVERIFY(generateFixed(board, 10, 10, 15, 31));
    const PuzzleGrid &grid = board.puzzle();
    QPoint blank;
    const Field *a = fieldWithBlankCell(grid, &blank);
    QVERIFY(a);
    const Field &b = grid.fields()[a == &grid.fields()[0] ? 1 : 0];
    const QPoint clueA(int(a->clueColumn), int(a->clueRow)), clueB(int(b.clueColumn), int(b.clueRow));
    const Cell &cell = grid.cells()[std::size_t(blank.y())][std::size_t(blank.x())];
    QVERIFY(!cell.isClue);

    auto press = [&board](QPoint c) { return pressAt(board, cellCentre(board, c.y(), c.x())); };
    const QPoint initialSelection = clueA == QPoint(0, 0) ? QPoint(-1, -1) : clueA;
    QCOMPARE(press(clueA), initialSelection);
    QCOMPARE(board.selectedCell(), clueA);
    QCOMPARE(press(clueA), QPoint(-1, -1));  // again: nothing changes

    QCOMPARE(press(blank), blank);
    QCOMPARE(cell.colour, a->colour);
    QCOMPARE(cell.fieldId, qint32(a->id));
    QCOMPARE(press(blank), blank);
    QCOMPARE(cell.colour, blankColour);
    QCOMPARE(cell.fieldId, 0);

    QCOMPARE(press(blank), blank);  // paint with A, then select B
    QCOMPARE(press(clueB), clueB);
    QCOMPARE(press(blank), blank);  // a painted cell is cleared whatever is selected
    QCOMPARE(cell.colour, blankColour);
    QCOMPARE(press(blank), blank);
    QCOMPARE(cell.colour, b.colour);
    QCOMPARE(cell.fieldId, qint32(b.id));

    // A press repaints the board: the grabbed widget shows the new colour.
    const QImage shown = board.grab().toImage();
    QCOMPARE(shown.pixelColor(cellOrigin(board, blank.y(), blank.x()) + QPoint(2, 2)), toQColor(b.colour));
}

void TestBoardMarking::everyButtonMarks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestBoardMarking::everyButtonMarks()
{
    QFETCH(Qt::MouseButton, button);
    varritWidget board;
    QVERIFY(generateFixed(board, 3, 3, 0, 1));
    const Cell &cell = board.puzzle().cells()[1][2];
    QCOMPARE(pressAt(board, cellCentre(board, 1, 2), button), QPoint(2, 1));
    QCOMPARE(cell.fieldId, 1);
    QCOMPARE(pressAt(board, cellCentre(board, 1, 2), button), QPoint(2, 1));
    QCOMPARE(cell.fieldId, 0);
}

void TestBoardMarking::doubleClickIsTwoPresses()
{
    // Through the window, as the platform delivers it: press, release,
    // double-click, release.
    varritWidget board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QVERIFY(generateFixed(board, 3, 3, 0, 1));
    QTest::mouseDClick(board.windowHandle(), Qt::LeftButton, {}, cellCentre(board, 2, 2));
    const Cell &cell = board.puzzle().cells()[2][2];
    QCOMPARE(cell.colour, blankColour);
    QCOMPARE(cell.fieldId, 0);
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, 2, 2));
    QCOMPARE(cell.fieldId, 1);
}

void TestBoardMarking::defaultSelectionCopiesTopLeftCell()
{
    // Find a seed whose top-left cell is no clue: marks then copy a blank.
    varritWidget board;
    for (quint32 seed = 0; seed < 100; ++seed) {
        QVERIFY(generateFixed(board, 6, 6, 6, seed));
        if (!board.puzzle().cells()[0][0].isClue)
            break;
    }
    const PuzzleGrid &grid = board.puzzle();
    QVERIFY(!grid.cells()[0][0].isClue);
    QPoint target(-1, -1);
    for (int i = 0; i < 6 && target.x() < 0; ++i)
        for (int j = 0; j < 6; ++j)
            if (!grid.cells()[std::size_t(i)][std::size_t(j)].isClue && (i || j)) {
                target = QPoint(j, i);
                break;
            }
    // The copy takes (0,0)'s blank colour and id 0: the cell stays blank.
    QCOMPARE(pressAt(board, cellCentre(board, target.y(), target.x())), QPoint(-1, -1));
    QCOMPARE(grid.cells()[std::size_t(target.y())][std::size_t(target.x())].colour, blankColour);
}

void TestBoardMarking::emptyBoardIgnoresPresses()
{
    varritWidget board;
    board.resize(100, 100);
    QTest::mouseClick(&board, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(board.selectedCell(), QPoint(0, 0));
    QVERIFY(board.puzzle().cells().empty());
}

void TestBoardMarking::solvingAsAPlayer()
{
    varritWidget board;
    QVERIFY(generateFixed(board, 10, 10, 15, 2024, 2, 9999));
    const std::vector<Field> fields = board.puzzle().fields();
    QVERIFY(fields.size() > 3);

    QList<QPoint> presses;
    for (const Field &f : fields) {
        presses.append(QPoint(int(f.clueColumn), int(f.clueRow)));
        for (quint32 i = f.top; i <= f.bottom; ++i)
            for (quint32 j = f.left; j <= f.right; ++j)
                if (i != f.clueRow || j != f.clueColumn)
                    presses.append(QPoint(int(j), int(i)));
    }
    ModalWatcher watcher;
    for (int k = 0; k < presses.size(); ++k) {
        QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, presses[k].y(), presses[k].x()));
        QTest::qWait(0);
        const int expected = k == presses.size() - 1 ? 1 : 0;
        QVERIFY2(watcher.seen().size() == expected, qPrintable(QStringLiteral("press %1").arg(k)));
    }
    QCOMPARE(watcher.seen(), QStringList{"varritQt|Well done!"});

    // Solved stays solved: a press on a clue says so again, clearing a cell does not.
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, presses[0].y(), presses[0].x()));
    QCOMPARE(watcher.seen().size(), 2);
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, presses.last().y(), presses.last().x()));
    QCOMPARE(watcher.seen().size(), 2);
}

QTEST_MAIN(TestBoardMarking)
#include "tst_boardmarking.moc"

#include "testhelpers.h"

Q_DECLARE_METATYPE(Qt::MouseButton)

namespace {

// What one press did: the cell whose mark changed, else the new selection,
// else (-1, -1). As (column, row).
QPoint pressAt(varritWidget &board, QPoint pixel, Qt::MouseButton button = Qt::LeftButton)
{
    const PuzzleGrid::Matrix before = board.puzzle().cells();
    const QPoint selection = board.selectedCell();
    QTest::mouseClick(&board, button, {}, pixel);
    for (std::size_t i = 0; i < before.size(); ++i)
        for (std::size_t j = 0; j < before[i].size(); ++j)
            if (board.puzzle().cells()[i][j].fieldId != before[i][j].fieldId)
                return QPoint(int(j), int(i));
    return board.selectedCell() != selection ? board.selectedCell() : QPoint(-1, -1);
}

}  // namespace

class TestBoardMarking : public QObject
{
    Q_OBJECT

private slots:
    void pixelToCell_data();
    void pixelToCell();
    void selectPaintClear();
    void doubleClickIsTwoPresses();
    void solvingAsAPlayer();
};

void TestBoardMarking::pixelToCell_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("cell");  // (column, row); (-1, -1) = ignored
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<unsigned>("cellSize");
    // Pitch 28: x 5..32 is column 0 (its 4 gap pixels included), 33..60 column 1.
    QTest::newRow("first pixel of column 0") << QPoint(5, 40) << QPoint(0, 1) << Qt::LeftButton << 24u;
    QTest::newRow("gap of column 0") << QPoint(32, 40) << QPoint(0, 1) << Qt::LeftButton << 24u;
    QTest::newRow("first pixel of column 1") << QPoint(33, 40) << QPoint(1, 1) << Qt::LeftButton << 24u;
    QTest::newRow("last pixel of row 0") << QPoint(40, 32) << QPoint(1, 0) << Qt::LeftButton << 24u;
    QTest::newRow("left of the margin") << QPoint(4, 40) << QPoint(-1, -1) << Qt::LeftButton << 24u;
    QTest::newRow("above the margin") << QPoint(40, 4) << QPoint(-1, -1) << Qt::LeftButton << 24u;
    QTest::newRow("last column's gap") << QPoint(116, 40) << QPoint(3, 1) << Qt::LeftButton << 24u;
    QTest::newRow("right of the board") << QPoint(117, 40) << QPoint(-1, -1) << Qt::LeftButton << 24u;
    QTest::newRow("below the board") << QPoint(40, 89) << QPoint(-1, -1) << Qt::LeftButton << 24u;
    QTest::newRow("right button") << QPoint(70, 70) << QPoint(2, 2) << Qt::RightButton << 24u;
    QTest::newRow("middle button") << QPoint(70, 70) << QPoint(2, 2) << Qt::MiddleButton << 24u;
    QTest::newRow("zoomed to pitch 44") << QPoint(5 + 44 + 43, 5 + 2 * 44) << QPoint(1, 2) << Qt::LeftButton << 40u;
}

void TestBoardMarking::pixelToCell()
{
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, cell);
    QFETCH(Qt::MouseButton, button);
    QFETCH(unsigned, cellSize);
    varritWidget board;
    QVERIFY(generateFixed(board, 3, 4, 0, 1));  // one field, its clue at (0,0) selected
    board.setCellSize(cellSize);
    board.resize(400, 400);  // room for presses beyond the board
    QCOMPARE(pressAt(board, pixel, button), cell);
}

void TestBoardMarking::selectPaintClear()
{
    varritWidget board;
    QVERIFY(generateFixed(board, 10, 10, 15, 31));
    const PuzzleGrid &grid = board.puzzle();
    const Field &a = grid.fields()[0], &b = grid.fields()[1];
    QPoint blank(-1, -1);  // a cell of field a that is no clue
    for (quint32 i = a.top; i <= a.bottom; ++i)
        for (quint32 j = a.left; j <= a.right; ++j)
            if (!grid.cells()[i][j].isClue)
                blank = QPoint(int(j), int(i));
    QVERIFY(blank.x() >= 0);
    const Cell &cell = grid.cells()[std::size_t(blank.y())][std::size_t(blank.x())];
    auto press = [&board](QPoint c) { return pressAt(board, cellCentre(board, c.y(), c.x())); };
    auto marked = [&cell](const Field &f) { return cell.fieldId == qint32(f.id) && cell.colour == f.colour; };
    const QPoint clueA(int(a.clueColumn), int(a.clueRow)), clueB(int(b.clueColumn), int(b.clueRow));

    press(clueA);
    QCOMPARE(board.selectedCell(), clueA);
    QCOMPARE(press(clueA), QPoint(-1, -1));  // again: nothing changes
    QCOMPARE(press(blank), blank);
    QVERIFY(marked(a));
    QCOMPARE(press(blank), blank);
    QVERIFY(cell.fieldId == 0 && cell.colour == blankColour);
    press(blank);
    QCOMPARE(press(clueB), clueB);
    press(blank);  // a marked cell clears whatever is selected
    QCOMPARE(cell.colour, blankColour);
    press(blank);
    QVERIFY(marked(b));
    // The press repainted the board: the widget shows the new colour.
    const QImage shown = board.grab().toImage();
    QCOMPARE(shown.pixelColor(cellOrigin(board, blank.y(), blank.x()) + QPoint(2, 2)), toQColor(b.colour));
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
    QCOMPARE(board.puzzle().cells()[2][2].fieldId, 0);
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, 2, 2));
    QCOMPARE(board.puzzle().cells()[2][2].fieldId, 1);
}

void TestBoardMarking::solvingAsAPlayer()
{
    varritWidget board;
    QVERIFY(generateFixed(board, 10, 10, 15, 2024, 2, 9999));
    QList<QPoint> presses;  // every clue, then each cell of its field
    for (const Field &f : board.puzzle().fields()) {
        presses.append(QPoint(int(f.clueColumn), int(f.clueRow)));
        for (quint32 i = f.top; i <= f.bottom; ++i)
            for (quint32 j = f.left; j <= f.right; ++j)
                if (i != f.clueRow || j != f.clueColumn)
                    presses.append(QPoint(int(j), int(i)));
    }
    ModalWatcher watcher;
    for (int k = 0; k < presses.size(); ++k) {
        QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, presses[k].y(), presses[k].x()));
        QVERIFY2(watcher.seen().size() == (k + 1 == presses.size()), qPrintable(QString::number(k)));
    }
    QCOMPARE(watcher.seen(), QStringList{"varritQt|Well done!"});
    // Solved stays solved: a clue press says so again, clearing a cell does not.
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, presses[0].y(), presses[0].x()));
    QTest::mouseClick(&board, Qt::LeftButton, {}, cellCentre(board, presses.last().y(), presses.last().x()));
    QCOMPARE(watcher.seen().size(), 2);
}

QTEST_MAIN(TestBoardMarking)
#include "tst_boardmarking.moc"

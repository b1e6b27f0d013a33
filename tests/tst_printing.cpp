#include "mainwindow.h"
#include "testhelpers.h"

#include <QAction>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(run("pdfinfo", {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The page rendered by poppler at the given resolution, and the box of
// everything on it that is not white.
QImage renderPage(const QString &pdf, int dpi, QRect *ink)
{
    run("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", pdf, pdf + "-page"});
    const QImage page(pdf + "-page.png");
    *ink = QRect();
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 250)
                *ink |= QRect(x, y, 1, 1);
    return page;
}

}  // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { window.reset(); }
    void printsAtScreenSizeLeavingTheBoardAsItWas();
    void largeBoardIsShrunkToThePage();
    void failuresAndCancel();

private:
    varritWidget *board() { return window->findChild<varritWidget *>(); }
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

void TestPrinting::init()
{
    window = std::make_unique<MainWindow>();
    QVERIFY(QTest::qWaitFor([this] { return !board()->isGenerating(); }, 20000));
}

void TestPrinting::printsAtScreenSizeLeavingTheBoardAsItWas()
{
    QVERIFY(generateFixed(*board(), 10, 10, 15, 5));
    const Field &f = board()->puzzle().fields()[2];
    QTest::mouseClick(board(), Qt::LeftButton, {}, cellCentre(*board(), int(f.clueRow), int(f.clueColumn)));
    QTest::mouseClick(board(), Qt::LeftButton, {}, cellCentre(*board(), 9, 9));
    const QImage screen = renderBoard(*board());
    const QPoint selection = board()->selectedCell();

    const QString pdf = dir.filePath("board");  // used as it is, no suffix added
    QVERIFY(window->printToFile(pdf));
    QVERIFY(!QFile::exists(pdf + ".pdf"));
    QCOMPARE(pageCount(pdf), 1);
    QCOMPARE(board()->getCellSize(), 24u);
    QCOMPARE(board()->selectedCell(), selection);
    QCOMPARE(renderBoard(*board()), screen);  // marks and selection untouched

    // At the screen's resolution the page shows the board at its size on
    // screen: from the first square's edge at 5 to the last outline at 281.
    QRect ink;
    const QImage page = renderPage(pdf, board()->logicalDpiX(), &ink);
    QVERIFY2(qAbs(ink.width() - 277) <= 2 && qAbs(ink.height() - 277) <= 2,
             qPrintable(QStringLiteral("%1 x %2").arg(ink.width()).arg(ink.height())));
    const QPoint offset = ink.topLeft() - QPoint(5, 5);
    for (QPoint p : {QPoint(8, 8), QPoint(100, 37), QPoint(262, 262)}) {  // colours and marks as on screen
        const QColor a = page.pixelColor(offset + p), b = screen.pixelColor(p);
        QVERIFY2(qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 24,
                 qPrintable(a.name() + " " + b.name()));
    }
}

void TestPrinting::largeBoardIsShrunkToThePage()
{
    QVERIFY(generateFixed(*board(), 40, 90, 50, 6));
    const QString pdf = dir.filePath("large.pdf");
    QVERIFY(window->printToFile(pdf));
    QCOMPARE(pageCount(pdf), 1);
    QRect ink;
    const QImage page = renderPage(pdf, 72, &ink);
    QVERIFY(ink.right() < page.width() - 5 && ink.bottom() < page.height() - 5);    // all of it
    QVERIFY(ink.width() > page.width() / 2);                                        // as large as fits
    const double ratio = double(board()->width() - 14) / (board()->height() - 14);  // uniformly
    QVERIFY(qAbs(double(ink.width()) / ink.height() - ratio) < 0.05);
}

void TestPrinting::failuresAndCancel()
{
    const QString unwritable = dir.filePath("no-such-folder/board.pdf");
    ModalWatcher watcher;
    QVERIFY(!window->printToFile(unwritable));
    QDir::setCurrent(dir.path());
    const QStringList before = QDir(dir.path()).entryList();
    for (QAction *a : window->findChildren<QAction *>())
        if (a->text() == "&Print to pdf...")
            a->trigger();  // the save dialog, cancelled
    QCOMPARE(watcher.seen(),
             (QStringList{"varritQt|The file \"" + unwritable + "\" could not be written.", "QFileDialog"}));
    QCOMPARE(QDir(dir.path()).entryList(), before);
    QVERIFY(!QFile::exists(unwritable));
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"

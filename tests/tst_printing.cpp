#include "boardhelpers.h"
#include "mainwindow.h"
#include "modalwatcher.h"

#include <QAction>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace boardtest;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QString info = run("pdfinfo", {pdf});
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The page rendered at the given resolution.
QImage renderPage(const QString &pdf, int dpi, const QString &dir)
{
    const QString stem = dir + "/page";
    run("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", pdf, stem});
    return QImage(stem + ".png");
}

// Bounding box of everything that is not white.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 250)
                box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void printsAtScreenSize();
    void largeBoardIsShrunkToThePage();
    void nameIsUsedUnchanged();
    void unwritableFileIsReported();
    void cancelledDialogWritesNothing();
    void printingChangesNothing();

private:
    varritWidget *board() { return window->findChild<varritWidget *>(); }
    QAction *action(const QString &text)
    {
        for (QAction *a : window->findChildren<QAction *>())
            if (a->text() == text)
                return a;
        return nullptr;
    }

    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

void TestPrinting::initTestCase()
{
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
        QFAIL("pdfinfo and pdftoppm (poppler-utils) are needed; scripts/test installs them");
    QVERIFY(dir.isValid());
}

void TestPrinting::init()
{
    window = std::make_unique<MainWindow>();
    QVERIFY(QTest::qWaitFor([this] { return !board()->isGenerating(); }, 20000));
}

void TestPrinting::cleanup()
{
    window.reset();
}

void TestPrinting::printsAtScreenSize()
{
    QVERIFY(generateFixed(*board(), 10, 10, 15, 5));
    const QString pdf = dir.filePath("board.pdf");
    QVERIFY(window->printToFile(pdf));
    QCOMPARE(pageCount(pdf), 1);

    // Rendered at the screen's resolution, the page shows the board at the
    // size it has on screen: squares from x 5 to the last outline at 281.
    const int dpi = board()->logicalDpiX();
    const QImage page = renderPage(pdf, dpi, dir.path());
    QVERIFY(!page.isNull());
    const QRect ink = inkBox(page);
    QVERIFY2(qAbs(ink.width() - 277) <= 2, qPrintable(QString::number(ink.width())));
    QVERIFY2(qAbs(ink.height() - 277) <= 2, qPrintable(QString::number(ink.height())));

    // The page shows the board's colours: the first clue's fill.
    const Field &f = board()->puzzle().fields()[0];
    const QPoint o = ink.topLeft() - QPoint(5, 5) + cellOrigin(*board(), int(f.clueRow), int(f.clueColumn));
    const QColor seen = page.pixelColor(o + QPoint(3, 3));
    const QColor expected = toQColor(f.colour);
    QVERIFY2(qAbs(seen.red() - expected.red()) < 8 && qAbs(seen.green() - expected.green()) < 8
                 && qAbs(seen.blue() - expected.blue()) < 8,
             qPrintable(seen.name() + " " + expected.name()));
}

void TestPrinting::largeBoardIsShrunkToThePage()
{
    QVERIFY(generateFixed(*board(), 40, 90, 50, 6));
    const QString pdf = dir.filePath("large.pdf");
    QVERIFY(window->printToFile(pdf));
    QCOMPARE(pageCount(pdf), 1);
    const QImage page = renderPage(pdf, 72, dir.path());
    const QRect ink = inkBox(page);
    QVERIFY(page.rect().contains(ink));
    QVERIFY(ink.right() < page.width() - 5);    // the whole board, with the
    QVERIFY(ink.bottom() < page.height() - 5);  // printer's margin left over
    // Shrunk uniformly: the board's proportions are kept.
    const double boardRatio = double(board()->width() - 14) / (board()->height() - 14);
    QVERIFY2(qAbs(double(ink.width()) / ink.height() - boardRatio) < 0.05,
             qPrintable(QStringLiteral("%1x%2").arg(ink.width()).arg(ink.height())));
    QVERIFY(ink.width() > page.width() / 2);  // and as large as fits
}

void TestPrinting::nameIsUsedUnchanged()
{
    const QString name = dir.filePath("puzzle-without-suffix");
    QVERIFY(window->printToFile(name));
    QVERIFY(QFile::exists(name));
    QVERIFY(!QFile::exists(name + ".pdf"));
    QFile file(name);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

void TestPrinting::unwritableFileIsReported()
{
    const QString name = dir.filePath("no-such-folder/board.pdf");
    ModalWatcher watcher;
    QVERIFY(!window->printToFile(name));
    QCOMPARE(watcher.seen().size(), 1);
    const QString seen = watcher.seen()[0];
    QVERIFY2(seen.startsWith("varritQt|") && seen.contains(QDir::toNativeSeparators(name))
                 && seen.contains("could not be written"),
             qPrintable(seen));
    QVERIFY(!QFile::exists(name));
}

void TestPrinting::cancelledDialogWritesNothing()
{
    QDir::setCurrent(dir.path());
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);
    ModalWatcher watcher;
    action("&Print to pdf...")->trigger();
    QCOMPARE(watcher.seen(), QStringList{"QFileDialog"});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), before);
}

void TestPrinting::printingChangesNothing()
{
    QVERIFY(generateFixed(*board(), 8, 8, 10, 12));
    const Field &f = board()->puzzle().fields()[2];
    QTest::mouseClick(board(), Qt::LeftButton, {}, cellCentre(*board(), int(f.clueRow), int(f.clueColumn)));
    for (int j = 0; j < 8; ++j)
        QTest::mouseClick(board(), Qt::LeftButton, {}, cellCentre(*board(), 7, j));
    action("&Plus")->trigger();
    const PuzzleGrid::Matrix marks = board()->puzzle().cells();
    const QPoint selection = board()->selectedCell();
    const QSize size = board()->size();

    QVERIFY(window->printToFile(dir.filePath("marks.pdf")));
    QCOMPARE(board()->getCellSize(), 26u);
    QCOMPARE(board()->selectedCell(), selection);
    QCOMPARE(board()->size(), size);
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 8; ++j) {
            const Cell &a = board()->puzzle().cells()[std::size_t(i)][std::size_t(j)];
            const Cell &b = marks[std::size_t(i)][std::size_t(j)];
            QCOMPARE(a.fieldId, b.fieldId);
            QCOMPARE(a.colour, b.colour);
        }
}

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"

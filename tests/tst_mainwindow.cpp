#include "mainwindow.h"
#include "testhelpers.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

static QStringList entries(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *a : actions)
        names << (a->isSeparator() ? "|" : a->text() + (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString()));
    return names;
}

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir::setCurrent(VARRIT_SOURCE_DIR);
        window = std::make_unique<MainWindow>();
        QVERIFY(board()->isGenerating());  // the first puzzle is under way before the window shows
    }

    void asStarted()
    {
        QStringList shown;  // the settings, the menus, the tool bar and the status bar
        for (const char *name : {"rowsEdit", "columnsEdit", "seedsEdit", "minFieldSizeEdit", "maxFieldSizeEdit"})
            shown << edit(name)->displayText().trimmed();
        for (QAction *menu : window->menuBar()->actions())
            shown << "/" + menu->text() << entries(menu->menu()->actions());
        shown << "/" + window->statusBar()->currentMessage() << entries(window->findChild<QToolBar *>()->actions());
        QCOMPARE(shown.join(' '),
                 "10 10 15 2 9999 /&File &Generate Ctrl+G &Print to pdf... Ctrl+P | Quit /&Help &About "
                 "&Faq /Ready &Generate Ctrl+G &Print to pdf... Ctrl+P | &Plus &Minus | &Faq Quit");
        QVERIFY(waitForPuzzle());
        QCOMPARE(board()->size(), QSize(290, 290));
        QCOMPARE(board()->grab().toImage().pixelColor(1, 1), QColor(Qt::white));  // on white
        QVERIFY(!action("&Generate")->icon().isNull() && action("&About")->icon().isNull());
        QTemporaryDir elsewhere;  // without the images: no icons, and nothing else amiss
        QDir::setCurrent(elsewhere.path());
        window = std::make_unique<MainWindow>();
        for (QAction *a : window->findChildren<QAction *>())
            QVERIFY(a->icon().isNull());
    }

    void settingsAsDisplayed_data()
    {
        // Field|typed ('<' Left, '#' Backspace)|shown|-1: refused, 0: not generated, or the fields from seed 99
        QTest::addColumn<QString>("row");
        QTest::newRow("empty rows") << "rowsEdit||| -1";
        QTest::newRow("blank between digits") << "columnsEdit|135<#|1 5| -1";
        QTest::newRow("leading zeros") << "seedsEdit|007|007| 8";  // 7 seeds
        QTest::newRow("three digits at most") << "minFieldSizeEdit|-a1234|123| 0";
        QTest::newRow("max takes four") << "maxFieldSizeEdit|12345|1234| 0";
    }

    void settingsAsDisplayed()
    {
        QFETCH(QString, row);
        const QStringList r = row.split('|');
        const int fields = r[3].trimmed().toInt();
        QVERIFY(waitForPuzzle());
        QLineEdit *e = edit(qPrintable(r[0]));
        e->clear();
        for (QChar c : r[1])
            QTest::keyClick(e, c == '<' ? Qt::Key_Left : c == '#' ? Qt::Key_Backspace : Qt::Key(c.toUpper().unicode()));
        QCOMPARE(e->displayText().trimmed(), r[2]);
        if (fields == 0)  // the display is the point
            return;
        ModalWatcher watcher;
        edit("minFieldSizeEdit")->setText("1");
        board()->setSeedSource([] { return 99u; });
        action("&Generate")->trigger();
        QVERIFY(waitForPuzzle());
        QCOMPARE(watcher.seen, QStringList(fields < 0, "varritQt|That would be very easy, don't you think? :-)"));
        QVERIFY(fields < 0 || int(board()->puzzle().fields().size()) == fields);
    }

    void zoomKeepsThePuzzle()
    {
        QVERIFY(waitForPuzzle());
        for (int k = 0; k < 12; ++k)  // eleven steps reach 2, the twelfth does nothing
            action("&Minus")->trigger();
        QCOMPARE(board()->size(), QSize(70, 70));
        for (int k = 0; k < 30; ++k)
            action("&Plus")->trigger();
        QCOMPARE(board()->size(), QSize(670, 670));
        edit("rowsEdit")->setText("3");  // the next puzzle keeps the cell size
        action("&Generate")->trigger();
        QVERIFY(waitForPuzzle());
        QCOMPARE(board()->size(), QSize(670, 208));
    }

    void printsTheBoardAsShown_data()
    {
        QTest::addColumn<QSize>("size");  // columns x rows
        QTest::newRow("at its size on screen") << QSize(10, 10);
        QTest::newRow("taller than the page") << QSize(20, 200);
    }

    void printsTheBoardAsShown()
    {
        QFETCH(QSize, size);
        const int rows = size.height(), columns = size.width();
        QVERIFY(generateFixed(*board(), quint32(rows), quint32(columns), 15, 5));
        press(*board(), rows - 1, columns - 1);
        const QImage screen = board()->grab().toImage();
        const QString pdf = dir.filePath("board");  // used as named: no suffix added
        QVERIFY(window->printToFile(pdf));
        QCOMPARE(board()->grab().toImage(), screen);  // cell size, marks, selection untouched
        QVERIFY(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
        run("pdftoppm", {"-r", QString::number(board()->logicalDpiX()), "-png", "-singlefile", pdf, pdf});
        const QImage page = QImage(pdf + ".png").convertToFormat(QImage::Format_RGB32);
        const QRect shown = ink(screen), printed = ink(page);
        const qreal scale = qreal(printed.height()) / shown.height();
        QVERIFY2(qAbs(printed.width() - shown.width() * scale) < 3, qPrintable(QString::number(scale)));  // its shape
        QVERIFY(rows > 10 ? scale < 0.5 : qAbs(scale - 1) < 0.01);  // shrunk only to fit the page
    }

    void failedOrCancelledPrints()
    {
        const QString unwritable = dir.filePath("no-such-folder/board.pdf");
        ModalWatcher watcher;
        QVERIFY(!window->printToFile(unwritable));
        QVERIFY(!window->printToFile("/dev/full"));  // opens, but takes no data
        action("&Print to pdf...")->trigger();       // the save dialog, cancelled
        const QString failed = "varritQt|The file \"%1\" could not be written.";
        QCOMPARE(watcher.seen, (QStringList{failed.arg(unwritable), failed.arg("/dev/full"), "QFileDialog"}));
    }

private:
    varritWidget *board() { return window->findChild<varritWidget *>(); }
    QLineEdit *edit(const char *name) { return window->findChild<QLineEdit *>(name); }
    QAction *action(const QString &text)
    {
        const QList<QAction *> all = window->findChildren<QAction *>();
        return *std::find_if(all.begin(), all.end(), [&text](QAction *a) { return a->text() == text; });
    }
    bool waitForPuzzle()
    {
        return QTest::qWaitFor([this] { return !board()->isGenerating(); }, 20000);
    }
    static QRect ink(const QImage &image)
    {
        QRect r;
        for (int k = 0; k < image.width() * image.height(); ++k)
            r |= qGray(image.pixel(k % image.width(), k / image.width())) < 250
                     ? QRect(k % image.width(), k / image.width(), 1, 1)
                     : QRect();
        return r;
    }
    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(60000) ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
    }

    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

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
    }

    void actionsMenusAndToolBar()
    {
        const QList<QAction *> menus = window->menuBar()->actions();
        QCOMPARE(entries(menus), (QStringList{"&File", "&Help"}));
        QCOMPARE(entries(menus[0]->menu()->actions()),
                 (QStringList{"&Generate Ctrl+G", "&Print to pdf... Ctrl+P", "|", "Quit"}));
        QCOMPARE(entries(menus[1]->menu()->actions()), (QStringList{"&About", "&Faq"}));
        QCOMPARE(
            entries(window->findChild<QToolBar *>()->actions()),
            (QStringList{"&Generate Ctrl+G", "&Print to pdf... Ctrl+P", "|", "&Plus", "&Minus", "|", "&Faq", "Quit"}));
        QCOMPARE(window->statusBar()->currentMessage(), QString("Ready"));
        QStringList slotNames;
        for (int i = window->metaObject()->methodOffset(); i < window->metaObject()->methodCount(); ++i)
            slotNames << window->metaObject()->method(i).methodSignature();
        QCOMPARE(slotNames, (QStringList{"generate()", "about()", "plus()", "minus()", "print()", "faq()"}));
    }

    void iconsOnlyWhereTheImagesAre()
    {
        QVERIFY(!action("&Generate")->icon().isNull() && action("&About")->icon().isNull());
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        window = std::make_unique<MainWindow>();
        for (QAction *a : window->findChildren<QAction *>())
            QVERIFY(a->icon().isNull());
    }

    void firstPuzzleWithoutAnyAction()
    {
        QVERIFY(board()->isGenerating());  // started by the constructor
        QVERIFY(waitForPuzzle());
        QCOMPARE(board()->size(), QSize(290, 290));
        QVERIFY(board()->puzzle().fieldSizesWithin(2, 9999));
        QCOMPARE(edit("seedsEdit")->text() + edit("maxFieldSizeEdit")->text(), QString("159999"));
    }

    void settingsAsDisplayed_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");    // into the emptied field; '<' is Left, '#' Backspace
        QTest::addColumn<QString>("display");  // trimmed
        QTest::addColumn<int>("seeds");        // passed on; -1: refused with the board's message
        const struct
        {
            const char *name, *field, *typed, *display;
            int seeds;
        } rows[] = {
            {"empty rows", "rowsEdit", "", "", -1},
            {"blank between digits", "columnsEdit", "135<#", "1 5", -1},
            {"leading zeros", "seedsEdit", "007", "007", 7},
            {"three digits at most", "minFieldSizeEdit", "-a1234", "123", 0},
            {"max takes four", "maxFieldSizeEdit", "12345", "1234", 0},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString(r.field) << QString(r.typed) << QString(r.display) << r.seeds;
    }

    void settingsAsDisplayed()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, display);
        QFETCH(int, seeds);
        QVERIFY(waitForPuzzle());
        QLineEdit *e = edit(qPrintable(field));
        e->clear();
        for (QChar c : typed)
            c == '<'   ? QTest::keyClick(e, Qt::Key_Left)
            : c == '#' ? QTest::keyClick(e, Qt::Key_Backspace)
                       : QTest::keyClick(e, c.toLatin1());
        QCOMPARE(e->displayText().trimmed(), display);
        if (seeds == 0)  // not generated: the display is the point
            return;
        ModalWatcher watcher;
        edit("minFieldSizeEdit")->setText("1");
        board()->setSeedSource([] { return 99u; });
        action("&Generate")->trigger();
        QVERIFY(waitForPuzzle());
        if (seeds < 0) {
            QCOMPARE(watcher.seen(), QStringList{"varritQt|That would be very easy, don't you think? :-)"});
            return;
        }
        PuzzleGrid expected;  // the puzzle of that many seeds from the same seed
        expected.setSeedSource([] { return 99u; });
        expected.generate(10, 10, quint32(seeds));
        QCOMPARE(board()->puzzle().fields().size(), expected.fields().size());
    }

    void zoomKeepsPuzzleAndMapsPresses()
    {
        QVERIFY(waitForPuzzle());
        for (int k = 0; k < 12; ++k)  // eleven steps reach 2, the twelfth does nothing
            action("&Minus")->trigger();
        QCOMPARE(board()->size(), QSize(70, 70));
        for (int k = 0; k < 30; ++k)
            action("&Plus")->trigger();
        QCOMPARE(board()->size(), QSize(670, 670));
        const Field &f = board()->puzzle().fields()[0];
        press(*board(), int(f.clueRow), int(f.clueColumn));
        QCOMPARE(board()->selectedCell(), QPoint(int(f.clueColumn), int(f.clueRow)));
        edit("rowsEdit")->setText("3");  // the next puzzle keeps the cell size
        action("&Generate")->trigger();
        QVERIFY(waitForPuzzle());
        QCOMPARE(board()->size(), QSize(670, 208));
    }

    void printsAtScreenSize()
    {
        QVERIFY(generateFixed(*board(), 10, 10, 15, 5));
        press(*board(), 9, 9);
        const QImage screen = renderBoard(*board());
        const QString pdf = dir.filePath("board");  // used as named: no suffix added
        QVERIFY(window->printToFile(pdf));
        QCOMPARE(renderBoard(*board()), screen);  // cell size, marks, selection untouched
        QVERIFY(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
        // At the screen's resolution the page shows the board at its size on
        // screen: from the first square at 5 to the last outline at 281.
        run("pdftoppm", {"-r", QString::number(board()->logicalDpiX()), "-png", "-singlefile", pdf, pdf});
        const QImage page(pdf + ".png");
        QRect ink;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 250)
                    ink |= QRect(x, y, 1, 1);
        QVERIFY2(qAbs(ink.width() - 277) <= 2 && qAbs(ink.height() - 277) <= 2,
                 qPrintable(QString::number(ink.width())));
        const QColor a = page.pixelColor(ink.topLeft() + QPoint(257, 257)), b = screen.pixelColor(262, 262);
        QVERIFY(qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 24);  // the mark
    }

    void unwritableOrCancelledWritesNothing()
    {
        const QString unwritable = dir.filePath("no-such-folder/board.pdf");
        QDir::setCurrent(dir.path());
        const QStringList before = QDir(dir.path()).entryList();
        ModalWatcher watcher;
        QVERIFY(!window->printToFile(unwritable));
        action("&Print to pdf...")->trigger();  // the save dialog, cancelled
        QCOMPARE(watcher.seen(),
                 (QStringList{"varritQt|The file \"" + unwritable + "\" could not be written.", "QFileDialog"}));
        QCOMPARE(QDir(dir.path()).entryList(), before);
    }

private:
    varritWidget *board() { return window->findChild<varritWidget *>(); }
    QLineEdit *edit(const char *name) { return window->findChild<QLineEdit *>(name); }
    QAction *action(const QString &text)
    {
        for (QAction *a : window->findChildren<QAction *>())
            if (a->text() == text)
                return a;
        return nullptr;
    }
    bool waitForPuzzle()
    {
        return QTest::qWaitFor([this] { return !board()->isGenerating(); }, 20000);
    }
    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

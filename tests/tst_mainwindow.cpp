#include "mainwindow.h"
#include "testhelpers.h"

#include <QAction>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { window.reset(); }
    void actionsMenusAndToolBar();
    void iconsComeFromTheWorkingDirectory();
    void firstPuzzleAtStart();
    void settingsAsDisplayed_data();
    void settingsAsDisplayed();
    void aboutAndFaqBoxes();
    void zoom();

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

    std::unique_ptr<MainWindow> window;
};

static QStringList entries(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *a : actions)
        names << (a->isSeparator() ? "|" : a->text() + (a->shortcut().isEmpty() ? "" : " " + a->shortcut().toString()));
    return names;
}

void TestMainWindow::init()
{
    QDir::setCurrent(VARRIT_SOURCE_DIR);
    window = std::make_unique<MainWindow>();
}

void TestMainWindow::actionsMenusAndToolBar()
{
    const QList<QAction *> menus = window->menuBar()->actions();
    QCOMPARE(entries(menus), (QStringList{"&File", "&Help"}));
    QCOMPARE(entries(menus[0]->menu()->actions()),
             (QStringList{"&Generate Ctrl+G", "&Print to pdf... Ctrl+P", "|", "Quit"}));
    QCOMPARE(entries(menus[1]->menu()->actions()), (QStringList{"&About", "&Faq"}));
    const QList<QToolBar *> bars = window->findChildren<QToolBar *>();
    QCOMPARE(bars.size(), 1);
    QCOMPARE(bars[0]->windowTitle(), QString("File"));
    QCOMPARE(entries(bars[0]->actions()),
             (QStringList{"&Generate Ctrl+G", "&Print to pdf... Ctrl+P", "|", "&Plus", "&Minus", "|", "&Faq", "Quit"}));
    QCOMPARE(action("&Print to pdf...")->statusTip(), QString("Print the griddle to pdf"));
    QCOMPARE(action("&Faq")->statusTip(), QString("frequently asked question"));
    QCOMPARE(window->statusBar()->currentMessage(), QString("Ready"));

    QStringList slotNames;
    const QMetaObject *meta = window->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        slotNames << meta->method(i).methodSignature() + (meta->method(i).access() == QMetaMethod::Private ? "" : "!");
    QCOMPARE(slotNames, (QStringList{"generate()", "about()", "plus()", "minus()", "print()", "faq()"}));
}

void TestMainWindow::iconsComeFromTheWorkingDirectory()
{
    for (const char *text : {"&Generate", "&Print to pdf...", "Quit", "&Plus", "&Minus", "&Faq"})
        QVERIFY2(!action(text)->icon().isNull(), text);
    QVERIFY(action("&About")->icon().isNull());

    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    window = std::make_unique<MainWindow>();  // starts normally, without icons
    for (QAction *a : window->findChildren<QAction *>())
        QVERIFY(a->icon().isNull());
    QVERIFY(waitForPuzzle());
    QCOMPARE(board()->puzzle().rowCount(), 10u);
}

void TestMainWindow::firstPuzzleAtStart()
{
    QVERIFY(board()->isGenerating());  // started by the constructor
    QStringList texts;
    for (const char *name : {"rowsEdit", "columnsEdit", "seedsEdit", "minFieldSizeEdit", "maxFieldSizeEdit"})
        texts << edit(name)->text();
    QCOMPARE(texts, (QStringList{"10", "10", "15", "2", "9999"}));
    QVERIFY(waitForPuzzle());
    QCOMPARE(board()->size(), QSize(290, 290));
    QVERIFY(board()->puzzle().fieldSizesWithin(2, 9999));
    QCOMPARE(board()->palette().color(QPalette::Window), QColor(Qt::white));
}

void TestMainWindow::settingsAsDisplayed_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");    // into the emptied field; '<' is Left, '#' Backspace
    QTest::addColumn<QString>("display");  // trimmed
    QTest::addColumn<int>("passed");       // 0: the board refuses with its message; -1: not tried
    QTest::newRow("empty rows") << "rowsEdit"
                                << ""
                                << "" << 0;
    QTest::newRow("blank between digits") << "columnsEdit"
                                          << "135<#"
                                          << "1 5" << 0;
    QTest::newRow("leading zeros") << "seedsEdit"
                                   << "007"
                                   << "007" << 7;
    QTest::newRow("three digits at most") << "minFieldSizeEdit"
                                          << "-a1234"
                                          << "123" << -1;
    QTest::newRow("max takes four") << "maxFieldSizeEdit"
                                    << "12345"
                                    << "1234" << -1;
}

void TestMainWindow::settingsAsDisplayed()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, display);
    QFETCH(int, passed);
    QVERIFY(waitForPuzzle());
    QLineEdit *e = edit(qPrintable(field));
    e->clear();
    e->setCursorPosition(0);
    for (QChar c : typed)
        c == '<'   ? QTest::keyClick(e, Qt::Key_Left)
        : c == '#' ? QTest::keyClick(e, Qt::Key_Backspace)
                   : QTest::keyClick(e, c.toLatin1());
    QCOMPARE(e->displayText().trimmed(), display);
    if (passed < 0)
        return;

    board()->setSeedSource([] { return 99u; });
    edit("minFieldSizeEdit")->setText("1");
    ModalWatcher watcher;
    action("&Generate")->trigger();
    QVERIFY(waitForPuzzle());
    if (passed == 0) {
        QCOMPARE(watcher.seen(), QStringList{"varritQt|That would be very easy, don't you think? :-)"});
    } else if (field == "seedsEdit") {  // the puzzle of 7 seeds
        PuzzleGrid expected;
        expected.setSeedSource([] { return 99u; });
        expected.generate(10, 10, 7);
        QCOMPARE(board()->puzzle().fields().size(), expected.fields().size());
    }
}

void TestMainWindow::aboutAndFaqBoxes()
{
    ModalWatcher watcher;
    action("&About")->trigger();
    action("&Faq")->trigger();
    QCOMPARE(watcher.seen().size(), 2);
    QVERIFY(watcher.seen()[0].startsWith("About Application: Varrit|<center>The <b>Varrit</b> is a japanese "
                                         "puzzle game using modern GUI by Qt.\n<a href="));
    QVERIFY(watcher.seen()[1].startsWith("About Application: Varrit|<center>please visit <a href="));
}

void TestMainWindow::zoom()
{
    QVERIFY(waitForPuzzle());
    for (int k = 0; k < 12; ++k)  // eleven steps reach 2, the twelfth does nothing
        action("&Minus")->trigger();
    QCOMPARE(board()->getCellSize(), 2u);
    QCOMPARE(board()->size(), QSize(70, 70));
    for (int k = 0; k < 30; ++k)
        action("&Plus")->trigger();
    QCOMPARE(board()->size(), QSize(10 + 10 * 66, 10 + 10 * 66));
    edit("rowsEdit")->setText("3");  // the next puzzle keeps the cell size
    action("&Generate")->trigger();
    QVERIFY(waitForPuzzle());
    QCOMPARE(board()->size(), QSize(10 + 10 * 66, 10 + 3 * 66));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

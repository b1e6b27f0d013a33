#include "boardhelpers.h"
#include "mainwindow.h"
#include "modalwatcher.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace boardtest;

namespace {

QStringList entries(const QList<QAction *> &actions)
{
    QStringList names;
    for (QAction *a : actions)
        names.append(a->isSeparator() ? QStringLiteral("|") : a->text());
    return names;
}

QAction *findAction(QMainWindow &window, const QString &text)
{
    for (QAction *a : window.findChildren<QAction *>())
        if (a->text() == text)
            return a;
    return nullptr;
}

}  // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menusAndToolBar();
    void shortcutsAndTips();
    void slotsInOrder();
    void iconsLoadFromWorkingDirectory();
    void startsWithFirstPuzzle();
    void emptyRowsPassesZero();
    void blankBetweenDigitsPassesZero();
    void leadingZerosAccepted();
    void onlyMaxFieldSizeTakesFourDigits();
    void aboutAndFaqBoxes_data();
    void aboutAndFaqBoxes();
    void zoom();
    void widthGoesToTheBoard();

private:
    varritWidget *board() { return window->findChild<varritWidget *>(); }
    QLineEdit *edit(const char *name) { return window->findChild<QLineEdit *>(name); }
    bool waitForPuzzle()
    {
        return QTest::qWaitFor([this] { return !board()->isGenerating(); }, 20000);
    }

    std::unique_ptr<MainWindow> window;
    QString sourceDir = QStringLiteral(VARRIT_SOURCE_DIR);
};

void TestMainWindow::initTestCase()
{
    QVERIFY(QDir::setCurrent(sourceDir));
}

void TestMainWindow::init()
{
    window = std::make_unique<MainWindow>();
}

void TestMainWindow::cleanup()
{
    window.reset();
    QDir::setCurrent(sourceDir);
}

void TestMainWindow::menusAndToolBar()
{
    QStringList titles;
    for (QAction *a : window->menuBar()->actions())
        titles.append(a->text());
    QCOMPARE(titles, (QStringList{"&File", "&Help"}));
    QCOMPARE(entries(window->menuBar()->actions()[0]->menu()->actions()),
             (QStringList{"&Generate", "&Print to pdf...", "|", "Quit"}));
    QCOMPARE(entries(window->menuBar()->actions()[1]->menu()->actions()), (QStringList{"&About", "&Faq"}));

    const QList<QToolBar *> bars = window->findChildren<QToolBar *>();
    QCOMPARE(bars.size(), 1);
    QCOMPARE(bars[0]->windowTitle(), QString("File"));
    QCOMPARE(window->toolBarArea(bars[0]), Qt::TopToolBarArea);
    QCOMPARE(entries(bars[0]->actions()),
             (QStringList{"&Generate", "&Print to pdf...", "|", "&Plus", "&Minus", "|", "&Faq", "Quit"}));
    QCOMPARE(window->statusBar()->currentMessage(), QString("Ready"));
}

void TestMainWindow::shortcutsAndTips()
{
    QMap<QString, QString> shortcuts, tips;
    for (QAction *a : window->findChildren<QAction *>()) {
        if (a->isSeparator() || a->text().isEmpty() || a->menu())
            continue;
        if (!a->shortcut().isEmpty())
            shortcuts[a->text()] = a->shortcut().toString();
        tips[a->text()] = a->statusTip();
    }
    QCOMPARE(shortcuts, (QMap<QString, QString>{{"&Generate", "Ctrl+G"}, {"&Print to pdf...", "Ctrl+P"}}));
    QCOMPARE(tips.value("&Print to pdf..."), QString("Print the griddle to pdf"));
    QCOMPARE(tips.value("&Generate"), QString("Generate new puzzle"));
    QCOMPARE(tips.value("Quit"), QString("Quit App"));
    QCOMPARE(tips.value("&About"), QString("Show the application's About box"));
    QCOMPARE(tips.value("&Plus"), QString("Increase the grid and font size"));
    QCOMPARE(tips.value("&Minus"), QString("Decrease the grid and font size"));
    QCOMPARE(tips.value("&Faq"), QString("frequently asked question"));
}

void TestMainWindow::slotsInOrder()
{
    const QMetaObject *meta = window->metaObject();
    QStringList names;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        QCOMPARE(m.methodType(), QMetaMethod::Slot);
        QCOMPARE(m.access(), QMetaMethod::Private);
        names.append(QString::fromLatin1(m.methodSignature()));
    }
    QCOMPARE(names, (QStringList{"generate()", "about()", "plus()", "minus()", "print()", "faq()"}));
}

void TestMainWindow::iconsLoadFromWorkingDirectory()
{
    for (const char *text : {"&Generate", "&Print to pdf...", "Quit", "&Plus", "&Minus", "&Faq"})
        QVERIFY2(!findAction(*window, text)->icon().isNull(), text);
    QVERIFY(findAction(*window, "&About")->icon().isNull());

    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    MainWindow bare;
    for (QAction *a : bare.findChildren<QAction *>())
        QVERIFY(a->icon().isNull());
    QVERIFY(QTest::qWaitFor([&bare] { return !bare.findChild<varritWidget *>()->isGenerating(); }, 20000));
    QCOMPARE(bare.findChild<varritWidget *>()->puzzle().rowCount(), 10u);
}

void TestMainWindow::startsWithFirstPuzzle()
{
    // Started in the constructor, before anyone asked.
    QVERIFY(board()->isGenerating() || board()->puzzle().rowCount() == 10);
    QCOMPARE(edit("rowsEdit")->text(), QString("10"));
    QCOMPARE(edit("columnsEdit")->text(), QString("10"));
    QCOMPARE(edit("seedsEdit")->text(), QString("15"));
    QCOMPARE(edit("minFieldSizeEdit")->text(), QString("2"));
    QCOMPARE(edit("maxFieldSizeEdit")->text(), QString("9999"));
    QVERIFY(waitForPuzzle());
    QCOMPARE(board()->puzzle().rowCount(), 10u);
    QCOMPARE(board()->puzzle().columnCount(), 10u);
    QVERIFY(board()->puzzle().fieldSizesWithin(2, 9999));
    QCOMPARE(board()->size(), QSize(290, 290));
    QCOMPARE(board()->palette().color(QPalette::Window), QColor(Qt::white));
}

void TestMainWindow::emptyRowsPassesZero()
{
    QVERIFY(waitForPuzzle());
    edit("rowsEdit")->clear();
    ModalWatcher watcher;
    findAction(*window, "&Generate")->trigger();
    QCOMPARE(watcher.seen(), QStringList{"varritQt|That would be very easy, don't you think? :-)"});
    QVERIFY(!board()->isGenerating());
}

void TestMainWindow::blankBetweenDigitsPassesZero()
{
    QVERIFY(waitForPuzzle());
    QLineEdit *columns = edit("columnsEdit");
    columns->setFocus();
    columns->selectAll();
    QTest::keyClicks(columns, "135");
    QCOMPARE(columns->displayText(), QString("135"));
    columns->setCursorPosition(2);
    QTest::keyClick(columns, Qt::Key_Backspace);
    QCOMPARE(columns->displayText(), QString("1 5"));
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    ModalWatcher watcher;
    QTest::keySequence(window.get(), QKeySequence("Ctrl+G"));
    QCOMPARE(watcher.seen().size(), 1);
    QVERIFY(watcher.seen()[0].startsWith("varritQt|That would be very easy"));
}

void TestMainWindow::leadingZerosAccepted()
{
    QVERIFY(waitForPuzzle());
    edit("seedsEdit")->setText("007");
    edit("minFieldSizeEdit")->setText("1");
    board()->setSeedSource([] { return 99u; });
    findAction(*window, "&Generate")->trigger();
    QVERIFY(waitForPuzzle());

    PuzzleGrid expected;
    expected.setSeedSource([] { return 99u; });
    expected.generate(10, 10, 7);
    QCOMPARE(board()->puzzle().fields().size(), expected.fields().size());
    for (std::size_t k = 0; k < expected.fields().size(); ++k) {
        QCOMPARE(board()->puzzle().fields()[k].clueRow, expected.fields()[k].clueRow);
        QCOMPARE(board()->puzzle().fields()[k].clueColumn, expected.fields()[k].clueColumn);
    }
}

void TestMainWindow::onlyMaxFieldSizeTakesFourDigits()
{
    for (const char *name : {"rowsEdit", "columnsEdit", "seedsEdit", "minFieldSizeEdit", "maxFieldSizeEdit"}) {
        QLineEdit *e = edit(name);
        e->clear();
        e->setFocus();
        e->setCursorPosition(0);
        QTest::keyClicks(e, "-a12345");
        const QString expected = QByteArray(name) == "maxFieldSizeEdit" ? "1234" : "123";
        QCOMPARE(e->displayText().trimmed(), expected);
    }
}

void TestMainWindow::aboutAndFaqBoxes_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("start");
    QTest::newRow("about") << "&About"
                           << "<center>The <b>Varrit</b> is a japanese puzzle game using modern GUI by Qt.\n<a href=";
    QTest::newRow("faq") << "&Faq"
                         << "<center>please visit <a href=";
}

void TestMainWindow::aboutAndFaqBoxes()
{
    QFETCH(QString, action);
    QFETCH(QString, start);
    ModalWatcher watcher;
    findAction(*window, action)->trigger();
    QCOMPARE(watcher.seen().size(), 1);
    const QString seen = watcher.seen()[0];
    QVERIFY2(seen.startsWith("About Application: Varrit|" + start), qPrintable(seen));
    QVERIFY(seen.endsWith("</a></center>"));
}

void TestMainWindow::zoom()
{
    QVERIFY(waitForPuzzle());
    QAction *plus = findAction(*window, "&Plus");
    QAction *minus = findAction(*window, "&Minus");
    for (unsigned size = 22; size >= 2; size -= 2) {
        minus->trigger();
        QCOMPARE(board()->getCellSize(), size);
        QCOMPARE(board()->size(), QSize(10 + 10 * int(size + 4), 10 + 10 * int(size + 4)));
    }
    minus->trigger();
    QCOMPARE(board()->getCellSize(), 2u);
    for (int k = 0; k < 30; ++k)
        plus->trigger();
    QCOMPARE(board()->getCellSize(), 62u);
    QCOMPARE(board()->size(), QSize(10 + 10 * 66, 10 + 10 * 66));

    // The next puzzle keeps the cell size.
    edit("rowsEdit")->setText("3");
    findAction(*window, "&Generate")->trigger();
    QVERIFY(waitForPuzzle());
    QCOMPARE(board()->size(), QSize(10 + 10 * 66, 10 + 3 * 66));
}

void TestMainWindow::widthGoesToTheBoard()
{
    window->resize(600, 400);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto *scroll = window->findChild<QScrollArea *>();
    auto *panel = window->findChild<QGroupBox *>();
    QVERIFY(scroll && panel);
    QCOMPARE(scroll->widget(), board());
    QVERIFY(!scroll->widgetResizable());
    QCOMPARE(scroll->frameStyle(), int(QFrame::Panel));
    const int panelWidth = panel->width();
    const int scrollWidth = scroll->width();
    window->resize(900, 400);
    QTRY_COMPARE(scroll->width(), scrollWidth + 300);
    QCOMPARE(panel->width(), panelWidth);
    QCOMPARE(panel->title(), QString("Settings:"));
    QVERIFY(waitForPuzzle());
    QCOMPARE(board()->size(), QSize(290, 290));  // not stretched to the viewport
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

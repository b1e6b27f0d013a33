// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"
#include "mainwindow.h"
#include "testhelpers.h"

#include <QtPrintSupport>

#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

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
            shown << edit(name)->displayText().trimmed() + (edit(name)->toolTip().isEmpty() ? "?" : "");
        for (QAction *menu : window->menuBar()->actions())
            shown << "/" + menu->text() << entries(menu->menu()->actions());
        shown << "/" + window->statusBar()->currentMessage() << entries(window->findChild<QToolBar *>()->actions());
        QCOMPARE(shown.join(' '),
                 "10 10 15 2 9999 /&File &Generate Ctrl+G &Print to pdf... Ctrl+P | Quit /&Help &About "
                 "&Faq /Ready &Generate Ctrl+G &Print to pdf... Ctrl+P | &Plus &Minus | &Faq Quit");
        QVERIFY(waitForPuzzle() && board()->size() == QSize(290, 290)
                && board()->grab().toImage().pixelColor(1, 1) == Qt::white);  // on white

        QTemporaryDir elsewhere;  // the icons come with the game; a folder's own images/ take their place
        QDir::setCurrent(elsewhere.path());
        for (const bool own : {false, true}) {
            QVERIFY(!own
                    || (QDir().mkdir("images") && picture({8, 8}, Qt::red, [](QPainter &) {}).save("images/play.png")));
            window = std::make_unique<MainWindow>();
            QVERIFY(!action("&Print to pdf...")->icon().isNull() && action("&About")->icon().isNull());
            QCOMPARE(action("&Generate")->icon().pixmap(8, 8).toImage().pixelColor(4, 4) == Qt::red, own);
        }
    }

    void languages_data()
    {
        // LANGUAGE|LC_ALL|LC_MESSAGES|LANG as the player sets them = the catalogue, the locale, and then LANGUAGE
        QTest::addColumn<QString>("row");
        QTest::newRow("English first, German after") << "en_GB:de|||C.UTF-8 = en en_GB en_GB";
        QTest::newRow("Japanese, then German") << "ja:de|||C.UTF-8 = de de de";
        QTest::newRow("German in Austria") << "de_AT|||C.UTF-8 = de de_AT de_AT";
        QTest::newRow("Korean, then French") << "ko:fr|||C.UTF-8 = fr fr fr";
        QTest::newRow("none the game speaks") << "xx|||C.UTF-8 = en en en";
        QTest::newRow("the locale's language") << "|de_CH@euro|fr_FR|en_US = de de_CH de_CH";
        QTest::newRow("LANG only where nothing else is set") << "||ja_JP.UTF-8|de_DE.UTF-8 = en en en";
        QTest::newRow("a list, then the locale") << "ja:ko|||fr_FR.UTF-8 = fr fr_FR fr_FR";
    }

    void languages()
    {
        QFETCH(QString, row);
        const QStringList set = row.section(" = ", 0, 0).split('|');
        const char *variables[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
        QByteArray kept[4];
        for (int k = 0; k < 4; ++k)
            kept[k] = qgetenv(variables[k]), qputenv(variables[k], set[k].toLocal8Bit());
        const Language chosen = languageFromEnvironment();
        const QString language = qEnvironmentVariable("LANGUAGE");
        for (int k = 0; k < 4; ++k)
            qputenv(variables[k], kept[k]);
        QCOMPARE(chosen.catalogue + ' ' + chosen.locale + ' ' + language, row.section(" = ", 1));
        QCOMPARE(chooseLanguage({"pt_BR"}, {"pt", "pt_BR"}).catalogue, "pt_BR");  // a country's own first
    }

    void inEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &language : QStringList("en") + gameLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void inEveryLanguage()
    {
        // Its catalogue changes the window's texts, Qt's own buttons and the numbers, and what the board says in the
        // status bar fits the window as it opens, with the largest figures a board gives.
        QFETCH(QString, language);
        QTranslator game, qt;
        speak({language, language == "pt_BR" ? "pt_PT" : language}, game, qt);  // Brazil's for a player in Portugal
        const auto restore = qScopeGuard([&game, &qt] {
            QCoreApplication::removeTranslator(&game);
            QCoreApplication::removeTranslator(&qt);
            QLocale::setDefault(QLocale::system());
        });
        window = std::make_unique<MainWindow>();
        window->resize(600, 400);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const bool english = language == "en";
        QCOMPARE(window->menuBar()->actions()[0]->menu()->actions()[0]->text() == "&Generate", english);
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).buttons()[0]->text() == "Cancel", english);
        QCOMPARE(QLocale().language(), QLocale(language).language());
        for (const QAction *action : window->findChildren<QAction *>())  // as a tool button names it
            QVERIFY(!action->toolTip().endsWith(QChar(0x2026)));
        QStatusBar *bar = window->statusBar();
        const QSizeGrip *grip = bar->findChild<QSizeGrip *>();
        const int room = (grip && grip->isVisible() ? grip->x() : bar->width() - 12) - 6;  // where it draws a message
        const AreaRange most{1, 999 * 999};
        for (const quint64 attempts : {0, 1, 123456789}) {
            const QString said = attempts ? GenerationControl::cancelReport(attempts, most, {999, 999, 999, 999, 9999})
                                          : varritWidget::hint();
            QVERIFY2(bar->fontMetrics().horizontalAdvance(said) <= room, qPrintable(said));
            QVERIFY(!english || said.contains("after one attempt.") == (attempts == 1));
        }
    }

    void settingsAsDisplayed_data()
    {
        // Field|typed ('<' Left, '#' Backspace, '=' Enter on the keypad)|shown|what Enter does there: refused, the
        // fields from seed 99, or a run that no puzzle ends; nothing where the display is the point
        QTest::addColumn<QString>("row");
        QTest::newRow("empty rows") << "rowsEdit|||refused";
        QTest::newRow("blank in rows") << "rowsEdit|135<#|1 5|refused";  // read as 0, not 15
        QTest::newRow("blank in columns") << "columnsEdit|135<#|1 5|refused";
        QTest::newRow("blank in seeds") << "seedsEdit|135<#|1 5|1";        // no seeds: one field
        QTest::newRow("blank in min") << "minFieldSizeEdit|135<#|1 5|15";  // fits, where 15 would not
        QTest::newRow("blank in max") << "maxFieldSizeEdit|135<#|1 5|endless";
        QTest::newRow("leading zeros, the keypad's Enter") << "seedsEdit|007=|007|8";  // 7 seeds
        QTest::newRow("three digits at most") << "minFieldSizeEdit|-a1234|123|";
        QTest::newRow("max takes four") << "maxFieldSizeEdit|12345|1234|";
    }

    void settingsAsDisplayed()
    {
        QFETCH(QString, row);
        const QStringList r = row.split('|');
        window->show();
        QVERIFY(waitForPuzzle() && QTest::qWaitForWindowActive(window.get()));
        edit("minFieldSizeEdit")->setText("1");  // the one seed's puzzle always fits
        worker(*board()).setSeedSource([] { return 99u; });
        QLineEdit *e = edit(qPrintable(r[0]));
        e->setFocus();
        e->clear();
        ModalWatcher watcher;
        const QHash<QChar, Qt::Key> keys{{'<', Qt::Key_Left}, {'#', Qt::Key_Backspace}, {'=', Qt::Key_Enter}};
        for (QChar c : r[1] + (r[3].isEmpty() || r[1].endsWith('=') ? "" : "\n"))  // people type and press Enter
            QTest::keyClick(e, c == '\n' ? Qt::Key_Return : keys.value(c, Qt::Key(c.toUpper().unicode())),
                            c == '=' ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(e->displayText().trimmed(), r[2]);
        if (r[3].isEmpty())
            return;
        if (r[3] == "endless") {  // the dialog says no puzzle fits; Cancel, what is shown instead
            QTRY_VERIFY(progress() && progress()->labelText().endsWith("Cancel shows the last attempt."));
            QTest::mouseClick(progress()->findChild<QPushButton *>(), Qt::LeftButton);
            QTRY_VERIFY(!board()->isGenerating());
            press(*board(), 0, 0);  // a clue chosen takes back only the hint to choose one
            const QRegularExpression said("^Fields of 1 to 20 cells instead of 1 to 0, after [0-9,]+ attempts\\.$");
            QVERIFY2(said.match(window->statusBar()->currentMessage()).hasMatch(), qPrintable(said.pattern()));
            e->setText("20");  // gone once a puzzle that meets the settings comes
            action("&Generate")->trigger();
            QVERIFY(waitForPuzzle() && window->statusBar()->currentMessage().isEmpty());
            return;
        }
        QVERIFY(waitForPuzzle());
        QCOMPARE(watcher.seen,
                 QStringList(r[3] == "refused", "varritQt|That would be very easy, don't you think? :-)"));
        QVERIFY(r[3] == "refused" || int(board()->puzzle().fields().size()) == r[3].toInt());
    }

    void firstPressWithoutAClue()
    {
        // A press copies cell (0, 0) before a clue is chosen; where that is blank, the player is told why (seed 0),
        // for 5 s or until a clue is chosen; painting and clearing say nothing.
        QVERIFY(generateFixed(*board(), 4, 5, 2, 0));
        const auto &cells = board()->puzzle().cells();
        const QString hint = "Click a number first: its colour is what you paint.";
        press(*board(), 0, 1);
        QVERIFY(!cells[0][0].isClue && cells[0][1].colour == blankColour);
        QCOMPARE(window->statusBar()->currentMessage(), hint);
        QTRY_VERIFY_WITH_TIMEOUT(window->statusBar()->currentMessage().isEmpty(), 10000);
        press(*board(), 0, 1);
        QCOMPARE(window->statusBar()->currentMessage(), hint);
        const Field &f = board()->puzzle().fields()[0];
        press(*board(), int(f.clueRow), int(f.clueColumn));
        press(*board(), 0, 1);
        QVERIFY(cells[0][1].colour != blankColour && window->statusBar()->currentMessage().isEmpty());
        press(*board(), 0, 1);
        QVERIFY(cells[0][1].colour == blankColour && window->statusBar()->currentMessage().isEmpty());
    }

    void zoomKeepsThePuzzleAndThePlace()
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
        QVERIFY(waitForPuzzle() && board()->size() == QSize(670, 208));

        // The cell at the centre of the view stays there within half a cell, scrolled anywhere, zoomed in and out;
        // also as scroll bars come, on a board just fitting a square view, a bar wider than half a square.
        auto *area = window->findChild<QScrollArea *>();
        window->resize(900, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QSize most = area->maximumViewportSize();
        window->resize(900, 700 + most.width() - most.height());
        QTRY_COMPARE(area->maximumViewportSize().height(), most.width());
        const quint32 fits = quint32(most.width() - 10) / 10;
        for (const QPointF scrolled : {QPointF(0.5, 0.5), QPointF(0.2, 0.7), QPointF(0, 0), QPointF(-1, -1)}) {
            const bool fitting = scrolled.x() < 0;
            board()->setCellSize(fitting ? 2 : 24);
            QVERIFY(generateFixed(*board(), fitting ? fits : 60, fitting ? fits : 80, 15, 5));
            QVERIFY(area->horizontalScrollBar()->value() == 0 && area->verticalScrollBar()->value() == 0);
            board()->setCellSize(fitting ? 6 : 24);
            QCoreApplication::processEvents();
            area->horizontalScrollBar()->setValue(qRound(area->horizontalScrollBar()->maximum() * scrolled.x()));
            area->verticalScrollBar()->setValue(qRound(area->verticalScrollBar()->maximum() * scrolled.y()));
            const auto cellAtCentre = [area, this] {
                return board()->boardGeometry().cellCoordinates(area->viewport()->rect().center() - board()->pos());
            };
            const QPointF before = cellAtCentre();
            for (int k = 0; k < 16; ++k) {
                action(k < 8 ? "&Plus" : "&Minus")->trigger();
                QCoreApplication::processEvents();  // as between two clicks: scroll bars come or go
                const QPointF moved = cellAtCentre() - before;
                QVERIFY2(qAbs(moved.x()) <= 0.5 && qAbs(moved.y()) <= 0.5,
                         qPrintable(QString::asprintf("step %d from %g: %g, %g cells", k, scrolled.y(), moved.x(),
                                                      moved.y())));
            }
        }
    }

    void printsTheBoardAsShown_data()
    {
        QTest::addColumn<QSize>("size");  // columns x rows
        QTest::newRow("at its size on screen") << QSize(10, 10);
        QTest::newRow("taller than the page") << QSize(20, 200);
        QTest::newRow("wider than the page") << QSize(200, 20);
        QTest::newRow("one long row") << QSize(999, 1);
    }

    void printsTheBoardAsShown()
    {
        QFETCH(QSize, size);
        const int rows = size.height(), columns = size.width();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(generateFixed(*board(), quint32(rows), quint32(columns), 15, 5));
        const QImage screen = board()->grab().toImage();
        const QString pdf = dir.filePath("board");  // used as named: no suffix added
        QCoreApplication::sendPostedEvents();       // scroll bars and layouts settled, so that only printing
        window->repaint();                          // repaints the whole window
        QString during;                             // while it prints, the window says so
        QTimer::singleShot(0, this, [&during, this] {
            const QCursor *cursor = QApplication::overrideCursor();
            during = window->statusBar()->currentMessage() + QString::number(cursor ? cursor->shape() : -1);
        });
        EventCounter paints(window->centralWidget(), QEvent::Paint);
        QVERIFY(window->printToFile(pdf));
        QCOMPARE(during, QString("Printing to \"%1\"...%2").arg(pdf).arg(Qt::WaitCursor));
        QVERIFY(!QApplication::overrideCursor() && paints.count > 0);  // drawn where the file dialog was
        QCOMPARE(window->statusBar()->currentMessage(), QString("Printed to \"%1\"").arg(pdf));
        QCOMPARE(board()->grab().toImage(), screen);  // the board untouched

        // The page at 150 dpi: the board in its shape, at its size on screen unless that does not fit the page.
        QProcess::execute("pdftoppm", {"-r", "150", "-png", pdf, pdf});  // one page
        const QImage page = QImage(pdf + "-1.png").convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!page.isNull() && !QFile::exists(pdf + "-2.png"), "pdftoppm (poppler-utils)?");
        const QRect shown = inkIn(screen, Qt::white), printed = inkIn(page, Qt::white);
        const bool wide = shown.width() > shown.height();
        const qreal scale = wide ? qreal(printed.width()) / shown.width() : qreal(printed.height()) / shown.height();
        const qreal atSize = 150.0 / board()->logicalDpiX();
        QVERIFY2(qAbs(wide ? printed.height() - shown.height() * scale : printed.width() - shown.width() * scale) < 3
                     && printed.right() < page.width() - 1 && printed.bottom() < page.height() - 1,
                 qPrintable(QString::number(scale)));
        QVERIFY(rows * columns > 100 ? scale < 0.5 * atSize : qAbs(scale - atSize) < 0.02);
    }

    void printsWhereThePlayerCan()
    {
        // The save dialog starts where a file can be written: the working directory, documents, else home.
        qputenv("HOME", dir.path().toLocal8Bit());  // this test's own
        QStringList folders;
        for (const char *at : {VARRIT_SOURCE_DIR, "/proc", "/proc"}) {
            QDir::setCurrent(at);
            if (folders.size() == 2)
                QDir(dir.path()).mkdir("Documents");
            folders << MainWindow::printFolder();
        }
        QCOMPARE(folders, (QStringList{VARRIT_SOURCE_DIR, dir.path(), dir.filePath("Documents")}));
        auto cancelled = std::make_unique<ModalWatcher>();  // cancelled: nothing written, nothing said
        action("&Print to pdf...")->trigger();
        QVERIFY(QDir(dir.filePath("Documents")).isEmpty() && window->statusBar()->currentMessage() == "Ready");
        QCOMPARE(cancelled->seen, QStringList("QFileDialog"));
        cancelled.reset();
        QString started;
        ModalWatcher watcher([&started](QDialog *d) {
            started = qobject_cast<QFileDialog *>(d)->directory().absolutePath();
            qobject_cast<QFileDialog *>(d)->selectFile("first-print.pdf");
            QMetaObject::invokeMethod(d, "accept");
        });
        action("&Print to pdf...")->trigger();
        QCOMPARE(started, dir.filePath("Documents"));
        QVERIFY(QFileInfo(dir.filePath("Documents/first-print.pdf")).size() > 0);
    }

    void failedPrints()
    {
        // All or nothing, and told why: a file that cannot grow past 4 KiB (as on a full disk) keeps what
        // it held and leaves nothing beside it; a pipe that no program reads fails at once, one that is read gets all.
        const QString unwritable = dir.filePath("no-such-folder/board.pdf"), pipe = dir.filePath("pipe"),
                      full = dir.filePath("full.pdf");
        QVERIFY(QProcess::execute("mkfifo", {pipe}) == 0 && generateFixed(*board(), 100, 100, 100, 1));
        QVERIFY(QFile::copy(VARRIT_SOURCE_DIR "/LICENSE", full));  // a file of the player's
        const QStringList files = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        ModalWatcher watcher;
        QVERIFY(!window->printToFile(unwritable) && !window->printToFile("/dev/full") && !window->printToFile(pipe));
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit cut{4096, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &cut);
        const bool printed = window->printToFile(full);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(!printed && QFileInfo(full).size() == QFileInfo(VARRIT_SOURCE_DIR "/LICENSE").size());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), files);
        QVERIFY(window->statusBar()->currentMessage().isEmpty() && !QApplication::overrideCursor());  // no "Printing"
        // A program that reads the pipe as the page comes, which the pipe's buffer (shrunk to 4 KiB) cannot hold.
        const int fd = ::open(QFile::encodeName(pipe), O_RDONLY | O_NONBLOCK);
        QByteArray got;
        std::thread reader([fd, &got] {
            pollfd waiting{fd, POLLIN, 0};
            char bytes[1024];
            for (ssize_t n = 1; n > 0 && ::poll(&waiting, 1, 30000) > 0; got.append(bytes, std::max<ssize_t>(n, 0)))
                n = ::read(fd, bytes, sizeof bytes);
        });
        const bool piped = ::fcntl(fd, F_SETPIPE_SZ, 4096) > 0 && window->printToFile(pipe);
        reader.join();
        ::close(fd);
        QVERIFY(piped && got.startsWith("%PDF") && got.endsWith("%%EOF\n"));
        const QString failed = "varritQt|The file \"%1\" could not be written: %2";
        QCOMPARE(watcher.seen,
                 (QStringList{failed.arg(unwritable, "No such file or directory"),
                              failed.arg("/dev/full", "No space left on device"),
                              failed.arg(pipe, "no program reads from it"), failed.arg(full, "File too large")}));
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
    QProgressDialog *progress() { return qobject_cast<QProgressDialog *>(QApplication::activeModalWidget()); }

    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

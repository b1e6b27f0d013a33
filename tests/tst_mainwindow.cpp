#include "mainwindow.h"
#include "testhelpers.h"

#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTranslator>

#include <csignal>

#include <sys/resource.h>

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

        // The icons come with the game, wherever it starts; a folder's own images/ take their place.
        QTemporaryDir elsewhere;
        for (const bool own : {false, true}) {
            QDir::setCurrent(elsewhere.path());
            if (own) {
                QDir().mkdir("images");
                QPixmap red(8, 8);
                red.fill(Qt::red);
                red.save("images/play.png");
            }
            window = std::make_unique<MainWindow>();
            QVERIFY(!action("&Print to pdf...")->icon().isNull() && action("&About")->icon().isNull());
            const QImage play = action("&Generate")->icon().pixmap(8, 8).toImage();
            QCOMPARE(play.pixelColor(4, 4) == Qt::red, own);
        }
    }

    void inGerman()
    {
        // Menus, tool bar, settings and the board's messages as the German catalogue has them.
        QTranslator german;
        QVERIFY(german.load(":/i18n/varritQt_de.qm"));
        QCoreApplication::installTranslator(&german);
        const auto restore = qScopeGuard([&german] { QCoreApplication::removeTranslator(&german); });
        window = std::make_unique<MainWindow>();
        QStringList shown, expected;
        for (QAction *menu : window->menuBar()->actions())
            shown << menu->text();
        shown << window->findChild<QGroupBox *>()->title();
        for (const char *text : {"&File", "&Help", "Settings:"})
            expected << german.translate("MainWindow", text);
        QCOMPARE(shown, expected);
        QVERIFY(expected[0] != "&File");
        ModalWatcher watcher;
        edit("rowsEdit")->clear();
        action(german.translate("MainWindow", "&Generate"))->trigger();
        QCOMPARE(watcher.seen,
                 QStringList("varritQt|"
                             + german.translate("varritWidget", "That would be very easy, don't you think? :-)")));
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
        QTest::newRow("leading zeros") << "seedsEdit|007|007|8";  // 7 seeds
        QTest::newRow("the keypad's Enter") << "seedsEdit|3=|3|3";
        QTest::newRow("three digits at most") << "minFieldSizeEdit|-a1234|123|";
        QTest::newRow("max takes four") << "maxFieldSizeEdit|12345|1234|";
    }

    void settingsAsDisplayed()
    {
        QFETCH(QString, row);
        const QStringList r = row.split('|');
        QVERIFY(waitForPuzzle());
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        edit("minFieldSizeEdit")->setText("1");  // the one seed's puzzle always fits
        board()->setSeedSource([] { return 99u; });
        QLineEdit *e = edit(qPrintable(r[0]));
        e->setFocus();
        e->clear();
        std::unique_ptr<ModalWatcher> watcher;  // the progress dialog is modal too
        if (r[3] != "endless")
            watcher = std::make_unique<ModalWatcher>();
        for (QChar c : r[1]) {
            if (c == '=')
                QTest::keyClick(e, Qt::Key_Enter, Qt::KeypadModifier);
            else
                QTest::keyClick(e, c == '<'   ? Qt::Key_Left
                                   : c == '#' ? Qt::Key_Backspace
                                              : Qt::Key(c.toUpper().unicode()));
        }
        QCOMPARE(e->displayText().trimmed(), r[2]);
        if (r[3].isEmpty())
            return;
        if (!r[1].endsWith('='))
            QTest::keyClick(e, Qt::Key_Return);  // people type a size and press Enter
        if (r[3] == "endless") {
            QTRY_VERIFY(progress());  // no puzzle has fields of at most 0 cells; Cancel says what is shown
            QVERIFY(
                progress()->labelText().endsWith("No puzzle can meet these settings: Cancel shows the last attempt."));
            QTest::mouseClick(progress()->findChild<QPushButton *>(), Qt::LeftButton);
            QTRY_VERIFY(!board()->isGenerating());
            QVERIFY2(
                window->statusBar()->currentMessage().contains(QRegularExpression(
                    "^Cancelled after [0-9,]+ attempts: this puzzle's fields have 1 to 20 cells, outside 1..0\\.$")),
                qPrintable(window->statusBar()->currentMessage()));
            return;
        }
        QVERIFY(waitForPuzzle());
        QCOMPARE(watcher->seen,
                 QStringList(r[3] == "refused", "varritQt|That would be very easy, don't you think? :-)"));
        QVERIFY(r[3] == "refused" || int(board()->puzzle().fields().size()) == r[3].toInt());
    }

    void firstPressWithoutAClue()
    {
        // Before any clue is chosen, a press copies cell (0, 0); where that is blank, the player is told why
        // nothing changed. Seed 0: no clue at (0, 0), blank cells at (0, 1) and (0, 2).
        QVERIFY(generateFixed(*board(), 4, 5, 2, 0));
        const auto &cells = board()->puzzle().cells();
        QVERIFY(!cells[0][0].isClue && !cells[0][1].isClue && !cells[0][2].isClue);
        press(*board(), 0, 1);
        QCOMPARE(window->statusBar()->currentMessage(), QString("Click a number first: its colour is what you paint."));
        QCOMPARE(cells[0][1].colour, blankColour);
        window->statusBar()->clearMessage();
        const Field &f = board()->puzzle().fields()[0];  // a clue chosen: painting says nothing
        press(*board(), int(f.clueRow), int(f.clueColumn));
        press(*board(), 0, 1);
        QVERIFY(cells[0][1].colour != blankColour && window->statusBar()->currentMessage().isEmpty());
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
        QVERIFY(waitForPuzzle());
        QCOMPARE(board()->size(), QSize(670, 208));

        // The cell at the centre of the view stays there within half a cell, scrolled anywhere, zoomed in and
        // back out, and when the scroll bars come with the first step: on a board that just fits a square view,
        // with squares so small that the bars' width is more than half a square.
        auto *area = window->findChild<QScrollArea *>();
        window->resize(900, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QSize most = area->maximumViewportSize();
        window->resize(900, 700 + most.width() - most.height());
        QTRY_COMPARE(area->maximumViewportSize().height(), most.width());
        const auto centre = [area, this] {
            return board()->boardGeometry().cellCoordinates(QRectF(area->viewport()->rect()).center() - board()->pos());
        };
        const quint32 fits = quint32(most.width() - 10) / 10;
        for (const QPointF &scrolled : {QPointF(0.5, 0.5), QPointF(0.2, 0.7), QPointF(0, 0), QPointF(-1, -1)}) {
            board()->setCellSize(scrolled.x() < 0 ? 6 : 24);
            const quint32 rows = scrolled.x() < 0 ? fits : 60, columns = scrolled.x() < 0 ? fits : 80;
            QVERIFY(generateFixed(*board(), rows, columns, 15, 5));
            QVERIFY(area->horizontalScrollBar()->value() == 0 && area->verticalScrollBar()->value() == 0);
            area->horizontalScrollBar()->setValue(qRound(area->horizontalScrollBar()->maximum() * scrolled.x()));
            area->verticalScrollBar()->setValue(qRound(area->verticalScrollBar()->maximum() * scrolled.y()));
            const QPointF before = centre();
            for (const char *step : {"&Plus", "&Minus"}) {
                for (int k = 0; k < 8; ++k) {
                    action(step)->trigger();
                    const QPointF moved = centre() - before;
                    QVERIFY2(qAbs(moved.x()) <= 0.5 && qAbs(moved.y()) <= 0.5,
                             qPrintable(QString("%1 x %2 after %3 %4 steps: %5, %6 cells")
                                            .arg(rows)
                                            .arg(columns)
                                            .arg(k + 1)
                                            .arg(step)
                                            .arg(moved.x())
                                            .arg(moved.y())));
                }
            }
        }
    }

    void printsTheBoardAsShown_data()
    {
        QTest::addColumn<QSize>("size");  // columns x rows
        QTest::newRow("at its size on screen") << QSize(10, 10);
        QTest::newRow("taller than the page") << QSize(20, 200);
        QTest::newRow("wider than the page") << QSize(200, 20);
        QTest::newRow("two rows, outlined square by square") << QSize(10, 2);
        QTest::newRow("one long row") << QSize(999, 1);
    }

    void printsTheBoardAsShown()
    {
        QFETCH(QSize, size);
        const int rows = size.height(), columns = size.width();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(generateFixed(*board(), quint32(rows), quint32(columns), 15, 5));
        const std::vector<Field> &fields = board()->puzzle().fields();  // the largest field marked in
        const Field &f = *std::max_element(fields.begin(), fields.end(), [](const Field &a, const Field &b) {
            return a.width() * a.height() < b.width() * b.height();
        });
        press(*board(), int(f.clueRow), int(f.clueColumn));
        for (quint32 k = 0; k < f.width() * f.height(); ++k)
            press(*board(), int(f.top + k / f.width()), int(f.left + k % f.width()));
        const QImage screen = board()->grab().toImage();
        const QString pdf = dir.filePath("board");  // used as named: no suffix added
        window->repaint();                          // nothing left to paint but what printing asks for
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
        QCOMPARE(board()->grab().toImage(), screen);  // cell size, marks, selection untouched
        QVERIFY2(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")), "pdfinfo (poppler-utils)?");

        // The page at 150 dpi: the whole board in its shape, at its size on screen unless the page is too small
        // for it, and each square as the screen shows it, fill, outline and number, where squares are large enough
        // to tell.
        const QImage page = render(pdf);
        QVERIFY2(!page.isNull(), "pdftoppm (poppler-utils)?");
        const QRect shown = inkIn(screen, screen.rect(), Qt::white), printed = inkIn(page, page.rect(), Qt::white);
        const bool wide = shown.width() > shown.height();
        const qreal scale = wide ? qreal(printed.width()) / shown.width() : qreal(printed.height()) / shown.height();
        const qreal atSize = 150.0 / board()->logicalDpiX();
        QVERIFY2(qAbs(wide ? printed.height() - shown.height() * scale : printed.width() - shown.width() * scale) < 3
                     && printed.right() < page.width() - 1 && printed.bottom() < page.height() - 1,
                 qPrintable(QString::number(scale)));
        QVERIFY(rows * columns > 100 ? scale < 0.5 * atSize : qAbs(scale - atSize) < 0.02);
        const BoardGeometry &g = board()->boardGeometry();
        for (int k = 0; k < rows * columns && g.pitch() * scale >= 12; ++k) {
            const QRect square = g.square(k / columns, k % columns);
            const auto mean = [&](const QImage &image, qreal s, QPoint at) {
                const QRect r = QRectF(at + QPointF(square.topLeft() - shown.topLeft()) * s + QPointF(s, s),
                                       QSizeF(square.size()) * s - QSizeF(2 * s, 2 * s))
                                    .toRect();
                qint64 sum[3] = {0, 0, 0};
                for (int p = 0; p < r.width() * r.height(); ++p) {
                    const QRgb c = image.pixel(r.x() + p % r.width(), r.y() + p / r.width());
                    sum[0] += qRed(c), sum[1] += qGreen(c), sum[2] += qBlue(c);
                }
                return QList<int>{int(sum[0] / r.width() / r.height()), int(sum[1] / r.width() / r.height()),
                                  int(sum[2] / r.width() / r.height())};
            };
            const QList<int> a = mean(screen, 1, shown.topLeft()), b = mean(page, scale, printed.topLeft());
            for (int c = 0; c < 3; ++c)
                QVERIFY2(qAbs(a[c] - b[c]) <= 12,
                         qPrintable(QString("square %1: %2 on screen, %3 on the page").arg(k).arg(a[c]).arg(b[c])));
        }
        // And with many squares, a smaller file than one drawn as on screen.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("cells.pdf"));
        QPainter painter(&printer);
        board()->drawBoard(painter);
        painter.end();
        QVERIFY(rows * columns < 100 || QFileInfo(pdf).size() < QFileInfo(dir.filePath("cells.pdf")).size());
    }

    void printsWhereThePlayerCan()
    {
        // The save dialog starts in the working directory where a file can be written there, else in the player's
        // documents, else at home; a bare name typed there prints.
        const QByteArray home = qgetenv("HOME");
        const auto restore = qScopeGuard([&home] { qputenv("HOME", home); });
        qputenv("HOME", dir.path().toLocal8Bit());
        QStringList folders;
        for (const QString &at : {QString(VARRIT_SOURCE_DIR), QString("/proc"), QString("/proc")}) {
            QDir::setCurrent(at);
            if (folders.size() == 2)
                QDir(dir.path()).mkdir("Documents");
            ModalWatcher watcher([&folders](QDialog *d) {
                auto *dialog = qobject_cast<QFileDialog *>(d);
                folders << dialog->directory().absolutePath();
                if (folders.size() == 3) {
                    dialog->selectFile("first-print.pdf");
                    QMetaObject::invokeMethod(dialog, "accept");
                }
            });
            action("&Print to pdf...")->trigger();
        }
        QCOMPARE(folders, (QStringList{VARRIT_SOURCE_DIR, dir.path(), dir.filePath("Documents")}));
        QVERIFY(QFileInfo(dir.filePath("Documents/first-print.pdf")).size() > 0);
    }

    void failedPrints()
    {
        // Told when nothing could be written; not told of a failure when the page went into a pipe.
        const QString unwritable = dir.filePath("no-such-folder/board.pdf"), pipe = dir.filePath("pipe");
        QVERIFY(QProcess::execute("mkfifo", {pipe}) == 0);
        QProcess reader;
        reader.start("cat", {pipe});
        ModalWatcher watcher;
        QVERIFY(!window->printToFile(unwritable));
        QVERIFY(!window->printToFile("/dev/full"));  // opens, but takes no data
        rlimit unlimited{};                          // a file that cannot grow, as on a full disk
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit none{0, unlimited.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &none);
        const bool full = window->printToFile(dir.filePath("full.pdf"));
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QVERIFY(!full);
        QVERIFY(window->statusBar()->currentMessage().isEmpty() && !QApplication::overrideCursor());  // no "Printing"
        QVERIFY(window->printToFile(pipe));
        QVERIFY(reader.waitForFinished(30000) && reader.readAllStandardOutput().startsWith("%PDF"));
        const QString failed = "varritQt|The file \"%1\" could not be written.";
        QCOMPARE(watcher.seen,
                 (QStringList{failed.arg(unwritable), failed.arg("/dev/full"), failed.arg(dir.filePath("full.pdf"))}));
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
    static QImage render(const QString &pdf)  // the page at 150 dpi
    {
        run("pdftoppm", {"-r", "150", "-png", "-singlefile", pdf, pdf});
        return QImage(pdf + ".png").convertToFormat(QImage::Format_RGB32);
    }
    QProgressDialog *progress()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *dialog = qobject_cast<QProgressDialog *>(w); dialog && dialog->isVisible())
                return dialog;
        return nullptr;
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

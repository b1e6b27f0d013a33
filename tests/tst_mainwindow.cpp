#include "mainwindow.h"
#include "testhelpers.h"

#include <QAction>
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
        // Field|typed ('<' Left, '#' Backspace)|shown|what Enter there does: refused, the fields from seed 99, or
        // a run that no puzzle ends; nothing where the display is the point
        QTest::addColumn<QString>("row");
        QTest::newRow("empty rows") << "rowsEdit|||refused";
        QTest::newRow("blank in rows") << "rowsEdit|135<#|1 5|refused";  // read as 0, not 15
        QTest::newRow("blank in columns") << "columnsEdit|135<#|1 5|refused";
        QTest::newRow("blank in seeds") << "seedsEdit|135<#|1 5|1";        // no seeds: one field
        QTest::newRow("blank in min") << "minFieldSizeEdit|135<#|1 5|15";  // fits, where 15 would not
        QTest::newRow("blank in max") << "maxFieldSizeEdit|135<#|1 5|endless";
        QTest::newRow("leading zeros") << "seedsEdit|007|007|8";  // 7 seeds
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
        for (QChar c : r[1])
            QTest::keyClick(e, c == '<' ? Qt::Key_Left : c == '#' ? Qt::Key_Backspace : Qt::Key(c.toUpper().unicode()));
        QCOMPARE(e->displayText().trimmed(), r[2]);
        if (r[3].isEmpty())
            return;
        if (r[3] == "endless") {
            QTest::keyClick(e, Qt::Key_Return);  // people type a size and press Enter
            QTRY_VERIFY(progress());             // no puzzle has fields of at most 0 cells
            QTest::mouseClick(progress()->findChild<QPushButton *>(), Qt::LeftButton);
            QTRY_VERIFY(!board()->isGenerating());
            return;
        }
        ModalWatcher watcher;
        QTest::keyClick(e, Qt::Key_Return);
        QVERIFY(waitForPuzzle());
        QCOMPARE(watcher.seen,
                 QStringList(r[3] == "refused", "varritQt|That would be very easy, don't you think? :-)"));
        QVERIFY(r[3] == "refused" || int(board()->puzzle().fields().size()) == r[3].toInt());
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

        // The cell at the centre of the view stays there, scrolled anywhere, zoomed in and back out.
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()) && generateFixed(*board(), 60, 80, 15, 5));
        auto *area = window->findChild<QScrollArea *>();
        const auto centre = [area, this] {
            const QPointF at = QRectF(area->viewport()->rect()).center() - board()->pos();
            return (at - QPointF(5, 5)) / (board()->getCellSize() + 4);  // in cells
        };
        for (const QPointF &scrolled : {QPointF(0.5, 0.5), QPointF(0.2, 0.7), QPointF(0, 0)}) {
            board()->setCellSize(24);
            area->horizontalScrollBar()->setValue(qRound(area->horizontalScrollBar()->maximum() * scrolled.x()));
            area->verticalScrollBar()->setValue(qRound(area->verticalScrollBar()->maximum() * scrolled.y()));
            const QPointF before = centre();
            for (const char *step : {"&Plus", "&Minus"}) {
                for (int k = 0; k < 8; ++k)
                    action(step)->trigger();
                const QPointF moved = centre() - before;
                QVERIFY2(qAbs(moved.x()) <= 1 && qAbs(moved.y()) <= 1,
                         qPrintable(QString("after %1: %2, %3 cells").arg(step).arg(moved.x()).arg(moved.y())));
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
        QCoreApplication::processEvents();          // nothing left to paint but what printing asks for
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
        QVERIFY(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));

        // The same board drawn a cell at a time, as on screen, onto the same page.
        const QString cells = dir.filePath("cells.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(cells);
        QPainter painter(&printer);
        const qreal scale = std::min({printer.resolution() / qreal(board()->logicalDpiX()),
                                      printer.pageRect(QPrinter::DevicePixel).width() / board()->width(),
                                      printer.pageRect(QPrinter::DevicePixel).height() / board()->height()});
        painter.scale(scale, scale);
        board()->drawBoard(painter);
        painter.end();
        const QImage page = render(pdf), expected = render(cells);
        int differing = 0;  // beyond anti-aliasing, which is finer at the size on screen
        const int tolerance = rows * columns > 100 ? 128 : 90;
        for (int k = 0; k < page.width() * page.height(); ++k) {
            const QRgb a = page.pixel(k % page.width(), k / page.width()),
                       b = expected.pixel(k % page.width(), k / page.width());
            differing +=
                qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b)))) > tolerance;
        }
        // And with many squares, a smaller file.
        QVERIFY2(differing <= 2 && (rows * columns < 100 || QFileInfo(pdf).size() < QFileInfo(cells).size()),
                 qPrintable(QString::number(differing)));

        // The whole board, in its shape, at its size on screen unless the page is too small for it.
        const QRect shown = inkIn(screen, screen.rect(), Qt::white), printed = inkIn(page, page.rect(), Qt::white);
        const bool wide = shown.width() > shown.height();
        const qreal ratio = wide ? qreal(printed.width()) / shown.width() : qreal(printed.height()) / shown.height();
        const qreal dots = 150.0 / board()->logicalDpiX();
        QVERIFY2(qAbs((wide ? printed.height() - shown.height() * ratio : printed.width() - shown.width() * ratio)) < 3
                     && printed.right() < page.width() - 1 && printed.bottom() < page.height() - 1,
                 qPrintable(QString::number(ratio)));
        QVERIFY(rows * columns > 100 ? ratio < 0.5 * dots : qAbs(ratio - dots) < 0.02);
    }

    void failedOrCancelledPrints()
    {
        const QString unwritable = dir.filePath("no-such-folder/board.pdf");
        ModalWatcher watcher;
        QVERIFY(!window->printToFile(unwritable));
        QVERIFY(!window->printToFile("/dev/full"));  // opens, but takes no data
        QVERIFY(window->statusBar()->currentMessage().isEmpty() && !QApplication::overrideCursor());  // no "Printing"
        action("&Print to pdf...")->trigger();  // the save dialog, cancelled
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

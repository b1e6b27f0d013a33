// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "boardgeometry.h"
#include "varritwidget.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

const char homePage[] = "https://varritqt.example.org";
const char homeDomain[] = "varritqt.example.org";

}  // namespace

// The picture at `path` under the working directory, where a player may put
// their own, else the one built in; no icon at all without either, so that
// tool buttons show their text instead of an empty picture.
QIcon MainWindow::loadIcon(const QString &path)
{
    for (const QString &file : {path, ":/" + QDir::cleanPath(path)}) {
        const QPixmap pixmap(file);
        if (!pixmap.isNull())
            return QIcon(pixmap);
    }
    return QIcon();
}

MainWindow::MainWindow()
    : QMainWindow(nullptr)
{
    QPalette pal = QApplication::palette();
    pal.setBrush(QPalette::Window, QBrush(QColor(255, 255, 255, 255)));
    setPalette(pal);

    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    createCentralArea();

    generate();
}

template<typename Slot>
QAction *MainWindow::createAction(const QString &iconFile, const QString &text, const QString &statusTip, Slot slot)
{
    auto *action = iconFile.isEmpty() ? new QAction(text, this) : new QAction(loadIcon(iconFile), text, this);
    action->setStatusTip(statusTip);
    // Qt leaves out a trailing "..." where a tool button names the action, but not an ellipsis "…".
    const QString named = action->iconText().remove(QRegularExpression(QStringLiteral("\\s*…$")));
    action->setIconText(named);
    action->setToolTip(named);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void MainWindow::createActions()
{
    printAct =
        createAction("./images/print.png", tr("&Print to pdf..."), tr("Print the griddle to pdf"), &MainWindow::print);
    printAct->setShortcut(QKeySequence(tr("Ctrl+P")));
    generateAct = createAction("./images/play.png", tr("&Generate"), tr("Generate new puzzle"), &MainWindow::generate);
    generateAct->setShortcut(QKeySequence(tr("Ctrl+G")));
    quitAct = createAction("./images/quit.png", tr("Quit"), tr("Quit App"), &MainWindow::close);
    aboutAct = createAction(QString(), tr("&About"), tr("Show the application's About box"), &MainWindow::about);
    plusAct =
        createAction("./images/zoom_in.png", tr("&Plus"), tr("Increase the grid and font size"), &MainWindow::plus);
    minusAct =
        createAction("./images/zoom_out.png", tr("&Minus"), tr("Decrease the grid and font size"), &MainWindow::minus);
    faqAct = createAction("./images/help.png", tr("&Faq"), tr("frequently asked question"), &MainWindow::faq);
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(generateAct);
    fileMenu->addAction(printAct);
    fileMenu->addSeparator();
    fileMenu->addAction(quitAct);

    helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->addAction(aboutAct);
    helpMenu->addAction(faqAct);
}

void MainWindow::createToolBars()
{
    fileToolBar = addToolBar(tr("File"));
    fileToolBar->addAction(generateAct);
    fileToolBar->addAction(printAct);
    fileToolBar->addSeparator();
    fileToolBar->addAction(plusAct);
    fileToolBar->addAction(minusAct);
    fileToolBar->addSeparator();
    fileToolBar->addAction(faqAct);
    fileToolBar->addAction(quitAct);
}

void MainWindow::createStatusBar()
{
    statusBar()->showMessage(tr("Ready"));
}

void MainWindow::about()
{
    QMessageBox::about(this, tr("About Application: Varrit"),
                       tr("<center>The <b>Varrit</b> is a japanese puzzle game using modern GUI by Qt.\n"
                          "<a href=\"%1\">%2</a></center>")
                           .arg(QLatin1String(homePage), QLatin1String(homeDomain)));
}

void MainWindow::faq()
{
    QMessageBox::about(this, tr("About Application: Varrit", "the title of the FAQ box"),
                       tr("<center>please visit <a href=\"%1\">%1</a></center>").arg(QLatin1String(homePage)));
}

void MainWindow::plus()
{
    zoomTo(BoardGeometry::zoomedIn(board->getCellSize()));
}

void MainWindow::minus()
{
    zoomTo(BoardGeometry::zoomedOut(board->getCellSize()));
}

// Keeps the point of the board at the centre of the view where it is, as far
// as the scroll range allows, so that the player does not lose their place.
void MainWindow::zoomTo(unsigned cellSize)
{
    if (cellSize == board->getCellSize())
        return;
    const auto centre = [this] { return QRectF(scrollArea->viewport()->rect()).center(); };
    const QPointF anchor = board->boardGeometry().cellCoordinates(centre() - board->pos());
    board->setCellSize(cellSize);
    // The scroll bars come or go a moment after the board changes size: let
    // them now, so that the place goes to the centre of the view as it will be.
    QCoreApplication::sendPostedEvents(scrollArea, QEvent::MetaCall);
    const QPointF scrolled = board->boardGeometry().boardPoint(anchor) - centre();
    scrollArea->horizontalScrollBar()->setValue(qRound(scrolled.x()));
    scrollArea->verticalScrollBar()->setValue(qRound(scrolled.y()));
}

#include "mainwindow.h"

#include "varritwidget.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

namespace {

const char homePage[] = "https://varritqt.example.org";
const char homeDomain[] = "varritqt.example.org";

// A missing file gives no icon at all, so that tool buttons show their text
// instead of an empty picture.
QIcon loadIcon(const QString &path)
{
    const QPixmap pixmap(path);
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

}  // namespace

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

void MainWindow::createActions()
{
    printAct = new QAction(loadIcon("./images/print.png"), tr("&Print to pdf..."), this);
    printAct->setShortcut(QKeySequence(tr("Ctrl+P")));
    printAct->setStatusTip(tr("Print the griddle to pdf"));
    connect(printAct, SIGNAL(triggered()), this, SLOT(print()));

    generateAct = new QAction(loadIcon("./images/play.png"), tr("&Generate"), this);
    generateAct->setShortcut(QKeySequence(tr("Ctrl+G")));
    generateAct->setStatusTip(tr("Generate new puzzle"));
    connect(generateAct, SIGNAL(triggered()), this, SLOT(generate()));

    quitAct = new QAction(loadIcon("./images/quit.png"), tr("Quit"), this);
    quitAct->setStatusTip(tr("Quit App"));
    connect(quitAct, SIGNAL(triggered()), this, SLOT(close()));

    aboutAct = new QAction(tr("&About"), this);
    aboutAct->setStatusTip(tr("Show the application's About box"));
    connect(aboutAct, SIGNAL(triggered()), this, SLOT(about()));

    plusAct = new QAction(loadIcon("./images/zoom_in.png"), tr("&Plus"), this);
    plusAct->setStatusTip(tr("Increase the grid and font size"));
    connect(plusAct, SIGNAL(triggered()), this, SLOT(plus()));

    minusAct = new QAction(loadIcon("./images/zoom_out.png"), tr("&Minus"), this);
    minusAct->setStatusTip(tr("Decrease the grid and font size"));
    connect(minusAct, SIGNAL(triggered()), this, SLOT(minus()));

    faqAct = new QAction(loadIcon("./images/help.png"), tr("&Faq"), this);
    faqAct->setStatusTip(tr("frequently asked question"));
    connect(faqAct, SIGNAL(triggered()), this, SLOT(faq()));
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
    QMessageBox::about(this, tr("About Application: Varrit"),
                       tr("<center>please visit <a href=\"%1\">%1</a></center>").arg(QLatin1String(homePage)));
}

void MainWindow::plus()
{
    board->setCellSize(board->getCellSize() + 2);
}

void MainWindow::minus()
{
    if (board->getCellSize() > 2)
        board->setCellSize(board->getCellSize() - 2);
}

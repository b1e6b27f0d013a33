// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "infobox.h"
#include "varritwidget.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryFile>

#include <algorithm>

void MainWindow::print()
{
    const QString fileName = QFileDialog::getSaveFileName(this, QString(), printFolder(), QString());
    if (fileName.isEmpty())
        return;
    printToFile(fileName);
}

bool MainWindow::printToFile(const QString &fileName)
{
    // A big board takes a moment: say so, and let the place of the closed
    // file dialog be painted before the drawing starts.
    const QString shown = QDir::toNativeSeparators(fileName);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    statusBar()->showMessage(tr("Printing to \"%1\"...").arg(shown));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    repaint();
    const bool written = writePdf(fileName);
    QApplication::restoreOverrideCursor();
    if (!written) {
        statusBar()->clearMessage();
        QMessageBox::warning(this, programName, tr("The file \"%1\" could not be written.").arg(shown));
        return false;
    }
    statusBar()->showMessage(tr("Printed to \"%1\"").arg(shown), 5000);
    return true;
}

QString MainWindow::printFolder()
{
    // Tried, not read off the permissions: a folder can look writable and
    // not be (a read-only mount, /proc).
    QTemporaryFile probe(QDir::current().filePath(".varritQt-XXXXXX"));
    if (probe.open())
        return QDir::currentPath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// A pipe or a device takes the page as it comes, and no size tells afterwards
// whether all of it arrived: the page is made in a file of its own first and
// then written there, every write checked.
bool MainWindow::writePdf(const QString &fileName)
{
    const QFileInfo target(fileName);
    if (!target.exists() || target.isFile())
        return drawPdf(fileName) && QFileInfo(fileName).size() > 0;  // a full disk leaves it empty
    QTemporaryFile page;
    if (!page.open() || !drawPdf(page.fileName()))
        return false;
    QFile out(fileName);
    const QByteArray bytes = page.readAll();
    return !bytes.isEmpty() && out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush();
}

bool MainWindow::drawPdf(const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // At one dot per board pixel a 1200 dpi page shows a tiny board: print it
    // at its size on screen, smaller only when the page is too small for it.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const qreal screenScale = qreal(printer.resolution()) / board->logicalDpiX();
    const qreal scale = std::min({screenScale, page.width() / board->width(), page.height() / board->height()});
    painter.scale(scale, scale);
    board->drawPage(painter);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

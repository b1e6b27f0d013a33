// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "infobox.h"
#include "varritwidget.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#endif

namespace {

#ifdef Q_OS_UNIX
// While it lives, a write past the file size limit, or into a pipe whose
// reader has left, fails: it does not end the game.
class WritesFail
{
public:
    WritesFail()
        : fileSize(std::signal(SIGXFSZ, SIG_IGN)),
          pipe(std::signal(SIGPIPE, SIG_IGN))
    { }
    ~WritesFail()
    {
        std::signal(SIGXFSZ, fileSize);
        std::signal(SIGPIPE, pipe);
    }

private:
    void (*fileSize)(int);
    void (*pipe)(int);
};
#endif

// Writes on after a short write, which a full disk gives before its reason.
bool writeAll(QIODevice &out, const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    const WritesFail failing;
#endif
    for (qint64 done = 0, n = 0; done < bytes.size(); done += n) {
        if ((n = out.write(bytes.constData() + done, bytes.size() - done)) <= 0)
            return false;
    }
    return true;
}

}  // namespace

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
    QString reason;
    const bool written = writePdf(fileName, reason);
    QApplication::restoreOverrideCursor();
    if (!written) {
        statusBar()->clearMessage();
        QMessageBox::warning(this, programName, tr("The file \"%1\" could not be written: %2").arg(shown, reason));
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

// All or nothing: the whole page is made first. A file gets it under a name
// of its own beside the target, which takes the target's name only once all
// of it is there; a pipe or a device, which nothing can stand in for, gets
// it as it is, every write checked.
bool MainWindow::writePdf(const QString &fileName, QString &reason)
{
    QByteArray page;
    QBuffer buffer(&page);
    buffer.open(QIODevice::WriteOnly);
    drawPdf(buffer);
    buffer.close();

    const QFileInfo target(fileName);
    if (target.exists() && !target.isFile())
        return writeStream(fileName, page, reason);
    // Unbuffered: a write that fails in commit()'s own flush would be taken
    // for a whole file.
    QSaveFile out(fileName);
    if (out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeAll(out, page) && out.commit())
        return true;
    reason = out.errorString();  // a failed write's: commit() is then not called, and would clear it
    return false;
}

bool MainWindow::writeStream(const QString &fileName, const QByteArray &page, QString &reason)
{
    QFile out(fileName);
#ifdef Q_OS_UNIX
    // Opened without waiting: a pipe that no program reads would hold the
    // game for ever. Once open, it is written as any file.
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        reason = errno == ENXIO ? tr("no program reads from it") : QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    out.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
#else
    out.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
#endif
    const bool written = writeAll(out, page);
    if (!written)
        reason = out.errorString();
    return written;
}

// The page a PDF printer gives by default, drawn into `out`.
void MainWindow::drawPdf(QIODevice &out)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QPdfWriter writer(&out);
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());

    QPainter painter(&writer);
    // At one dot per board pixel a 1200 dpi page shows a tiny board: print it
    // at its size on screen, smaller only when the page is too small for it.
    const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
    const qreal screenScale = qreal(writer.resolution()) / board->logicalDpiX();
    const qreal scale = std::min({screenScale, page.width() / board->width(), page.height() / board->height()});
    painter.scale(scale, scale);
    board->drawPage(painter);
}

#include "mainwindow.h"

#include "varritwidget.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

void MainWindow::print()
{
    const QString fileName = QFileDialog::getSaveFileName(this, QString(), QString(), QString());
    if (fileName.isEmpty())
        return;
    printToFile(fileName);
}

bool MainWindow::printToFile(const QString &fileName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);

    const auto fail = [this, &fileName] {
        QMessageBox::warning(this, "varritQt",
                             tr("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(fileName)));
        return false;
    };
    QPainter painter;
    if (!painter.begin(&printer))
        return fail();
    // At one dot per board pixel a 1200 dpi page shows a tiny board: print it
    // at its size on screen, smaller only when the page is too small for it.
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const qreal screenScale = qreal(printer.resolution()) / board->logicalDpiX();
    const qreal scale = std::min({screenScale, page.width() / board->width(), page.height() / board->height()});
    painter.scale(scale, scale);
    board->drawBoard(painter, true);
    // A full disk or a device that takes no data fails only while writing.
    if (!painter.end() || QFileInfo(fileName).size() == 0)
        return fail();
    return true;
}

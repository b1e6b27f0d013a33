// SPDX-License-Identifier: GPL-3.0-or-later
#include "infobox.h"
#include "mainwindow.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName);
    QGuiApplication::setDesktopFileName(VARRIT_APP_ID);

    // The player's language where there is a catalogue for it, English else;
    // Qt's own catalogue for the standard buttons and the file dialog.
    QTranslator qtTexts, gameTexts;
    if (qtTexts.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    if (gameTexts.load(QLocale(), "varritQt", "_", ":/i18n"))
        QCoreApplication::installTranslator(&gameTexts);

    MainWindow mainWin;
    mainWin.setWindowIcon(MainWindow::loadIcon("images/star.png"));
    mainWin.setWindowTitle(programName);
    mainWin.resize(600, 400);
    mainWin.show();
    return app.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "infobox.h"
#include "language.h"
#include "mainwindow.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    const Language language = languageFromEnvironment();
    QApplication app(argc, argv);
    QApplication::setApplicationName(programName);
    QGuiApplication::setDesktopFileName(VARRIT_APP_ID);
    QTranslator gameTexts, qtTexts;
    speak(language, gameTexts, qtTexts);

    MainWindow mainWin;
    mainWin.setWindowIcon(MainWindow::loadIcon("images/star.png"));
    mainWin.setWindowTitle(programName);
    mainWin.resize(600, 400);
    mainWin.show();
    return app.exec();
}

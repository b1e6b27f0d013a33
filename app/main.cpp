#include "mainwindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("varritQt");
    QGuiApplication::setDesktopFileName(VARRIT_APP_ID);

    MainWindow mainWin;
    mainWin.setWindowIcon(QIcon("images/star.png"));
    mainWin.setWindowTitle("varritQt");
    mainWin.resize(600, 400);
    mainWin.show();
    return app.exec();
}

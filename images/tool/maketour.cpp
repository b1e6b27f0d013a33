// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the game's screens in a real window, in the language the environment
// asks for, and saves a picture of each into a folder: the main window, its
// menus and tool tips, the About, FAQ and refusal boxes, the progress dialog
// while a long search runs, the word on a cancelled one, the save dialog and
// a failed print. For translators and anyone who checks how the game reads.
// Run by scripts/tour.
#include "language.h"
#include "mainwindow.h"
#include "varritwidget.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>

#include <cstdio>
#include <functional>

namespace {

QDir folder;

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void shot(const QString &name)
{
    settle(400);
    QGuiApplication::primaryScreen()->grabWindow(0).save(folder.filePath(name + ".png"));
}

// `open` shows a modal window; its picture is taken once it is up, then it is closed.
void shotModal(const QString &name, const std::function<void()> &open)
{
    QTimer waiting;
    QObject::connect(&waiting, &QTimer::timeout, [&waiting, name] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || qobject_cast<QProgressDialog *>(modal))
            return;
        waiting.stop();
        shot(name);
        modal->close();
    });
    waiting.start(50);
    open();
}

void setSettings(MainWindow &window, const QStringList &values)
{
    const char *names[] = {"rowsEdit", "columnsEdit", "seedsEdit", "minFieldSizeEdit", "maxFieldSizeEdit"};
    for (int k = 0; k < 5; ++k)
        window.findChild<QLineEdit *>(names[k])->setText(values[k]);
}

// A search that cannot end, its dialog a moment later, and the word after Cancel.
void searchAndCancel(MainWindow &window, const QString &name, const QStringList &settings, QAction *generate)
{
    setSettings(window, settings);
    generate->trigger();
    settle(1500);
    shot(name + "-progress");
    if (auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget()))
        dialog->findChild<QPushButton *>()->click();
    shot(name + "-cancelled");
}

}  // namespace

int main(int argc, char *argv[])
{
    const Language language = languageFromEnvironment();
    QApplication app(argc, argv);
    QTranslator gameTexts, qtTexts;
    speak(language, gameTexts, qtTexts);
    if (argc < 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "usage: varrit-maketour FOLDER\n");
        return 2;
    }
    folder.setPath(QString::fromLocal8Bit(argv[1]));

    MainWindow window;
    window.setWindowTitle("varritQt");
    window.resize(600, 400);
    auto *board = window.findChild<varritWidget *>();
    // Seeds counted up from a fixed start: the same pictures on every run.
    board->generationControl().worker().setSeedSource([seed = 20261208u]() mutable { return seed++; });
    const QList<QAction *> menus = window.menuBar()->actions();
    QAction *generate = menus[0]->menu()->actions()[0], *print = menus[0]->menu()->actions()[1];
    generate->trigger();
    window.show();
    while (board->isGenerating())
        settle(20);
    shot("01-main");

    for (int k = 0; k < menus.size(); ++k) {
        menus[k]->menu()->popup(window.menuBar()->mapToGlobal(window.menuBar()->actionGeometry(menus[k]).bottomLeft()));
        shot(QString("02-menu-%1").arg(k + 1));
        menus[k]->menu()->close();
    }
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    int tip = 0;
    for (QLabel *label : labels) {
        if (label->toolTip().isEmpty())
            continue;
        QToolTip::showText(label->mapToGlobal(label->rect().center()), label->toolTip(), label);
        shot(QString("03-tip-%1").arg(++tip));
        QToolTip::hideText();
    }
    const QList<QAction *> help = menus[1]->menu()->actions();
    shotModal("04-about", [&help] { help[0]->trigger(); });
    shotModal("05-faq", [&help] { help[1]->trigger(); });
    setSettings(window, {"", "10", "15", "2", "9999"});
    shotModal("06-refused", [generate] { generate->trigger(); });

    searchAndCancel(window, "07-too-large", {"999", "999", "15", "2", "9999"}, generate);
    searchAndCancel(window, "08-too-small", {"40", "60", "999", "20", "9999"}, generate);
    searchAndCancel(window, "09-impossible", {"7", "12", "15", "5", "5"}, generate);

    shotModal("10-save-dialog", [print] { print->trigger(); });
    shotModal("11-print-failed", [&window] { window.printToFile("/proc/varritQt.pdf"); });
    return 0;
}

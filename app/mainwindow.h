// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>

class QAction;
class QIODevice;
class QIcon;
class QGroupBox;
class QLineEdit;
class QMenu;
class QScrollArea;
class QToolBar;
class varritWidget;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow();

    // Draws the board into a one-page PDF; false (after telling the user)
    // when the file cannot be written.
    bool printToFile(const QString &fileName);
    // Where the save dialog of a print starts: the working directory when a
    // file can be written there, else the player's documents, else home.
    static QString printFolder();
    static QIcon loadIcon(const QString &path);

private slots:
    void generate();
    void about();
    void plus();
    void minus();
    void print();
    void faq();

private:
    template<typename Slot>
    QAction *createAction(const QString &iconFile, const QString &text, const QString &statusTip, Slot slot);
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createCentralArea();
    QLineEdit *createSettingsEdit(const QString &name, const QString &mask, const QString &text);
    void zoomTo(unsigned cellSize);
    void withdrawStatus(const QString &text);
    void showBoardFromTopLeft();
    bool writePdf(const QString &fileName, QString &reason);
    bool writeStream(const QString &fileName, const QByteArray &page, QString &reason);
    void drawPdf(QIODevice &out);

    QMenu *fileMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QToolBar *fileToolBar = nullptr;
    QAction *aboutAct = nullptr;
    QAction *faqAct = nullptr;
    QAction *generateAct = nullptr;
    QAction *printAct = nullptr;
    QAction *quitAct = nullptr;
    QAction *plusAct = nullptr;
    QAction *minusAct = nullptr;
    QGroupBox *settingsGroup = nullptr;
    QLineEdit *rowsEdit = nullptr;
    QLineEdit *columnsEdit = nullptr;
    QLineEdit *seedsEdit = nullptr;
    QLineEdit *minFieldSizeEdit = nullptr;
    QLineEdit *maxFieldSizeEdit = nullptr;
    varritWidget *board = nullptr;
    QScrollArea *scrollArea = nullptr;
};

#endif  // MAINWINDOW_H

// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "varritwidget.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QVBoxLayout>

QLineEdit *MainWindow::createSettingsEdit(const QString &name, const QString &mask, const QString &text)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setInputMask(mask);
    edit->setText(text);
    return edit;
}

void MainWindow::createCentralArea()
{
    board = new varritWidget;
    board->setPalette(palette());
    connect(board, &varritWidget::statusMessage, statusBar(), &QStatusBar::showMessage);
    connect(board, &varritWidget::statusWithdrawn, this, &MainWindow::withdrawStatus);
    connect(board, &varritWidget::puzzleShown, this, &MainWindow::showBoardFromTopLeft);

    scrollArea = new QScrollArea(this);
    scrollArea->setFrameStyle(QFrame::Panel);
    scrollArea->setWidget(board);
    scrollArea->setPalette(palette());

    rowsEdit = createSettingsEdit("rowsEdit", "999; ", "10");
    columnsEdit = createSettingsEdit("columnsEdit", "999; ", "10");
    seedsEdit = createSettingsEdit("seedsEdit", "999; ", "15");
    minFieldSizeEdit = createSettingsEdit("minFieldSizeEdit", "999; ", "2");
    maxFieldSizeEdit = createSettingsEdit("maxFieldSizeEdit", "9999; ", "9999");

    auto *mainLayout = new QHBoxLayout;
    mainLayout->addWidget(scrollArea, 15);

    auto *grid = new QGridLayout;
    settingsGroup = new QGroupBox(tr("Settings:"));
    struct Setting
    {
        QString label;
        QLineEdit *edit;
        QString tip;
    };
    const QList<Setting> settings = {
        {tr("Rows: "), rowsEdit, tr("How many rows of cells the board has, 1 to 999.")},
        {tr("Columns: "), columnsEdit, tr("How many columns of cells the board has, 1 to 999.")},
        {tr("Seeds: "), seedsEdit,
         tr("How many rectangles the cutting of the board starts from: more seeds make more, smaller fields.")},
        {tr("Min field size: "), minFieldSizeEdit, tr("The fewest cells a field may have.")},
        {tr("Max field size: "), maxFieldSizeEdit, tr("The most cells a field may have.")},
    };
    for (int i = 0; i < settings.size(); ++i) {
        auto *label = new QLabel(settings[i].label);
        // As a paragraph, which a tool tip wraps.
        for (QWidget *w : {static_cast<QWidget *>(label), static_cast<QWidget *>(settings[i].edit)})
            w->setToolTip("<p>" + settings[i].tip.toHtmlEscaped() + "</p>");
        grid->addWidget(label, i + 1, 0);
        grid->addWidget(settings[i].edit, i + 1, 1);
    }
    grid->addWidget(new QWidget, 7, 0, Qt::AlignBottom);
    grid->addWidget(new QWidget, 7, 1, Qt::AlignBottom);

    auto *panelLayout = new QVBoxLayout;
    panelLayout->addLayout(grid, 0);
    auto *advice = new QLabel(tr("\nPlease, be advised,\n that not every\ncombination of parameters\n"
                                 " can generate\n playing grid\n(in reasonable time)"));
    advice->setAlignment(Qt::AlignHCenter);
    panelLayout->addWidget(advice, 0);
    settingsGroup->setLayout(panelLayout);
    // People type a size and press Enter. A shortcut, since a field whose
    // mask still shows blanks never reports Enter itself.
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        new QShortcut(QKeySequence(key), settingsGroup, this, &MainWindow::generate, Qt::WidgetWithChildrenShortcut);

    mainLayout->addWidget(settingsGroup, 0);

    auto *central = new QWidget;
    central->setLayout(mainLayout);
    setCentralWidget(central);
}

// The settings are read as displayed: a blank between two digits makes the
// text unreadable, which gives 0 rather than joining the digits.
void MainWindow::generate()
{
    board->generate(quint32(rowsEdit->displayText().toInt()), quint32(columnsEdit->displayText().toInt()),
                    quint32(seedsEdit->displayText().toInt()), quint32(minFieldSizeEdit->displayText().toInt()),
                    quint32(maxFieldSizeEdit->displayText().toInt()));
}

// Where nothing else has been said since.
void MainWindow::withdrawStatus(const QString &text)
{
    if (statusBar()->currentMessage() == text)
        statusBar()->clearMessage();
}

// A new puzzle is seen from its beginning, wherever the old one was scrolled to.
void MainWindow::showBoardFromTopLeft()
{
    scrollArea->horizontalScrollBar()->setValue(scrollArea->horizontalScrollBar()->minimum());
    scrollArea->verticalScrollBar()->setValue(scrollArea->verticalScrollBar()->minimum());
}

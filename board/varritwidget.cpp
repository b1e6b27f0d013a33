// SPDX-License-Identifier: GPL-3.0-or-later
#include "varritwidget.h"

#include <QAbstractScrollArea>
#include <QGridLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>

#include <algorithm>
#include <climits>

varritWidget::varritWidget(QWidget *parent)
    : QWidget(parent)
{
    // Qt would otherwise pop the dialog up by itself (4 s after construction,
    // or from setValue()); it appears only when timeout() shows it.
    progress.reset();
    progress.setMinimumDuration(INT_MAX);
    progress.setRange(0, 100);
    progress.setAutoClose(false);
    progress.setModal(true);
    progress.setLabelText(tr("Generating varrit grid.."));

    connect(&progress, &QProgressDialog::canceled, this, &varritWidget::stopGen);
    connect(&genThread, &QThread::finished, this, &varritWidget::genFinished);
    connect(&timer, &QTimer::timeout, this, &varritWidget::timeout);
}

varritWidget::~varritWidget()
{
    // An attempt takes well under a second; forced termination could leave
    // a runtime lock held.
    genThread.requestStop();
    genThread.waitForRun();
}

void varritWidget::generate(quint32 rows, quint32 columns, quint32 seeds, quint32 minFieldSize, quint32 maxFieldSize)
{
    const quint32 row = selectedRow, column = selectedColumn;
    selectedRow = 0;
    selectedColumn = 0;
    if (rows == 0 || columns == 0) {
        showMessage(tr("That would be very easy, don't you think? :-)"));
        return;
    }
    if (!startGen({rows, columns, seeds, minFieldSize, maxFieldSize})) {
        // A run that never started leaves the board as it was.
        selectedRow = row;
        selectedColumn = column;
    }
}

bool varritWidget::startGen(const GenParams &params)
{
    genThread.requestStop();
    genThread.waitForRun();
    buildGrid.setSeedSource(seedSource);
    genThread.setParams(&buildGrid, params);
    running = params;
    cancelled = false;
    progress.setLabelText(progressLabel(params));
    withdrawStatus();
    timer.setInterval(250);
    timer.start();
    genThread.clearStopRequest();
    ++pendingRuns;
    if (genThread.startRun())
        return true;
    // No thread to be had: the run ends here, as if it had finished, and the
    // puzzle shown stays. Runs stopped before it have ended too; their
    // finished() reports, still on their way, change nothing.
    pendingRuns = 0;
    buildGrid.clear();
    progress.hide();
    timer.stop();
    showMessage(tr("No new puzzle: the system could not start a thread to generate it."));
    return false;
}

// The search goes on until Cancel whatever the limits; where they plainly
// cannot be met, the player is told so while it runs.
QString varritWidget::progressLabel(const GenParams &p)
{
    QString why;
    switch (p.limits()) {
    case GenParams::Limits::Possible:
        return tr("Generating varrit grid..");
    case GenParams::Limits::MaxIsZero:
        why = tr("Max field size is 0, but every field has at least one cell.");
        break;
    case GenParams::Limits::MinAboveMax:
        why = tr("Min field size %L1 is above Max field size %L2.").arg(p.minFieldSize).arg(p.maxFieldSize);
        break;
    case GenParams::Limits::MinAboveBoard:
        why = tr("Min field size %L1 is more than the board's %L2 × %L3 cells.")
                  .arg(p.minFieldSize)
                  .arg(p.rows)
                  .arg(p.columns);
        break;
    case GenParams::Limits::NoCountFits:
        why = tr("A board of %L1 × %L2 cells cannot be cut into fields of %L3 to %L4 cells.")
                  .arg(p.rows)
                  .arg(p.columns)
                  .arg(p.minFieldSize)
                  .arg(p.maxFieldSize);
        break;
    }
    return tr("Generating varrit grid..") + "\n\n" + why + "\n"
           + tr("No puzzle can meet these settings: Cancel shows the last attempt.");
}

void varritWidget::timeout()
{
    if (!progress.isVisible())
        progress.show();
    timer.setInterval(50);
    const int value = progress.value();
    progress.setValue(value < 100 ? value + 1 : 0);
}

void varritWidget::stopGen()
{
    genThread.requestStop();
    genThread.waitForRun();
    timer.stop();
    cancelled = true;
}

void varritWidget::genFinished()
{
    // A run stopped by a newer generate() still reports its end, after the
    // new run has begun; only the latest run's report completes anything.
    if (pendingRuns == 0 || --pendingRuns > 0)
        return;
    genThread.waitForRun();
    grid.swapPuzzle(buildGrid);
    buildGrid.clear();

    progress.hide();
    timer.stop();
    adjustBoardSize();
    showTopLeft();
    update();
    if (cancelled && !grid.fieldSizesWithin(running.minFieldSize, running.maxFieldSize)) {
        // Else the puzzle shown would pass for one that meets the settings.
        quint32 least = UINT_MAX, most = 0;
        for (const Field &f : grid.fields()) {
            least = std::min(least, f.area());
            most = std::max(most, f.area());
        }
        showStatus(tr("Cancelled after %L1 attempts: this puzzle's fields have %L2 to %L3 cells, outside %L4..%L5.")
                       .arg(genThread.attemptsMade())
                       .arg(least)
                       .arg(most)
                       .arg(running.minFieldSize)
                       .arg(running.maxFieldSize));
    }
}

void varritWidget::setPuzzle(const PuzzleGrid &puzzle)
{
    grid = puzzle;
    selectedRow = 0;
    selectedColumn = 0;
    adjustBoardSize();
    showTopLeft();
    update();
}

// Taken up by the next generation; the one under way keeps its own.
void varritWidget::setSeedSource(std::function<quint32()> source)
{
    seedSource = std::move(source);
}

// A new puzzle is seen from its beginning, wherever the old one was scrolled to.
void varritWidget::showTopLeft()
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *area = qobject_cast<QAbstractScrollArea *>(w)) {
            area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->minimum());
            area->verticalScrollBar()->setValue(area->verticalScrollBar()->minimum());
            return;
        }
    }
}

void varritWidget::showStatus(const QString &text, int timeout)
{
    if (auto *main = qobject_cast<QMainWindow *>(window())) {
        main->statusBar()->showMessage(text, timeout);
        statusShown = text;
    }
}

// Takes back what the board said, where nothing else has been said since.
void varritWidget::withdrawStatus()
{
    auto *main = qobject_cast<QMainWindow *>(window());
    if (main && !statusShown.isEmpty() && main->statusBar()->currentMessage() == statusShown)
        main->statusBar()->clearMessage();
    statusShown.clear();
}

void varritWidget::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::Information, "varritQt", text);
    // The box fits its text, and a window manager cuts the title to that
    // width: leave room for the title beside the frame's own buttons.
    if (auto *layout = qobject_cast<QGridLayout *>(box.layout())) {
        const int width = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 200;
        layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), layout->rowCount(), 0,
                        1, layout->columnCount());
    }
    box.exec();
}

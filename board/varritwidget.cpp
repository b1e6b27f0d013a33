#include "varritwidget.h"

#include <QMessageBox>

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
    progress.setLabelText("Generating varrit grid..");

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
    selectedRow = 0;
    selectedColumn = 0;
    if (rows == 0 || columns == 0) {
        showMessage("That would be very easy, don't you think? :-)");
        return;
    }
    startGen({rows, columns, seeds, minFieldSize, maxFieldSize});
}

void varritWidget::startGen(const GenParams &params)
{
    genThread.requestStop();
    genThread.waitForRun();
    buildGrid.setSeedSource(seedSource);
    genThread.setParams(&buildGrid, params);
    timer.setInterval(250);
    timer.start();
    genThread.clearStopRequest();
    ++pendingRuns;
    if (genThread.startRun())
        return;
    // No thread to be had: the run ends here, as if it had finished, and the
    // puzzle shown stays. Runs stopped before it have ended too; their
    // finished() reports, still on their way, change nothing.
    pendingRuns = 0;
    buildGrid.clear();
    progress.hide();
    timer.stop();
    showMessage("No new puzzle: the system could not start a thread to generate it.");
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
    update();
}

void varritWidget::setPuzzle(const PuzzleGrid &puzzle)
{
    grid = puzzle;
    selectedRow = 0;
    selectedColumn = 0;
    adjustBoardSize();
    update();
}

// Taken up by the next generation; the one under way keeps its own.
void varritWidget::setSeedSource(std::function<quint32()> source)
{
    seedSource = std::move(source);
}

void varritWidget::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::Information, "varritQt", text);
    box.exec();
}

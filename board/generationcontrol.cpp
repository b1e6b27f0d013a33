// SPDX-License-Identifier: GPL-3.0-or-later
#include "generationcontrol.h"

#include "infobox.h"
#include "puzzlegrid.h"

#include <QProgressBar>

#include <climits>
#include <utility>

namespace {

// The dialog shows a quarter of a second into a run, then its bar moves a
// step every twentieth of a second: it shows activity, not a share of work.
// What the latest attempt was like is told at once, then every second.
constexpr int firstTickMs = 250;
constexpr int tickMs = 50;
constexpr int ticksPerLabel = 20;

}  // namespace

GenerationControl::GenerationControl(QObject *parent)
    : QObject(parent)
{
    // Qt would otherwise pop the dialog up by itself (4 s after construction,
    // or from setValue()); it appears only when tick() shows it.
    auto *bar = new QProgressBar;
    bar->setFormat(tr("%p%", "the progress bar's percentage"));
    progress.setBar(bar);
    progress.reset();
    progress.setMinimumDuration(INT_MAX);
    progress.setRange(0, 100);
    progress.setAutoClose(false);
    progress.setModal(true);
    progress.setLabelText(idleLabel());

    connect(&progress, &QProgressDialog::canceled, this, &GenerationControl::cancel);
    connect(&genThread, &GenThread::puzzleReady, this, &GenerationControl::runEnded);
    connect(&timer, &QTimer::timeout, this, &GenerationControl::tick);
}

bool GenerationControl::generate(const GenParams &params)
{
    cancelled = false;
    if (!report.isEmpty())
        emit statusWithdrawn(std::exchange(report, QString()));
    progress.setLabelText(progressLabel(params, AreaRange()));
    ticks = 0;
    underWay = genThread.startRun(params);
    if (underWay) {
        timer.start(firstTickMs);
        return true;
    }
    // The puzzle shown stays; a run stopped for this one reports nothing.
    progress.hide();
    timer.stop();
    showInformation(tr("No new puzzle: the system could not start a thread to generate it."));
    return false;
}

void GenerationControl::cancel()
{
    cancelled = true;
    genThread.stop();
    timer.stop();
}

void GenerationControl::tick()
{
    if (ticks++ % ticksPerLabel == 0)
        progress.setLabelText(progressLabel(genThread.runParams(), genThread.latestAttempt()));
    if (!progress.isVisible())
        progress.show();
    timer.setInterval(tickMs);
    const int value = progress.value();
    progress.setValue(value < 100 ? value + 1 : 0);
}

void GenerationControl::runEnded(PuzzleGrid *puzzle)
{
    underWay = false;
    progress.hide();
    timer.stop();
    // Read before the hand-over, which a receiver may answer with a new run.
    const AreaRange areas = puzzle->fieldAreas();
    const GenParams p = genThread.runParams();
    const quint64 attempts = genThread.attemptsMade();
    emit puzzleReady(puzzle);
    if (cancelled && !areas.within(p.minFieldSize, p.maxFieldSize)) {
        // Else the puzzle shown would pass for one that meets the settings.
        report = cancelReport(attempts, areas, p);
        emit statusMessage(report, 0);
    }
}

// The figures first, short enough for the status bar of a small window. The
// count is written in full; where it is too large for the choice of plural
// form, its last six digits choose (4,000,000,021 is worded as 1,000,021).
QString GenerationControl::cancelReport(quint64 attempts, const AreaRange &areas, const GenParams &p)
{
    const int plural = int(attempts <= INT_MAX ? attempts : attempts % 1000000 + 1000000);
    const QString text =
        (attempts == 1 ? tr("Fields of %L1 to %L2 cells instead of %L3 to %L4, after one attempt.")
                       : tr("Fields of %L1 to %L2 cells instead of %L3 to %L4, after %L5 attempts.", nullptr, plural))
            .arg(areas.smallest)
            .arg(areas.largest)
            .arg(p.minFieldSize)
            .arg(p.maxFieldSize);
    return attempts == 1 ? text : text.arg(attempts);
}

QString GenerationControl::idleLabel()
{
    return tr("Generating varrit grid..");
}

// The search goes on until Cancel whatever the limits: where they plainly
// cannot be met, the player is told so; else how the latest attempt missed
// them, and which way the seeds move the fields.
QString GenerationControl::progressLabel(const GenParams &p, const AreaRange &latest)
{
    QString why;
    switch (p.limits()) {
    case GenParams::Limits::Possible: {
        const bool tooLarge = latest.largest > p.maxFieldSize, tooSmall = latest.smallest < p.minFieldSize;
        if (latest.isEmpty() || !(tooLarge || tooSmall))
            return idleLabel();
        return idleLabel() + "\n\n"
               + tr("Latest attempt: fields of %L1 to %L2 cells, limits %L3 to %L4.")
                     .arg(latest.smallest)
                     .arg(latest.largest)
                     .arg(p.minFieldSize)
                     .arg(p.maxFieldSize)
               + "\n"
               + (tooLarge && tooSmall ? tr("Some fields are too small and some too large: widen the limits.")
                  : tooLarge           ? tr("More seeds make smaller fields.")
                                       : tr("Fewer seeds make larger fields."));
    }
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
    return idleLabel() + "\n\n" + why + "\n" + tr("No puzzle can meet these settings: Cancel shows the last attempt.");
}

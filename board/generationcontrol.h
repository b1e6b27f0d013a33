// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENERATIONCONTROL_H
#define GENERATIONCONTROL_H

#include "genparams.h"
#include "genthread.h"

#include <QObject>
#include <QProgressDialog>
#include <QTimer>

class PuzzleGrid;

// Runs one generation at a time on the worker: a modal progress dialog shows
// once a run takes a moment, says what the settings promise, and cancels;
// the puzzle is handed over when the run ends.
class GenerationControl : public QObject
{
    Q_OBJECT

public:
    explicit GenerationControl(QObject *parent = nullptr);

    // Stops a run under way and starts one for `params`. False, once the
    // player has been told, when the system has no thread for it: the run
    // ends there, without a puzzle.
    bool generate(const GenParams &params);
    // From generate() until the puzzle is handed over.
    bool isRunning() const { return underWay; }
    GenThread &worker() { return genThread; }

    // How far the puzzle of a cancelled run is from the settings.
    static QString cancelReport(quint64 attempts, const AreaRange &areas, const GenParams &params);

public slots:
    // Ends the run after the attempts in progress; their last puzzle comes as
    // any other, with a word on how far it is from the settings.
    void cancel();

signals:
    // The puzzle of a run that ended; the receiver may take it by swapping.
    void puzzleReady(PuzzleGrid *puzzle);
    void statusMessage(const QString &text, int timeout);
    // Takes back `text` where it is still shown.
    void statusWithdrawn(const QString &text);

private:
    void tick();
    void runEnded(PuzzleGrid *puzzle);
    static QString idleLabel();
    static QString progressLabel(const GenParams &params, const AreaRange &latest);

    GenThread genThread;
    QProgressDialog progress;
    QTimer timer;
    int ticks = 0;  // of the run under way
    bool underWay = false;
    bool cancelled = false;  // the run under way ends by Cancel
    QString report;          // the last word on a cancelled run
};

#endif  // GENERATIONCONTROL_H

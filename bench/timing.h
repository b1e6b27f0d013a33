// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIMING_H
#define TIMING_H

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

// How long `work` takes, in milliseconds.
template<typename Work> double elapsedMs(Work work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// The median of figures taken from several runs: a stray slow run on a
// shared machine moves it little.
inline double median(std::vector<double> figures)
{
    std::sort(figures.begin(), figures.end());
    return figures[figures.size() / 2];
}

#endif  // TIMING_H

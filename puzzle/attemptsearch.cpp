// SPDX-License-Identifier: GPL-3.0-or-later
#include "attemptsearch.h"

#include <algorithm>
#include <memory>
#include <system_error>

namespace {

// About a hundred microseconds of work per claim, and never more than 16
// seeds drawn ahead: claiming stays cheap however many threads share it.
std::size_t batchFor(const GenParams &p)
{
    const quint64 cells = std::max<quint64>(1, quint64(p.rows) * p.columns);
    return std::size_t(std::clamp<quint64>(1600 / cells, 1, 16));
}

}  // namespace

AttemptSearch::AttemptSearch(PuzzleGrid &grid, const GenParams &params, const std::atomic<bool> &stopRequested,
                             SeedSource seedSource, Report *report)
    : grid(grid),
      params(params),
      stopRequested(stopRequested),
      seedSource(std::move(seedSource)),
      report(report),
      batch(batchFor(params))
{ }

void AttemptSearch::run(int workerCount, const HelperStarter &startHelper)
{
    // The partitions go with the workers when the run ends.
    std::vector<std::unique_ptr<Worker>> workers(std::size_t(std::max(1, workerCount)));
    for (auto &w : workers)
        w = std::make_unique<Worker>();
    workers[0]->report = report;
    // Attempts are claimed, not dealt out, so fewer threads find the same puzzle.
    std::vector<std::thread> helpers;
    helpers.reserve(workers.size());
    for (std::size_t i = 1; i < workers.size(); ++i) {
        std::function<void()> task = [this, &w = *workers[i]] { work(w); };
        try {
            helpers.push_back(startHelper ? startHelper(std::move(task)) : std::thread(std::move(task)));
        } catch (const std::system_error &) {
            break;
        }
    }
    work(*workers[0]);
    for (std::thread &t : helpers)
        t.join();

    // Every worker ends on a complete attempt: the accepted one, or its last.
    Worker *chosen = nullptr;
    const quint64 best = bestAccepted.load();
    attemptCount = 0;
    for (const auto &w : workers) {
        attemptCount += w->attempts;
        if (w->lastDone == none)
            continue;
        if (best != none ? w->lastDone == best : !chosen || w->lastDone > chosen->lastDone)
            chosen = w.get();
    }
    result = chosen ? chosen->lastDone : none;
    if (chosen)
        chosen->partition.writeTo(grid);
}

void AttemptSearch::work(Worker &w)
{
    quint64 attempt = 0;
    quint32 seed = 0;
    while (nextAttempt(w, attempt, seed)) {
        w.partition.generate(params.rows, params.columns, params.seeds, seed);
        ++w.attempts;
        w.lastDone = attempt;
        // Cleared first: a wish made meanwhile is met by the next attempt.
        if (w.report && w.report->wanted.load(std::memory_order_relaxed)) {
            w.report->wanted.store(false, std::memory_order_relaxed);
            w.report->areas.store(w.partition.fieldAreas().packed(), std::memory_order_relaxed);
        }
        if (w.partition.fieldSizesWithin(params.minFieldSize, params.maxFieldSize)) {
            accept(attempt);
            return;  // keep this partition as it is
        }
        if (stopRequested.load(std::memory_order_relaxed))
            return;
    }
}

// False once every attempt this worker could still run is above an accepted one.
bool AttemptSearch::nextAttempt(Worker &w, quint64 &attempt, quint32 &seed)
{
    if (w.next == w.seeds.size()) {
        std::lock_guard<std::mutex> lock(claimMutex);
        w.first = nextToClaim;
        w.seeds.resize(batch);
        for (quint32 &s : w.seeds)
            s = seedSource();
        nextToClaim += batch;
        w.next = 0;
    }
    attempt = w.first + w.next;
    seed = w.seeds[w.next++];
    return attempt < bestAccepted.load(std::memory_order_relaxed);
}

void AttemptSearch::accept(quint64 attempt)
{
    quint64 best = bestAccepted.load();
    while (attempt < best && !bestAccepted.compare_exchange_weak(best, attempt)) { }
}

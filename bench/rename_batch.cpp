// SPDX-License-Identifier: MIT
// The batch rename (pre-flight and two passes through the real file system, without and with its
// journal, and as the window runs it, with journal and history) against a bare loop of renameat2
// calls on full paths making the same renames in the same run, and against that loop followed by
// one sync of the folder, which makes the renames durable as the batch does. The batch renames
// relative to the folder it opened, which spares the kernel the walk along the folder's path, so
// a third loop makes the same renames that way, followed by the folder sync.
// Counters, each the median over the iterations of runs made in the same iteration: "ratio" is
// engine wall time / bare loop wall time, "cpu_ratio" the same in thread CPU time (system time
// included), "sync_ratio" engine wall time / (bare loop + folder sync) wall time,
// "folder_sync_ratio" engine wall time / (loop relative to the folder + folder sync). With
// history, "history_share" is the part of the batch's wall time that writing the history takes:
// (batch with journal and history - batch with journal) / batch with journal.
#include "batch/batch.h"
#include "batch/name_rules.h"
#include "journal/journal.h"
#include "rename/rename_keeper.h"
#include "support/no_questions.h"
#include "support/thread_time.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <optional>
#include <unistd.h>

namespace {

using km::bench::threadSeconds;

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

struct Timing {
    double wall = 0;
    double cpu = 0;
};

template <typename Work> Timing timed(Work&& work) {
    const double wall = wallSeconds();
    const double cpu = threadSeconds();
    work();
    return {wallSeconds() - wall, threadSeconds() - cpu};
}

// Memory-backed when the machine has it, so that the figures show the cost of the engine itself
// rather than the disk of a shared machine.
QString folderTemplate() {
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return base + QStringLiteral("/kestrelmark-bench-XXXXXX");
}

// A folder of photos IMG_000001.JPG ... renumbered in reverse order, so that most new names are
// names that other files of the batch have before the rename. Each run gets a folder of its own:
// a folder in which many names were removed and made again takes longer to rename in, so runs
// in one folder would pay for the ones before them.
class PhotoFolder {
public:
    explicit PhotoFolder(int count) {
        for (int i = 0; i < count; ++i) {
            const QString to =
                QStringLiteral("IMG_%1.JPG").arg(count - i + 1, 6, 10, QLatin1Char('0'));
            m_plan.pairs.push_back(
                {QStringLiteral("IMG_%1.JPG").arg(i + 1, 6, 10, QLatin1Char('0')), to});
        }
        reset();
    }

    const km::BatchPlan& plan() const { return m_plan; }

    // A new folder with the original photos; the last one goes with what it holds.
    void reset() {
        m_dir.emplace(folderTemplate());
        m_plan.folder = m_dir->path() + QLatin1Char('/');
        m_from.clear();
        m_temporary.clear();
        m_to.clear();
        for (const km::RenamePair& pair : m_plan.pairs) {
            m_from.push_back(QFile::encodeName(m_plan.folder + pair.from));
            m_temporary.push_back(QFile::encodeName(m_plan.folder + km::temporaryName(pair.to)));
            m_to.push_back(QFile::encodeName(m_plan.folder + pair.to));
        }
        for (const QByteArray& path : m_from) {
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd < 0 || ::close(fd) != 0)
                std::perror("creating a photo");
        }
    }

    void syncFolder() const {
        const int fd = ::open(QFile::encodeName(m_plan.folder).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0 || ::fsync(fd) != 0 || ::close(fd) != 0)
            std::perror("syncing the folder");
    }

    void bareRenames() const { renamesFrom(AT_FDCWD, 0); }

    // The same renames by bare names, relative to the folder opened once.
    void bareRenamesInFolder() const {
        const QByteArray folder = QFile::encodeName(m_plan.folder);
        const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            std::perror("opening the folder");
        renamesFrom(fd, folder.size());
        ::close(fd);
    }

private:
    // Each path from `skip` bytes on, relative to `folderFd`.
    void renamesFrom(int folderFd, qsizetype skip) const {
        for (std::size_t i = 0; i < m_from.size(); ++i)
            renameat2(folderFd, m_from[i].constData() + skip, folderFd,
                      m_temporary[i].constData() + skip, RENAME_NOREPLACE);
        for (std::size_t i = 0; i < m_from.size(); ++i)
            renameat2(folderFd, m_temporary[i].constData() + skip, folderFd,
                      m_to[i].constData() + skip, RENAME_NOREPLACE);
    }

    std::optional<QTemporaryDir> m_dir;
    km::BatchPlan m_plan;
    std::vector<QByteArray> m_from;
    std::vector<QByteArray> m_temporary;
    std::vector<QByteArray> m_to;
};

using BatchRun = std::function<bool(const km::BatchPlan&)>;

// The timings of one kind of run, one per iteration.
using Timings = std::vector<Timing>;

// The median over the iterations of a ratio between two kinds of run made in the same iteration:
// one iteration slowed down by the rest of a shared machine does not move it.
template <typename Ratio>
double medianRatio(const Timings& engine, const Timings& baseline, Ratio ratio) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < engine.size() && i < baseline.size(); ++i)
        ratios.push_back(ratio(engine[i], baseline[i]));
    if (ratios.empty())
        return 0;
    std::sort(ratios.begin(), ratios.end());
    const std::size_t middle = ratios.size() / 2;
    return ratios.size() % 2 == 1 ? ratios[middle] : (ratios[middle - 1] + ratios[middle]) / 2;
}

double wallRatio(const Timing& engine, const Timing& baseline) {
    return engine.wall / baseline.wall;
}

double medianMs(const Timings& runs) {
    return 1000 *
           medianRatio(runs, runs, [](const Timing& run, const Timing&) { return run.wall; });
}

// Runs `engine` once per iteration, each time on a fresh folder, next to the bare loop, the bare
// loop with a folder sync, the loop relative to the folder with a folder sync and, when given,
// `reference`, whose time is the history's baseline. The runs take turns at going first.
void renameBatch(benchmark::State& state, const BatchRun& engine, const BatchRun& reference = {}) {
    PhotoFolder folder(static_cast<int>(state.range(0)));
    Timings bareTimes;
    Timings bareSyncedTimes;
    Timings inFolderSyncedTimes;
    Timings engineTimes;
    Timings referenceTimes;
    const BatchRun bare = [&](const km::BatchPlan&) {
        folder.bareRenames();
        return true;
    };
    const BatchRun bareSynced = [&](const km::BatchPlan&) {
        folder.bareRenames();
        folder.syncFolder();
        return true;
    };
    const BatchRun inFolderSynced = [&](const km::BatchPlan&) {
        folder.bareRenamesInFolder();
        folder.syncFolder();
        return true;
    };
    std::vector<std::pair<Timings*, const BatchRun*>> runs{{&bareTimes, &bare},
                                                           {&bareSyncedTimes, &bareSynced},
                                                           {&inFolderSyncedTimes, &inFolderSynced},
                                                           {&engineTimes, &engine}};
    if (reference)
        runs.emplace_back(&referenceTimes, &reference);
    for (auto _ : state) {
        for (auto& [times, run] : runs) {
            bool done = false;
            times->push_back(timed([&] { done = (*run)(folder.plan()); }));
            if (!done)
                state.SkipWithError("the batch did not complete");
            folder.reset();
        }
        std::rotate(runs.begin(), runs.begin() + 1, runs.end());
    }
    state.counters["bare_ms"] = medianMs(bareTimes);
    state.counters["bare_sync_ms"] = medianMs(bareSyncedTimes);
    state.counters["ratio"] = medianRatio(engineTimes, bareTimes, wallRatio);
    state.counters["cpu_ratio"] = medianRatio(
        engineTimes, bareTimes, [](const Timing& a, const Timing& b) { return a.cpu / b.cpu; });
    state.counters["sync_ratio"] = medianRatio(engineTimes, bareSyncedTimes, wallRatio);
    state.counters["folder_sync_ratio"] = medianRatio(engineTimes, inFolderSyncedTimes, wallRatio);
    if (reference)
        state.counters["history_share"] = medianRatio(engineTimes, referenceTimes, wallRatio) - 1;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RenameBatch(benchmark::State& state) {
    km::DiskFileOps ops;
    renameBatch(state, [&](const km::BatchPlan& plan) { return km::renameBatch(plan, ops).done; });
}

// The journal goes where the program keeps it, on disk, so its two syncs are paid in full.
void BM_RenameBatchWithJournal(benchmark::State& state) {
    QTemporaryDir stateFolder;
    km::JournalFile journal(stateFolder.filePath(QStringLiteral("journal")));
    km::DiskFileOps ops;
    renameBatch(state, [&](const km::BatchPlan& plan) {
        return km::renameBatch(plan, ops, &journal).done;
    });
}

// As the window renames: journal and history on disk, through the rename bookkeeping.
void BM_RenameBatchWithJournalAndHistory(benchmark::State& state) {
    QTemporaryDir stateFolder;
    km::DiskFileOps ops;
    km::bench::NoQuestions questions;
    km::RenameKeeper keeper(stateFolder.path(), ops, questions);
    km::JournalFile journal(stateFolder.filePath(QStringLiteral("journal")));
    renameBatch(
        state, [&](const km::BatchPlan& plan) { return keeper.rename(plan).done; },
        [&](const km::BatchPlan& plan) { return km::renameBatch(plan, ops, &journal).done; });
}

BENCHMARK(BM_RenameBatch)->Arg(10000)->Iterations(9)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatch)->Arg(100000)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournal)
    ->Arg(10000)
    ->Iterations(9)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournal)
    ->Arg(100000)
    ->Iterations(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournalAndHistory)
    ->Arg(10000)
    ->Iterations(9)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournalAndHistory)
    ->Arg(100000)
    ->Iterations(5)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// SPDX-License-Identifier: MIT
// The batch rename (pre-flight and two passes through the real file system, without and with its
// journal, and as the window runs it, with journal and history) against a bare loop of renameat2
// calls on full paths making the same renames in the same run, and against that loop followed by
// one sync of the folder, which makes the renames durable as the batch does. The batch renames
// relative to the folder it opened, which spares the kernel the walk along the folder's path, so
// a third loop makes the same renames that way, followed by the folder sync.
// Counters: "ratio" is engine wall time / bare loop wall time, "cpu_ratio" the same in thread CPU
// time (system time included), "sync_ratio" engine wall time / (bare loop + folder sync) wall
// time, "folder_sync_ratio" engine wall time / (loop relative to the folder + folder sync). With
// history, "history_share" is the part of the batch's wall time that writing the history takes:
// (batch with journal and history - batch with journal) / batch with journal.
#include "rename/batch.h"
#include "rename/journal.h"
#include "rename/name_rules.h"
#include "rename/rename_keeper.h"
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
// names that other files of the batch have before the rename.
class PhotoFolder {
public:
    explicit PhotoFolder(int count) : m_dir(folderTemplate()) {
        const QString folder = m_dir.path() + QLatin1Char('/');
        m_plan.folder = folder;
        for (int i = 0; i < count; ++i) {
            const QString from = QStringLiteral("IMG_%1.JPG").arg(i + 1, 6, 10, QLatin1Char('0'));
            const QString to =
                QStringLiteral("IMG_%1.JPG").arg(count - i + 1, 6, 10, QLatin1Char('0'));
            m_plan.pairs.push_back({from, to});
            m_from.push_back(QFile::encodeName(folder + from));
            m_temporary.push_back(QFile::encodeName(folder + km::temporaryName(to)));
            m_to.push_back(QFile::encodeName(folder + to));
        }
    }

    const km::BatchPlan& plan() const { return m_plan; }

    // Removes the renamed files and creates the originals again.
    void reset(bool renamed) {
        for (const QByteArray& path : renamed ? m_to : m_from)
            ::unlink(path.constData());
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

    QTemporaryDir m_dir;
    km::BatchPlan m_plan;
    std::vector<QByteArray> m_from;
    std::vector<QByteArray> m_temporary;
    std::vector<QByteArray> m_to;
};

// Asks no question: the benchmarks leave no batch interrupted.
class NoQuestions final : public km::RecoveryQuestions {
public:
    void damagedJournal(const QString&, const QString&, const km::fs::FileError&) override {}
    std::optional<bool> keepRecordOfMissingFolder(const km::BatchRecord&) override { return true; }
    void unreadableFolder(const km::BatchRecord&, const km::fs::FileError&) override {}
    std::optional<km::RecoveryDirection> finishOrRollBack(const km::BatchRecord&) override {
        return std::nullopt;
    }
    void recovered(const km::RecoveryReport&) override {}
};

using BatchRun = std::function<bool(const km::BatchPlan&)>;

struct Totals {
    Timing bare;
    Timing bareSynced;
    Timing inFolderSynced;
    Timing engine;
    Timing reference;

    static void add(Timing& total, const Timing& run) {
        total.wall += run.wall;
        total.cpu += run.cpu;
    }
};

// Runs `engine` once per iteration, each time on a fresh folder, next to the bare loop, the bare
// loop with a folder sync and, when given, `reference`, whose time is the history's baseline.
// Each run leaves the folder's file system with more to look through (names removed and made
// again), so the runs take turns at going first.
void renameBatch(benchmark::State& state, const BatchRun& engine, const BatchRun& reference = {}) {
    PhotoFolder folder(static_cast<int>(state.range(0)));
    Totals totals;
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
    std::vector<std::pair<Timing*, const BatchRun*>> runs{{&totals.bare, &bare},
                                                          {&totals.bareSynced, &bareSynced},
                                                          {&totals.inFolderSynced, &inFolderSynced},
                                                          {&totals.engine, &engine}};
    if (reference)
        runs.emplace_back(&totals.reference, &reference);
    folder.reset(false);
    for (auto _ : state) {
        for (auto& [total, run] : runs) {
            bool done = false;
            Totals::add(*total, timed([&] { done = (*run)(folder.plan()); }));
            if (!done)
                state.SkipWithError("the batch did not complete");
            folder.reset(true);
        }
        std::rotate(runs.begin(), runs.begin() + 1, runs.end());
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000 * totals.bare.wall / iterations;
    state.counters["bare_sync_ms"] = 1000 * totals.bareSynced.wall / iterations;
    state.counters["ratio"] = totals.engine.wall / totals.bare.wall;
    state.counters["cpu_ratio"] = totals.engine.cpu / totals.bare.cpu;
    state.counters["sync_ratio"] = totals.engine.wall / totals.bareSynced.wall;
    state.counters["folder_sync_ratio"] = totals.engine.wall / totals.inFolderSynced.wall;
    if (reference)
        state.counters["history_share"] =
            (totals.engine.wall - totals.reference.wall) / totals.reference.wall;
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
    NoQuestions questions;
    km::RenameKeeper keeper(stateFolder.path(), ops, questions);
    km::JournalFile journal(stateFolder.filePath(QStringLiteral("journal")));
    renameBatch(
        state, [&](const km::BatchPlan& plan) { return keeper.rename(plan).done; },
        [&](const km::BatchPlan& plan) { return km::renameBatch(plan, ops, &journal).done; });
}

BENCHMARK(BM_RenameBatch)->Arg(10000)->Iterations(8)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatch)->Arg(100000)->Iterations(4)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournal)
    ->Arg(10000)
    ->Iterations(8)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournal)
    ->Arg(100000)
    ->Iterations(4)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournalAndHistory)
    ->Arg(10000)
    ->Iterations(8)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournalAndHistory)
    ->Arg(100000)
    ->Iterations(4)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

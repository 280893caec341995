// SPDX-License-Identifier: MIT
// The batch rename (pre-flight and two passes through the real file system, without and with its
// journal) against a bare loop of renameat2 calls making the same renames in the same run.
// Counters: "ratio" is engine wall time / bare loop wall time, "cpu_ratio" the same in thread CPU
// time (system time included).
#include "rename/batch.h"
#include "rename/journal.h"
#include "rename/name_rules.h"
#include "support/thread_time.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
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

    void bareRenames() const {
        for (std::size_t i = 0; i < m_from.size(); ++i)
            renameat2(AT_FDCWD, m_from[i].constData(), AT_FDCWD, m_temporary[i].constData(),
                      RENAME_NOREPLACE);
        for (std::size_t i = 0; i < m_from.size(); ++i)
            renameat2(AT_FDCWD, m_temporary[i].constData(), AT_FDCWD, m_to[i].constData(),
                      RENAME_NOREPLACE);
    }

private:
    QTemporaryDir m_dir;
    km::BatchPlan m_plan;
    std::vector<QByteArray> m_from;
    std::vector<QByteArray> m_temporary;
    std::vector<QByteArray> m_to;
};

void renameBatch(benchmark::State& state, km::BatchJournal* journal) {
    PhotoFolder folder(static_cast<int>(state.range(0)));
    km::DiskFileOps ops;
    folder.reset(false);
    Timing bare;
    Timing engine;
    for (auto _ : state) {
        state.PauseTiming();
        folder.reset(false);
        const Timing bareRun = timed([&] { folder.bareRenames(); });
        folder.reset(true);
        state.ResumeTiming();
        bool done = false;
        const Timing engineRun =
            timed([&] { done = km::renameBatch(folder.plan(), ops, journal).done; });
        if (!done)
            state.SkipWithError("the batch did not complete");
        state.PauseTiming();
        folder.reset(true);
        state.ResumeTiming();
        bare.wall += bareRun.wall;
        bare.cpu += bareRun.cpu;
        engine.wall += engineRun.wall;
        engine.cpu += engineRun.cpu;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = 1000 * bare.wall / iterations;
    state.counters["ratio"] = engine.wall / bare.wall;
    state.counters["cpu_ratio"] = engine.cpu / bare.cpu;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RenameBatch(benchmark::State& state) {
    renameBatch(state, nullptr);
}

// The journal goes where the program keeps it, on disk, so its two syncs are paid in full.
void BM_RenameBatchWithJournal(benchmark::State& state) {
    QTemporaryDir stateFolder;
    km::JournalFile journal(stateFolder.filePath(QStringLiteral("journal")));
    renameBatch(state, &journal);
}

BENCHMARK(BM_RenameBatch)->Arg(10000)->Iterations(8)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatch)->Arg(100000)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournal)
    ->Arg(10000)
    ->Iterations(8)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameBatchWithJournal)
    ->Arg(100000)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

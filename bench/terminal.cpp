// SPDX-License-Identifier: MIT
// `kestrelmark rename` from a terminal on a folder of photos: the dry run (list, names, checks and
// the printed columns, to /dev/null) in seconds, target 1.5 s for 100,000 photos; and the rename
// with --apply against the window's batch (journal and history, through the rename bookkeeping)
// of the same plan on a folder of its own in the same iteration: "apply_ratio" is the terminal's
// wall time / the batch's, target 1.2.
#include "batch/file_ops.h"
#include "rename/rename_keeper.h"
#include "support/no_questions.h"
#include "support/photo_folder.h"
#include "terminal/terminal_commands.h"
#include "terminal/terminal_rename_plan.h"
#include "terminal/terminal_request.h"

#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

km::TerminalRequest renameOf(const QString& folder, bool apply) {
    QStringList arguments{"kestrelmark", "rename", folder, "--prefix", "trip_", "--digits", "6"};
    if (apply)
        arguments << "--apply";
    return km::readTerminalRequest(arguments);
}

void BM_TerminalDryRun(benchmark::State& state) {
    const km::bench::PhotoFolder photos(static_cast<int>(state.range(0)));
    QTemporaryDir places;
    std::FILE* nowhere = std::fopen("/dev/null", "w");
    std::vector<double> times;
    for (auto _ : state) {
        const double start = wallSeconds();
        const int status = km::runTerminalCommand(
            renameOf(photos.path(), false), {{}, {}, places.path()}, {nowhere, nowhere, false});
        times.push_back(wallSeconds() - start);
        benchmark::DoNotOptimize(status);
    }
    std::fclose(nowhere);
    state.counters["dry_run_s"] = median(times);
}

void BM_TerminalApply(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    std::FILE* nowhere = std::fopen("/dev/null", "w");
    std::vector<double> ratios;
    for (auto _ : state) {
        const km::bench::PhotoFolder terminalPhotos(count);
        const km::bench::PhotoFolder windowPhotos(count);
        QTemporaryDir terminalState;
        QTemporaryDir windowState;
        const km::TerminalRenamePlan plan =
            km::planTerminalRename(renameOf(windowPhotos.path(), true).rename, {});
        km::DiskFileOps ops;
        km::bench::NoQuestions questions;
        km::RenameKeeper keeper(windowState.path(), ops, questions);
        double start = wallSeconds();
        const bool windowDone = keeper.rename(plan.batch.plan).done;
        const double window = wallSeconds() - start;
        start = wallSeconds();
        const int status =
            km::runTerminalCommand(renameOf(terminalPhotos.path(), true),
                                   {{}, {}, terminalState.path()}, {nowhere, nowhere, false});
        const double terminal = wallSeconds() - start;
        if (!windowDone || status != km::kTerminalDone)
            state.SkipWithError("a rename failed");
        ratios.push_back(terminal / window);
    }
    std::fclose(nowhere);
    state.counters["apply_ratio"] = median(ratios);
}

BENCHMARK(BM_TerminalDryRun)
    ->Arg(100000)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TerminalApply)
    ->Arg(100000)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

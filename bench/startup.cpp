// SPDX-License-Identifier: MIT
// Start-up on a folder of 100,000 photos: from creating the main window to the window showing
// the filled list with its new names, against a start on an empty folder plus a bare listing of
// the big folder, in the same run. Reports "ratio" (target under 3) and the process's peak
// resident memory "peak_rss_mb" (target under 200).
#include "main_window/main_window.h"
#include "seams/main_window_test_seam.h"
#include "support/benchmark_main.h"
#include "support/photo_folder.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

using km::MainWindow;

namespace {

using Clock = std::chrono::steady_clock;

// A program folder whose settings file lists `folder` with JPEG ticked and the preview off.
std::unique_ptr<QTemporaryDir> programFolderFor(const QString& folder) {
    auto program = std::make_unique<QTemporaryDir>();
    QFile settings(program->filePath(QStringLiteral("Kestrelmark.cfg")));
    if (settings.open(QIODevice::WriteOnly))
        settings.write((folder + "\r\nfoto_\r\n1\r\n6\r\n1\r\n0\r\n0\r\n0\r\nY\r\n").toUtf8());
    return program;
}

double startSeconds(const QString& folder) {
    const auto program = programFolderFor(folder);
    const Clock::time_point begin = Clock::now();
    {
        MainWindow window(program->path(), folder);
        km::MainWindowTestSeam seam(window);
        window.load();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(seam.foundCount());
        seam.tick();
    }
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

double bareListingSeconds(const QString& folder) {
    const Clock::time_point begin = Clock::now();
    benchmark::DoNotOptimize(km::bench::bareJpegListing(folder));
    return std::chrono::duration<double>(Clock::now() - begin).count();
}

double peakResidentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

void startUp(benchmark::State& state) {
    const km::bench::PhotoFolder big(static_cast<int>(state.range(0)));
    const QTemporaryDir empty;
    double baseline = 0;
    double full = 0;
    for (auto _ : state) {
        baseline += startSeconds(empty.path()) + bareListingSeconds(big.path());
        full += startSeconds(big.path());
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["baseline_ms"] = 1000 * baseline / runs;
    state.counters["start_ms"] = 1000 * full / runs;
    state.counters["ratio"] = full / baseline;
    state.counters["peak_rss_mb"] = peakResidentMegabytes();
}
BENCHMARK(startUp)->Arg(100'000)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return km::bench::runBenchmarks(argc, argv);
}

// SPDX-License-Identifier: MIT
// The folder scan and list fill of the main window on folders of 10,000 and 100,000 photos,
// against a bare listing of the same folder (readdir, the same filter and the same sort) in the
// same run. The counter "ratio" is scan-and-fill time / bare listing time; "bytes_per_row" is
// the heap the photo list's model takes per row.
#include "main_window/main_window.h"
#include "photo_list/photo_list_model.h"
#include "support/benchmark_main.h"
#include "support/photo_folder.h"
#include "support/thread_time.h"
#include "widgets/check_box.h"
#include "widgets/folder_tree.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <map>
#include <memory>

using km::MainWindow;

namespace {

using km::bench::bareJpegListing;
using km::bench::threadSeconds;

// The photo folder of each size, made once for the whole run.
QString photoFolder(int count) {
    static std::map<int, std::unique_ptr<km::bench::PhotoFolder>> folders;
    auto& folder = folders[count];
    if (!folder)
        folder = std::make_unique<km::bench::PhotoFolder>(count);
    return folder->path();
}

void scanAndFill(benchmark::State& state) {
    const QString folder = photoFolder(static_cast<int>(state.range(0)));
    QTemporaryDir settings;
    MainWindow window(settings.path(), folder);
    window.findChild<km::CheckBox*>(QStringLiteral("cbJPG"))->setValue(1);
    auto* tree = window.findChild<km::FolderTree*>(QStringLiteral("FolderTreeview1"));
    tree->setSelectedPath(folder);
    double bareSeconds = 0;
    double fillSeconds = 0;
    for (auto _ : state) {
        double begin = threadSeconds();
        benchmark::DoNotOptimize(bareJpegListing(folder));
        bareSeconds += threadSeconds() - begin;
        begin = threadSeconds();
        emit tree->Click();
        fillSeconds += threadSeconds() - begin;
    }
    state.counters["bare_ms"] = 1000 * bareSeconds / static_cast<double>(state.iterations());
    state.counters["fill_ms"] = 1000 * fillSeconds / static_cast<double>(state.iterations());
    state.counters["ratio"] = fillSeconds / bareSeconds;
}
BENCHMARK(scanAndFill)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond)->Iterations(5);

void modelMemory(benchmark::State& state) {
    const QStringList names = bareJpegListing(photoFolder(100'000));
    for (auto _ : state) {
        const size_t before = mallinfo2().uordblks;
        {
            km::PhotoListModel model;
            model.setPhotos(names, {});
            QStringList newNames;
            newNames.reserve(names.size());
            for (int row = 0; row < model.count(); ++row)
                newNames.append(
                    QStringLiteral("foto_%1.jpg").arg(row + 1, 6, 10, QLatin1Char('0')));
            model.setNewNames(std::move(newNames));
            const size_t after = mallinfo2().uordblks;
            state.counters["bytes_per_row"] =
                static_cast<double>(after - before) / static_cast<double>(names.size());
        }
    }
}
BENCHMARK(modelMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return km::bench::runBenchmarks(argc, argv);
}

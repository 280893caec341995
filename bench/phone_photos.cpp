// SPDX-License-Identifier: MIT
// Phones' photos: a HEIC preview drawn from the file's own thumbnail against the same picture
// without one (decoded whole and scaled), and the main window's scan of 10,000 HEIC, PNG, TIFF and
// WebP photos with them listed against 10,000 JPEGs with the designed settings, each pair in the
// same run. Prints the ratio of each pair.
#include "main_window/main_window.h"
#include "phone_files.h"
#include "support/benchmark_main.h"
#include "support/camera_picture.h"
#include "support/speed_up_reporter.h"
#include "support/thread_time.h"
#include "thumbnails/thumbnail.h"
#include "widgets/check_box.h"
#include "widgets/folder_tree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

using km::bench::threadSeconds;

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
}

// The same picture as an iPhone stores it, with a 320 x 240 thumbnail, and without one.
struct HeicFiles {
    QTemporaryDir folder;
    QString withThumbnail = folder.filePath("IMG_0001.HEIC");
    QString withoutThumbnail = folder.filePath("IMG_0002.HEIC");

    HeicFiles() {
        // A phone's 12-megapixel picture.
        const QImage picture = km::bench::cameraLikePicture(QSize(4032, 3024));
        const QImage thumbnail =
            picture.scaled(320, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        writeFile(withThumbnail, km::fixtures::heifBytes(picture, {.thumbnail = thumbnail}));
        writeFile(withoutThumbnail, km::fixtures::heifBytes(picture));
    }
};

HeicFiles* heicFiles = nullptr;

// A preview box at the main window's starting size.
const QSize kDrawn(169, 127);

void drawHeic(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        const QImage drawn = km::ThumbnailSource(path).render(kDrawn);
        if (drawn.size() != kDrawn)
            state.SkipWithError("nothing drawn");
        benchmark::DoNotOptimize(drawn.constBits());
    }
}

void heicFromItsThumbnail(benchmark::State& state) {
    drawHeic(state, heicFiles->withThumbnail);
}

void heicDecodedWholeAndScaled(benchmark::State& state) {
    drawHeic(state, heicFiles->withoutThumbnail);
}

BENCHMARK(heicDecodedWholeAndScaled)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(heicFromItsThumbnail)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

// Empty files named as a phone and image programs name them, or as a camera names its JPEGs.
QString folderOf(QTemporaryDir& dir, int count, bool phoneTypes) {
    static const char* const kPhoneEndings[] = {"HEIC", "heic", "PNG",  "png",
                                                "tif",  "webp", "avif", "TIFF"};
    for (int i = 1; i <= count; ++i) {
        const QString name = phoneTypes
                                 ? QStringLiteral("IMG_%1.%2").arg(i).arg(kPhoneEndings[i % 8])
                                 : QStringLiteral("DSC_%1.%2").arg(i).arg(i % 3 ? "JPG" : "jpg");
        QFile(dir.filePath(name)).open(QIODevice::WriteOnly);
    }
    return dir.path();
}

// The scan as a folder click runs it: listing, list fill, new names and collision check.
struct ScannedWindow {
    QTemporaryDir settings;
    QTemporaryDir options;
    std::unique_ptr<km::MainWindow> window;
    km::FolderTree* tree = nullptr;

    ScannedWindow(const QString& folder, bool moreTypes) {
        if (moreTypes)
            writeFile(options.filePath("options.ini"), "[General]\nmoretypes=true\n");
        window =
            std::make_unique<km::MainWindow>(settings.path(), folder, QString(), options.path());
        // Start-up reads options.ini and lists the folder the tree starts in.
        window->load();
        window->findChild<km::CheckBox*>(QStringLiteral("cbJPG"))->setValue(1);
        tree = window->findChild<km::FolderTree*>(QStringLiteral("FolderTreeview1"));
        tree->setSelectedPath(folder);
    }

    double scanSeconds() {
        const double begin = threadSeconds();
        emit tree->Click();
        return threadSeconds() - begin;
    }
};

void scanPhonePhotosAgainstJpegs(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    QTemporaryDir phoneDir;
    QTemporaryDir jpegDir;
    ScannedWindow phones(folderOf(phoneDir, count, true), true);
    ScannedWindow jpegs(folderOf(jpegDir, count, false), false);
    double phoneSeconds = 0;
    double jpegSeconds = 0;
    for (auto _ : state) {
        jpegSeconds += jpegs.scanSeconds();
        phoneSeconds += phones.scanSeconds();
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["jpeg_ms"] = 1000 * jpegSeconds / iterations;
    state.counters["phone_ms"] = 1000 * phoneSeconds / iterations;
    state.counters["ratio"] = phoneSeconds / jpegSeconds;
    std::printf("scan of %d phone photos against as many JPEGs: %.2fx (target 1.2x): %s\n", count,
                phoneSeconds / jpegSeconds, phoneSeconds / jpegSeconds <= 1.2 ? "met" : "MISSED");
}
BENCHMARK(scanPhonePhotosAgainstJpegs)->Arg(10'000)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    const km::bench::BenchmarkApplication application(argc, argv);
    const auto files = std::make_unique<HeicFiles>();
    heicFiles = files.get();
    km::bench::SpeedUpReporter reporter(
        {{"heicFromItsThumbnail", "heicDecodedWholeAndScaled", "HEIC preview from its thumbnail",
          "the whole decode", 20}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSpeedUps();
    benchmark::Shutdown();
    return 0;
}

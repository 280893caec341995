// SPDX-License-Identifier: MIT
// A 24-megapixel camera's RAW photo previewed from the JPEGs it embeds (its full-size preview and
// its thumbnail, as a CR2 or NEF holds them), against decoding that full-size preview whole and
// scaling it, in the same run. Prints the ratio.
#include "raw_files.h"
#include "support/benchmark_main.h"
#include "support/camera_picture.h"
#include "support/speed_up_reporter.h"
#include "thumbnails/thumbnail.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct RawFile {
    QTemporaryDir folder;
    QString path = folder.filePath("IMG_0001.CR2");
    QByteArray preview;

    RawFile() {
        const QImage picture = km::bench::cameraLikePicture(QSize(6000, 4000));
        QBuffer buffer(&preview);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "JPEG", 90);
        QByteArray thumbnail;
        QBuffer small(&thumbnail);
        small.open(QIODevice::WriteOnly);
        picture.scaled(160, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .save(&small, "JPEG", 90);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        // Twenty-odd megabytes of sensor data lie between the directories and the previews.
        file.write(
            km::fixtures::rawBytes(km::fixtures::RawKind::Tiff, {.taken = "2024:05:01 10:00:00",
                                                                 .preview = preview,
                                                                 .thumbnail = thumbnail,
                                                                 .sensorBytes = 24 * 1024 * 1024}));
    }
};

RawFile* raw = nullptr;

// A preview box at the main window's starting size.
const QSize kDrawn(169, 113);

void rawFromItsPreviews(benchmark::State& state) {
    for (auto _ : state) {
        const QImage drawn = km::ThumbnailSource(raw->path).render(kDrawn);
        if (drawn.size() != kDrawn)
            state.SkipWithError("nothing drawn");
        benchmark::DoNotOptimize(drawn.constBits());
    }
}

void rawPreviewDecodedWholeAndScaled(benchmark::State& state) {
    for (auto _ : state) {
        QBuffer buffer(&raw->preview);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        const QImage drawn =
            reader.read().scaled(kDrawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        benchmark::DoNotOptimize(drawn.constBits());
    }
}

BENCHMARK(rawPreviewDecodedWholeAndScaled)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(3);
BENCHMARK(rawFromItsPreviews)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace

int main(int argc, char** argv) {
    const km::bench::BenchmarkApplication application(argc, argv);
    const auto file = std::make_unique<RawFile>();
    raw = file.get();
    km::bench::SpeedUpReporter reporter(
        {{"rawFromItsPreviews", "rawPreviewDecodedWholeAndScaled", "RAW preview from its JPEGs",
          "decoding its full-size preview whole", 50}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSpeedUps();
    benchmark::Shutdown();
    return 0;
}

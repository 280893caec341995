// SPDX-License-Identifier: MIT
// Videos made by FFmpeg's encoders (MP4 and MOV, the movie box before and after the media data):
//   videoDates...   the dates of 1,000 of them read with an empty date cache, per video
//                   (target: at most 2 ms), from the operating system's cache and from the disk
//                   (each file dropped from that cache first);
//   exiftoolDates   `exiftool -CreateDate` over the same folder, where exiftool is installed
//                   (target: the dates read at least 20 times faster);
//   videoPreview    a phone's 1080p video previewed at a box's size (target: at most 150 ms).
#include "photo_dates/date_taken_cache.h"
#include "photo_dates/folder_dates.h"
#include "support/benchmark_main.h"
#include "support/speed_up_reporter.h"
#include "thumbnails/thumbnail.h"
#include "video_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

using km::fixtures::Video;

constexpr int kVideoCount = 1000;

struct VideoFolder {
    QTemporaryDir folder;
    QStringList names;
    QString preview = folder.filePath(QStringLiteral("phone.mov"));

    VideoFolder() {
        const Video kinds[] = {{.createdUtc = QStringLiteral("2024-07-01T07:00:00Z"), .seconds = 2},
                               {.createdUtc = QStringLiteral("2024-07-01T07:01:00Z"),
                                .movieFirst = true,
                                .seconds = 2},
                               {.container = QStringLiteral("mov"),
                                .createdUtc = QStringLiteral("2024-07-01T07:02:00Z"),
                                .appleDate = QStringLiteral("2024-07-01T09:02:00+0200"),
                                .seconds = 2},
                               {.container = QStringLiteral("mov"),
                                .appleDate = QStringLiteral("2024-07-01T09:03:00+0200"),
                                .movieFirst = true,
                                .seconds = 2}};
        std::vector<QByteArray> made;
        for (const Video& kind : kinds)
            made.push_back(km::fixtures::videoBytes(kind));
        for (int i = 0; i < kVideoCount; ++i) {
            const size_t kind = static_cast<size_t>(i) % made.size();
            const QString name = QStringLiteral("VID_%1.%2")
                                     .arg(i, 4, 10, QLatin1Char('0'))
                                     .arg(kinds[kind].container);
            write(folder.filePath(name), made[kind]);
            names << name;
        }
        write(preview,
              km::fixtures::videoBytes({.container = QStringLiteral("mov"),
                                        .appleDate = QStringLiteral("2024-07-01T09:04:00+0200"),
                                        .movieFirst = true,
                                        .seconds = 10,
                                        .width = 1920,
                                        .height = 1080}));
        ::sync();
    }

    QString path() const { return folder.path() + QLatin1Char('/'); }

    // The files leave the operating system's cache, as after a restart or a card just put in.
    void dropFromPageCache() const {
        for (const QString& name : names) {
            const int fd = ::open(QFile::encodeName(folder.filePath(name)).constData(), O_RDONLY);
            if (fd >= 0) {
                ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
                ::close(fd);
            }
        }
    }

private:
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes) != bytes.size())
            std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
    }
};

VideoFolder* videos = nullptr;
std::map<std::string, double> msPerVideo;
double previewMs = 0;

void readDates(benchmark::State& state, bool fromDisk) {
    double seconds = 0;
    for (auto _ : state) {
        if (fromDisk) {
            state.PauseTiming();
            videos->dropFromPageCache();
            state.ResumeTiming();
        }
        QElapsedTimer timer;
        timer.start();
        km::DateTakenCache cache;
        const auto facts = km::readFolderFacts(videos->path(), videos->names, cache,
                                               [](int, int) { return true; });
        seconds += timer.nsecsElapsed() / 1e9;
        if (!facts || !(*facts)[0].taken || !(*facts)[3].taken)
            state.SkipWithError("no dates read");
    }
    const double each = seconds * 1000 / kVideoCount / static_cast<double>(state.iterations());
    msPerVideo[fromDisk ? "from the disk" : "from the page cache"] = each;
    state.counters["ms_per_video"] = each;
}

void videoDatesFromThePageCache(benchmark::State& state) {
    readDates(state, false);
}

void videoDatesFromTheDisk(benchmark::State& state) {
    readDates(state, true);
}

void exiftoolDates(benchmark::State& state) {
    if (QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty()) {
        state.SkipWithError("exiftool is not installed");
        return;
    }
    for (auto _ : state) {
        QProcess exiftool;
        exiftool.start(QStringLiteral("exiftool"),
                       {QStringLiteral("-q"), QStringLiteral("-q"), QStringLiteral("-CreateDate"),
                        videos->folder.path()});
        exiftool.waitForFinished(-1);
    }
}

void videoPreview(benchmark::State& state) {
    const QSize drawn(169, 95);
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        const QImage image = km::ThumbnailSource(videos->preview).render(drawn);
        if (image.size() != drawn)
            state.SkipWithError("nothing drawn");
        benchmark::DoNotOptimize(image.constBits());
    }
    previewMs =
        timer.nsecsElapsed() / 1e6 / static_cast<double>(std::max<int64_t>(1, state.iterations()));
}

BENCHMARK(videoDatesFromThePageCache)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(videoDatesFromTheDisk)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(exiftoolDates)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(videoPreview)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace

int main(int argc, char** argv) {
    const km::bench::BenchmarkApplication application(argc, argv);
    if (!km::fixtures::canMakeVideos()) {
        std::printf("FFmpeg's command-line tool is not installed: no videos to measure\n");
        return 0;
    }
    const auto folder = std::make_unique<VideoFolder>();
    videos = folder.get();
    km::bench::SpeedUpReporter reporter({{"videoDatesFromThePageCache", "exiftoolDates",
                                          "Dates of 1,000 videos", "exiftool -CreateDate", 20}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSpeedUps();
    for (const auto& [where, ms] : msPerVideo)
        std::printf("Video dates %-20s %6.3f ms per video (target at most 2 ms): %s\n",
                    (where + ":").c_str(), ms, ms <= 2 ? "met" : "MISSED");
    std::printf("Video preview %26.1f ms (target at most 150 ms): %s\n", previewMs,
                previewMs <= 150 ? "met" : "MISSED");
    benchmark::Shutdown();
    return 0;
}

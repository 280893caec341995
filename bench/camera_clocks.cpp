// SPDX-License-Identifier: MIT
// Dates set right for 100,000 photos, each pair in the same run:
//   cachedOrder      the folder listed in the order taken with every date in the cache, as
//                    after a new prefix is typed: with the offsets of two cameras' clocks
//                    applied against without them (target: 1.1x); what the offsets add to the
//                    order taken of facts in memory is shown too;
//   datesFromNames   dates read from the names of photos without EXIF data (a phone's and a
//                    messenger's), against designedNames, the designed new names of as many
//                    photos (target: 1.2x).
#include "photo_dates/camera_clocks.h"

#include "camera_files.h"
#include "files/file_system.h"
#include "naming/naming.h"
#include "photo_dates/date_taken_cache.h"
#include "photo_dates/folder_dates.h"
#include "photo_dates/missing_dates.h"
#include "support/benchmark_main.h"
#include "support/thread_time.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using km::bench::threadSeconds;

constexpr int kPhotos = 100'000;

std::map<std::string, double> secondsPerRun;

// Two cameras' photos taking turns in bursts of 50, a second apart.
std::vector<km::PhotoFacts> twoCameras() {
    const auto canon = std::make_shared<const km::CameraTags>(
        km::CameraTags{QStringLiteral("Canon"), QStringLiteral("Canon EOS R5"), {}, {}});
    const auto nikon = std::make_shared<const km::CameraTags>(
        km::CameraTags{QStringLiteral("NIKON CORPORATION"), QStringLiteral("NIKON Z 6_2"), {}, {}});
    std::vector<km::PhotoFacts> facts(kPhotos);
    for (int i = 0; i < kPhotos; ++i) {
        facts[size_t(i)].camera = i / 50 % 2 == 0 ? canon : nikon;
        facts[size_t(i)].taken =
            km::DateTaken{*km::calendarTimeAt(1'714'636'800 + qint64(i) * 7919 % kPhotos), {}};
    }
    return facts;
}

// A messenger's names, "IMG-20230501-WA0001.jpg", over four weeks.
QStringList messengerNames(int count) {
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("IMG-202305%1-WA%2.jpg")
                     .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                     .arg(i % 10000, 4, 10, QLatin1Char('0'));
    return names;
}

// A phone's names, "IMG_20230501_120000.jpg", a second apart.
QStringList phoneNames(int count) {
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("IMG_20230501_%1%2%3.jpg")
                     .arg(i / 3600 % 24, 2, 10, QLatin1Char('0'))
                     .arg(i / 60 % 60, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0'));
    return names;
}

void record(benchmark::State& state, const char* name, double seconds) {
    secondsPerRun[name] = seconds / static_cast<double>(state.iterations());
}

void orderWithoutOffsets(benchmark::State& state) {
    std::vector<km::PhotoFacts> facts = twoCameras();
    double seconds = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        benchmark::DoNotOptimize(km::orderTaken(facts));
        seconds += threadSeconds() - start;
    }
    record(state, "orderWithoutOffsets", seconds);
}

void orderWithClockOffsets(benchmark::State& state) {
    std::vector<km::PhotoFacts> facts = twoCameras();
    const QStringList names = phoneNames(kPhotos);
    qint32 sign = 1;
    double seconds = 0;
    for (auto _ : state) {
        // There and back, so the times stay where they were.
        const km::ClockOffsets offsets{
            {QStringLiteral("Canon Canon EOS R5"), sign * 3600},
            {QStringLiteral("NIKON CORPORATION NIKON Z 6_2"), -sign * 192}};
        const double start = threadSeconds();
        benchmark::DoNotOptimize(km::applyClockOffsets(facts, names, offsets));
        benchmark::DoNotOptimize(km::orderTaken(facts));
        seconds += threadSeconds() - start;
        sign = -sign;
    }
    record(state, "orderWithClockOffsets", seconds);
}

// 100,000 small camera JPEGs of two cameras taking turns in bursts of 50, a second apart.
class TwoCameraFolder {
public:
    TwoCameraFolder() {
        const QByteArray stamp = "2000:01:01 00:00:00";
        const QByteArray canon = photo("Canon EOS R5", stamp);
        const QByteArray nikon = photo("NIKON Z 6_2", stamp);
        for (int i = 0; i < kPhotos; ++i) {
            QByteArray bytes = i / 50 % 2 == 0 ? canon : nikon;
            const QByteArray taken =
                km::calendarTimeText(*km::calendarTimeAt(1'714'636'800 + i)).toLatin1();
            QByteArray exif = taken;
            exif[4] = exif[7] = ':';
            for (qsizetype at = bytes.indexOf(stamp); at >= 0; at = bytes.indexOf(stamp, at + 1))
                bytes.replace(at, stamp.size(), exif);
            const QString name = QStringLiteral("DSC_%1.JPG").arg(i, 6, 10, QLatin1Char('0'));
            if (QFile file(m_dir.filePath(name)); file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
    }

    QString path() const { return m_dir.path() + QLatin1Char('/'); }

private:
    QByteArray photo(const char* model, const QByteArray& stamp) const {
        const QString path = m_dir.filePath(QStringLiteral("model.jpg"));
        if (QFile file(path); file.open(QIODevice::WriteOnly))
            file.write(km::fixtures::jpegBytes(QImage(8, 8, QImage::Format_RGB32)));
        km::fixtures::setExifTags(
            path, {{"Exif.Image.Make", QString::fromLatin1(model).section(' ', 0, 0)},
                   {"Exif.Image.Model", QString::fromLatin1(model)},
                   {"Exif.Photo.DateTimeOriginal", QString::fromLatin1(stamp)}});
        QFile file(path);
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        QFile::remove(path);
        return bytes;
    }

    QTemporaryDir m_dir;
};

// The listing, the dates from the cache, the offsets where given, and the order taken.
double cachedOrderSeconds(const QString& folder, km::DateTakenCache& cache,
                          const km::ClockOffsets& offsets) {
    const auto begin = std::chrono::steady_clock::now();
    const auto listing = km::fs::listFolder(folder, {QStringLiteral("*.jpg")});
    const QStringList& names = listing.matches[0];
    auto facts = km::readFolderFacts(
        folder, names, cache, [](int, int) { return true; }, std::chrono::milliseconds(50),
        km::FactsWanted::DatesAndCameras);
    if (!offsets.empty())
        benchmark::DoNotOptimize(km::applyClockOffsets(*facts, names, offsets));
    benchmark::DoNotOptimize(km::orderTaken(*facts));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

void cachedOrder(benchmark::State& state) {
    static const TwoCameraFolder photos;
    km::DateTakenCache cache;
    cachedOrderSeconds(photos.path(), cache, {});
    const km::ClockOffsets offsets{{QStringLiteral("Canon Canon EOS R5"), 3600},
                                   {QStringLiteral("NIKON NIKON Z 6_2"), -192}};
    double without = 0;
    double with = 0;
    for (auto _ : state) {
        without += cachedOrderSeconds(photos.path(), cache, {});
        with += cachedOrderSeconds(photos.path(), cache, offsets);
    }
    secondsPerRun["cachedWithout"] = without / static_cast<double>(state.iterations());
    secondsPerRun["cachedWith"] = with / static_cast<double>(state.iterations());
    state.counters["without_ms"] = 1000 * secondsPerRun["cachedWithout"];
    state.counters["with_ms"] = 1000 * secondsPerRun["cachedWith"];
}

void designedNames(benchmark::State& state) {
    const QStringList names = messengerNames(kPhotos);
    const km::NamingFields fields{QStringLiteral("Trip_"), QStringLiteral("1"),
                                  QStringLiteral("6")};
    double seconds = 0;
    for (auto _ : state) {
        const double start = threadSeconds();
        benchmark::DoNotOptimize(km::computeNewNames(fields, true, names, {}));
        seconds += threadSeconds() - start;
    }
    record(state, "designedNames", seconds);
}

void datesFromNames(benchmark::State& state) {
    // Half a messenger's names, half a phone's.
    const QStringList names = messengerNames(kPhotos / 2) + phoneNames(kPhotos / 2);
    double seconds = 0;
    for (auto _ : state) {
        std::vector<km::PhotoFacts> facts(kPhotos);
        const double start = threadSeconds();
        benchmark::DoNotOptimize(km::fillMissingDates({}, names, facts, {.fromNames = true}));
        seconds += threadSeconds() - start;
        if (!facts.back().taken || !facts.front().taken)
            state.SkipWithError("no date read from a name");
    }
    record(state, "datesFromNames", seconds);
}

BENCHMARK(cachedOrder)->Unit(benchmark::kMillisecond)->Iterations(8);
BENCHMARK(orderWithoutOffsets)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(orderWithClockOffsets)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(designedNames)->Unit(benchmark::kMillisecond)->MinTime(1);
BENCHMARK(datesFromNames)->Unit(benchmark::kMillisecond)->MinTime(1);

void printRatio(const char* label, const char* measured, const char* baseline, double target) {
    const double ratio = secondsPerRun[measured] / secondsPerRun[baseline];
    std::printf("%-45s %5.2fx (target at most %.1fx): %s\n", label, ratio, target,
                ratio <= target ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    const km::bench::BenchmarkApplication application(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    printRatio("Order taken of 100,000 cached, two cameras' offsets", "cachedWith", "cachedWithout",
               1.1);
    std::printf(
        "The offsets alone add %.1f ms to the %.1f ms of ordering 100,000 photos in memory\n",
        1000 * (secondsPerRun["orderWithClockOffsets"] - secondsPerRun["orderWithoutOffsets"]),
        1000 * secondsPerRun["orderWithoutOffsets"]);
    printRatio("Dates from 100,000 names against their names", "datesFromNames", "designedNames",
               1.2);
    benchmark::Shutdown();
    return 0;
}

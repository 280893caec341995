// SPDX-License-Identifier: MIT
// Numbering in the order taken on a folder of 10,000 camera-like JPEG files, against numbering in
// name order, in the same run and in wall time (the dates are read on threads):
//   name_ms     the folder's listing alone (natural name order);
//   cold_ms     the listing, every date read with an empty cache, and the order taken;
//   cached_ms   the same with every date in the cache, as after the user types a new prefix.
// (The dates are read with the camera's tags, as the cache keeps them; cameraFields measures what
// those cost.)
// extra_cold_s = cold - name in seconds; cached_ratio = cached / name. The files are in the
// operating system's cache (read once before measuring), as they are after the first listing.
#include "camera_files.h"
#include "files/file_system.h"
#include "photo_dates/exif_date.h"
#include "photo_dates/folder_dates.h"
#include "support/benchmark_main.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

constexpr int photoCount = 10'000;
const QByteArray modelStamp = "2000:01:01 00:00:00";

// One photo as a camera writes it: a small picture and EXIF data with make, model, the dates
// taken with sub-seconds and a 160 x 120 thumbnail.
QByteArray cameraPhoto() {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("model.jpg"));
    QImage picture(64, 48, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 4, y * 5, 128));
    if (QFile file(path); file.open(QIODevice::WriteOnly))
        file.write(km::fixtures::jpegBytes(picture));
    km::fixtures::embedThumbnail(path, km::fixtures::jpegBytes(picture.scaled(160, 120)));
    const QString stamp = QString::fromLatin1(modelStamp);
    km::fixtures::setExifTags(path, {{"Exif.Image.Make", "NIKON CORPORATION"},
                                     {"Exif.Image.Model", "NIKON D750"},
                                     {"Exif.Photo.DateTimeOriginal", stamp},
                                     {"Exif.Photo.DateTimeDigitized", stamp},
                                     {"Exif.Photo.SubSecTimeOriginal", "20"},
                                     {"Exif.Photo.SubSecTimeDigitized", "20"}});
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder of camera photos DSC_0001.JPG ..., copies of one photo with their dates patched in
// place, so that the order taken is not the name order.
class CameraFolder {
public:
    CameraFolder() {
        QByteArray photo = cameraPhoto();
        QList<qsizetype> stampsAt;
        for (qsizetype at = photo.indexOf(modelStamp); at >= 0;
             at = photo.indexOf(modelStamp, at + 1))
            stampsAt.append(at);
        const QDateTime start(QDate(2023, 5, 1), QTime(8, 0));
        for (int i = 1; i <= photoCount; ++i) {
            // 7919 is prime to the count: every photo gets its own second.
            const QByteArray stamp = start.addSecs((i * 7919LL) % photoCount * 3)
                                         .toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"))
                                         .toLatin1();
            for (const qsizetype at : stampsAt)
                photo.replace(at, stamp.size(), stamp);
            const QString name = QStringLiteral("DSC_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
            if (FILE* file = std::fopen(QFile::encodeName(m_dir.filePath(name)).constData(), "w")) {
                std::fwrite(photo.constData(), 1, static_cast<size_t>(photo.size()), file);
                std::fclose(file);
            }
        }
    }

    QString path() const { return m_dir.path() + QLatin1Char('/'); }

private:
    QTemporaryDir m_dir;
};

QStringList listPhotos(const QString& folder) {
    auto listing = km::fs::listFolder(folder, {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg")});
    return listing.matches[0] + listing.matches[1];
}

// The listing, the dates and the order taken; the number of photos dated.
int orderByDate(const QString& folder, km::DateTakenCache& cache) {
    const QStringList names = listPhotos(folder);
    const auto dates = km::readFolderFacts(folder, names, cache, [](int, int) { return true; });
    benchmark::DoNotOptimize(km::orderTaken(*dates));
    return static_cast<int>(std::count_if(
        dates->begin(), dates->end(), [](const auto& facts) { return facts.taken.has_value(); }));
}

double secondsSince(std::chrono::steady_clock::time_point begin) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
}

void dateOrder(benchmark::State& state) {
    static const CameraFolder photos;
    const QString folder = photos.path();
    km::DateTakenCache warmUp;
    if (orderByDate(folder, warmUp) != photoCount) {
        state.SkipWithError("not every photo has its date");
        return;
    }
    double nameSeconds = 0;
    double coldSeconds = 0;
    double cachedSeconds = 0;
    for (auto _ : state) {
        auto begin = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(listPhotos(folder));
        nameSeconds += secondsSince(begin);

        km::DateTakenCache cache;
        begin = std::chrono::steady_clock::now();
        orderByDate(folder, cache);
        coldSeconds += secondsSince(begin);

        begin = std::chrono::steady_clock::now();
        orderByDate(folder, cache);
        cachedSeconds += secondsSince(begin);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["name_ms"] = 1000 * nameSeconds / runs;
    state.counters["cold_ms"] = 1000 * coldSeconds / runs;
    state.counters["cached_ms"] = 1000 * cachedSeconds / runs;
    state.counters["extra_cold_s"] = (coldSeconds - nameSeconds) / runs;
    state.counters["cached_ratio"] = cachedSeconds / nameSeconds;
}
BENCHMARK(dateOrder)->Iterations(5)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every photo of the folder read without a cache, on one thread: the date alone against the date
// with the camera's make, model, lens and serial (what the cache keeps). camera_ratio = with the
// camera / the date alone; the two take turns so neither has the warmer caches.
void cameraFields(benchmark::State& state) {
    static const CameraFolder photos;
    const QString folder = photos.path();
    const QStringList names = listPhotos(folder);
    const auto readAll = [&](bool camera) {
        const auto begin = std::chrono::steady_clock::now();
        int dated = 0;
        for (const QString& name : names) {
            QFile file(folder + name);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            dated += camera ? km::readPhotoFacts(file).taken.has_value()
                            : km::readDateTaken(file).has_value();
        }
        benchmark::DoNotOptimize(dated);
        return secondsSince(begin);
    };
    double dateSeconds = 0;
    double cameraSeconds = 0;
    bool cameraFirst = false;
    for (auto _ : state) {
        if (cameraFirst) {
            cameraSeconds += readAll(true);
            dateSeconds += readAll(false);
        } else {
            dateSeconds += readAll(false);
            cameraSeconds += readAll(true);
        }
        cameraFirst = !cameraFirst;
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["date_ms"] = 1000 * dateSeconds / runs;
    state.counters["camera_ms"] = 1000 * cameraSeconds / runs;
    state.counters["camera_ratio"] = cameraSeconds / dateSeconds;
}
BENCHMARK(cameraFields)->Iterations(6)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    return km::bench::runBenchmarks(argc, argv);
}

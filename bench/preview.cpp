// Drawing three preview boxes from 24-megapixel camera-like JPEGs, against decoding the same files
// at full size and scaling them down. Prints the speed-up of each way over that baseline.

#include "app/preview.h"

#include "platform/picture_box.h"
#include "support/benchmark_main.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <exiv2/exiv2.hpp>
#include <map>
#include <memory>

namespace {

const QSize cameraSize(6000, 4000);
const QStringList photoNames = {"IMG_0001.JPG", "IMG_0002.JPG", "IMG_0003.JPG"};

// Smooth gradients with a little sensor-like noise, so the JPEG carries a camera's detail.
QImage cameraLikePicture(int variant) {
    QImage image(cameraSize, QImage::Format_RGB32);
    quint32 noise = 2463534242u + variant;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const int grain = static_cast<int>(noise & 15) - 8;
            const int red = (x * 255 / image.width() + grain + variant * 40) & 255;
            const int green = (y * 255 / image.height() + grain) & 255;
            const int blue = ((x + y) / 40 % 2 ? 200 : 60) + grain;
            line[x] = qRgb(red, green, blue);
        }
    }
    return image;
}

QByteArray jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

void embedThumbnail(const QString& path, const QImage& thumbnail) {
    const QByteArray bytes = jpegBytes(thumbnail);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifThumb(image->exifData())
        .setJpegThumbnail(reinterpret_cast<const Exiv2::byte*>(bytes.constData()), bytes.size());
    image->writeMetadata();
}

QImage paddedThumbnail(const QImage& picture) {
    QImage padded(160, 120, QImage::Format_RGB32);
    padded.fill(Qt::black);
    const QImage inner = picture.scaled(160, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < inner.height(); ++y)
        for (int x = 0; x < inner.width(); ++x)
            padded.setPixel(x, y + 6, inner.pixel(x, y));
    return padded;
}

// Three folders holding the same three photos: with a fitting EXIF thumbnail, without one, and
// with a thumbnail padded to 4:3 with black bars, which must not be used.
struct PhotoFolders {
    QTemporaryDir root;
    QString withThumbnails = root.filePath("with/");
    QString withoutThumbnails = root.filePath("without/");
    QString paddedThumbnails = root.filePath("padded/");

    PhotoFolders() {
        for (const QString& folder : {withThumbnails, withoutThumbnails, paddedThumbnails})
            QDir().mkpath(folder);
        for (int index = 0; index < photoNames.size(); ++index) {
            const QImage picture = cameraLikePicture(index);
            const QByteArray jpeg = jpegBytes(picture);
            for (const QString& folder : {withThumbnails, withoutThumbnails, paddedThumbnails}) {
                QFile file(folder + photoNames[index]);
                file.open(QIODevice::WriteOnly);
                file.write(jpeg);
            }
            embedThumbnail(
                withThumbnails + photoNames[index],
                picture.scaled(160, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            embedThumbnail(paddedThumbnails + photoNames[index], paddedThumbnail(picture));
        }
    }
};

// The preview column of the main window at its starting size: three boxes of 169 x 129 pixels.
struct PreviewColumn {
    QWidget window;
    std::vector<PictureBox*> boxes;

    PreviewColumn() {
        window.resize(200, 420);
        for (int index = 0; index < 3; ++index) {
            boxes.push_back(new PictureBox(&window));
            boxes.back()->setGeometry(10, 10 + 132 * index, 169, 129);
        }
        window.show();
    }
};

PhotoFolders* folders = nullptr;
PreviewColumn* column = nullptr;

void drawPreview(benchmark::State& state, const QString& folder) {
    bool running = false;
    km::PreviewContext context;
    context.previewCount = [] {
        return 3;
    };
    context.box = [](int index) {
        return column->boxes.at(index);
    };
    context.currentFolder = [&folder] {
        return folder;
    };
    context.previewChecked = [] {
        return true;
    };
    context.foundCount = [] {
        return static_cast<int>(photoNames.size());
    };
    context.rowCount = [] {
        return static_cast<int>(photoNames.size());
    };
    context.rowText = [](int row) {
        return photoNames.at(row - 1);
    };
    context.selectedPosition = [] {
        return 1;
    };
    context.running = &running;
    for (auto _ : state)
        km::ShowPreview(context, 0);
}

void previewWithThumbnails(benchmark::State& state) {
    drawPreview(state, folders->withThumbnails);
}

void previewWithoutThumbnails(benchmark::State& state) {
    drawPreview(state, folders->withoutThumbnails);
}

void previewPaddedThumbnails(benchmark::State& state) {
    drawPreview(state, folders->paddedThumbnails);
}

// What a preview costs without the fast paths: every photo decoded whole, then scaled.
void fullDecodeBaseline(benchmark::State& state) {
    const km::TwipRect place{15, 122, 2445, 1630};
    for (auto _ : state) {
        for (int index = 0; index < photoNames.size(); ++index) {
            PictureBox& box = *column->boxes.at(index);
            box.clear();
            QImageReader reader(folders->withThumbnails + photoNames[index]);
            const QImage whole = reader.read();
            box.drawPicture(whole.scaled(163, 109, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                            place);
            box.printText(photoNames[index], 60, 15, Qt::white);
        }
        km::deliverPendingEvents();
    }
}

// A full decode takes about a second for three photos: give every run a few iterations.
BENCHMARK(fullDecodeBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(previewWithThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(previewWithoutThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(previewPaddedThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

struct Seconds {
    double wall = 0;
    double cpu = 0;
};

// Keeps each benchmark's times per iteration, to compare them with the baseline at the end.
// On a shared machine the processor time is steadier than the wall clock, so both are shown.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                const double iterations = static_cast<double>(run.iterations);
                m_seconds[run.run_name.function_name] = {run.real_accumulated_time / iterations,
                                                         run.cpu_accumulated_time / iterations};
            }
        ConsoleReporter::ReportRuns(runs);
    }

    void printRatios() const {
        const auto baseline = m_seconds.find("fullDecodeBaseline");
        if (baseline == m_seconds.end())
            return;
        const std::pair<const char*, double> targets[] = {{"previewWithThumbnails", 50},
                                                          {"previewWithoutThumbnails", 2},
                                                          {"previewPaddedThumbnails", 2}};
        for (const auto& [name, target] : targets) {
            const auto found = m_seconds.find(name);
            if (found == m_seconds.end() || found->second.wall <= 0 || found->second.cpu <= 0)
                continue;
            const double wall = baseline->second.wall / found->second.wall;
            const double cpu = baseline->second.cpu / found->second.cpu;
            std::printf("%-26s faster than the full decode: %7.1fx wall clock, %7.1fx processor "
                        "time (target %.0fx): %s\n",
                        name, wall, cpu, target, std::min(wall, cpu) >= target ? "met" : "MISSED");
        }
    }

private:
    std::map<std::string, Seconds> m_seconds;
};

} // namespace

int main(int argc, char** argv) {
    const km::bench::BenchmarkApplication application(argc, argv);

    const auto photoFolders = std::make_unique<PhotoFolders>();
    const auto previewColumn = std::make_unique<PreviewColumn>();
    folders = photoFolders.get();
    column = previewColumn.get();

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}

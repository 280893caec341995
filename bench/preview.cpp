// SPDX-License-Identifier: MIT
// Drawing three preview boxes from 24-megapixel camera-like JPEGs, against decoding the same files
// at full size and scaling them down. Prints the speed-up of each way over that baseline.

#include "camera_files.h"
#include "preview/preview_drawing.h"
#include "support/benchmark_main.h"
#include "support/camera_picture.h"
#include "support/speed_up_reporter.h"
#include "widgets/picture_box.h"
#include "widgets/twips.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <exiv2/exiv2.hpp>
#include <memory>

using km::PictureBox;

namespace {

const QSize cameraSize(6000, 4000);
const QStringList photoNames = {"IMG_0001.JPG", "IMG_0002.JPG", "IMG_0003.JPG"};

void embedThumbnail(const QString& path, const QImage& thumbnail) {
    km::fixtures::embedThumbnail(path, km::fixtures::jpegBytes(thumbnail));
}

// Stores a preview in the maker note, where one camera maker keeps a larger preview in its JPEGs.
void embedMakerNotePreview(const QString& path, const QImage& preview) {
    // Quality 70 keeps 640 x 427 pixels of this detail within the segment, as cameras do.
    km::fixtures::embedMakerNotePreview(path, km::fixtures::jpegBytes(preview, 70));
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    if (Exiv2::PreviewManager(*image).getPreviewProperties().size() != 2)
        std::fprintf(stderr, "The maker-note preview did not fit: %s\n", qPrintable(path));
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

// Four folders holding the same three photos: with a fitting EXIF thumbnail, without one, with a
// thumbnail padded to 4:3 with black bars, and with that padded thumbnail and a maker-note preview
// of 640 x 427 (the largest a JPEG's 64 KiB metadata segment holds at this detail).
struct PhotoFolders {
    QTemporaryDir root;
    QString withThumbnails = root.filePath("with/");
    QString withoutThumbnails = root.filePath("without/");
    QString paddedThumbnails = root.filePath("padded/");
    QString largePreviews = root.filePath("large/");

    PhotoFolders() {
        const QStringList all = {withThumbnails, withoutThumbnails, paddedThumbnails,
                                 largePreviews};
        for (const QString& folder : all)
            QDir().mkpath(folder);
        for (int index = 0; index < photoNames.size(); ++index) {
            const QImage picture = km::bench::cameraLikePicture(cameraSize, index);
            const QByteArray jpeg = km::fixtures::jpegBytes(picture);
            for (const QString& folder : all) {
                QFile file(folder + photoNames[index]);
                file.open(QIODevice::WriteOnly);
                file.write(jpeg);
            }
            embedThumbnail(
                withThumbnails + photoNames[index],
                picture.scaled(160, 107, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            embedThumbnail(paddedThumbnails + photoNames[index], paddedThumbnail(picture));
            embedThumbnail(largePreviews + photoNames[index], paddedThumbnail(picture));
            embedMakerNotePreview(
                largePreviews + photoNames[index],
                picture.scaled(640, 427, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
};

// A preview column of three boxes; at the main window's starting size they are 169 x 129 pixels.
struct PreviewColumn {
    QWidget window;
    std::vector<PictureBox*> boxes;

    explicit PreviewColumn(QSize box) {
        window.resize(box.width() + 31, 3 * box.height() + 30);
        for (int index = 0; index < 3; ++index) {
            boxes.push_back(new PictureBox(&window));
            boxes.back()->setGeometry(10, 10 + (box.height() + 3) * index, box.width(),
                                      box.height());
        }
        window.show();
    }
};

PhotoFolders* folders = nullptr;
PreviewColumn* column = nullptr;
PreviewColumn* wideColumn = nullptr;

void drawPreview(benchmark::State& state, const QString& folder, PreviewColumn* shown = column) {
    bool running = false;
    km::PreviewContext context;
    context.previewCount = [] {
        return 3;
    };
    context.box = [shown](int index) {
        return shown->boxes.at(index);
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
        km::drawPreviewColumn(context, 0);
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

// Boxes 400 pixels wide, too large for the thumbnail but not for the maker-note preview.
void previewLargePreviewsWideBoxes(benchmark::State& state) {
    drawPreview(state, folders->largePreviews, wideColumn);
}

// What a preview costs without the fast paths: every photo decoded whole, then scaled.
void decodeWholeAndScale(benchmark::State& state, PreviewColumn* shown, const km::TwipRect& place) {
    const QSize drawn = km::twipsToPixels(place).size();
    for (auto _ : state) {
        for (int index = 0; index < photoNames.size(); ++index) {
            PictureBox& box = *shown->boxes.at(index);
            box.clear();
            QImageReader reader(folders->withThumbnails + photoNames[index]);
            const QImage whole = reader.read();
            box.drawPicture(whole.scaled(drawn, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                            place);
            box.printText(photoNames[index], 60, 15, Qt::white);
        }
        km::deliverPendingEvents();
    }
}

void fullDecodeBaseline(benchmark::State& state) {
    decodeWholeAndScale(state, column, {15, 122, 2445, 1630});
}

void fullDecodeBaselineWideBoxes(benchmark::State& state) {
    decodeWholeAndScale(state, wideColumn, {15, 288, 5910, 3940});
}

// A full decode takes about a second for three photos: give every run a few iterations.
BENCHMARK(fullDecodeBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(previewWithThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(previewWithoutThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(previewPaddedThumbnails)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);
BENCHMARK(fullDecodeBaselineWideBoxes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3);
BENCHMARK(previewLargePreviewsWideBoxes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2);

} // namespace

int main(int argc, char** argv) {
    const km::bench::BenchmarkApplication application(argc, argv);

    const auto photoFolders = std::make_unique<PhotoFolders>();
    const auto previewColumn = std::make_unique<PreviewColumn>(QSize(169, 129));
    const auto widePreviewColumn = std::make_unique<PreviewColumn>(QSize(400, 305));
    folders = photoFolders.get();
    column = previewColumn.get();
    wideColumn = widePreviewColumn.get();

    km::bench::SpeedUpReporter reporter(
        {{"previewWithThumbnails", "fullDecodeBaseline", "previewWithThumbnails", "the full decode",
          50},
         {"previewWithoutThumbnails", "fullDecodeBaseline", "previewWithoutThumbnails",
          "the full decode", 2},
         {"previewPaddedThumbnails", "fullDecodeBaseline", "previewPaddedThumbnails",
          "the full decode", 50},
         {"previewLargePreviewsWideBoxes", "fullDecodeBaselineWideBoxes",
          "previewLargePreviewsWideBoxes", "the full decode", 20}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSpeedUps();
    benchmark::Shutdown();
    return 0;
}

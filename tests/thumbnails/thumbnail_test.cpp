// SPDX-License-Identifier: MIT
#include "camera_files.h"
#include "phone_files.h"
#include "raw_files.h"
#include "support/temp_folder.h"
#include "thumbnails/thumbnail.h"
#include "thumbnails/thumbnail_choice.h"
#include "thumbnails/thumbnail_exif.h"
#include "thumbnails/thumbnail_jpeg_head.h"
#include "thumbnails/thumbnail_letterbox.h"
#include "thumbnails/thumbnail_orientation.h"
#include "thumbnails/thumbnail_video.h"
#include "video_files.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <array>
#include <exiv2/exiv2.hpp>
#include <gtest/gtest.h>

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);
const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);
const QColor cyan(0, 255, 255);
const QColor magenta(255, 0, 255);

bool near(QColor actual, QColor expected) {
    return std::abs(actual.red() - expected.red()) < 48 &&
           std::abs(actual.green() - expected.green()) < 48 &&
           std::abs(actual.blue() - expected.blue()) < 48;
}

// Top left, top right, bottom left, bottom right.
using Corners = std::array<QColor, 4>;
const Corners primaries = {red, green, blue, white};
const Corners secondaries = {yellow, cyan, magenta, white};
const Corners pastels = {QColor(255, 160, 160), QColor(160, 255, 160), QColor(160, 160, 255),
                         QColor(60, 60, 60)};

QImage quadrants(QSize size, const Corners& colours = primaries) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, colours[0]);
    painter.fillRect(halfWidth, 0, size.width() - halfWidth, halfHeight, colours[1]);
    painter.fillRect(0, halfHeight, halfWidth, size.height() - halfHeight, colours[2]);
    painter.fillRect(halfWidth, halfHeight, size.width() - halfWidth, size.height() - halfHeight,
                     colours[3]);
    return image;
}

// The corners of a picture stored with `colours` once turned upright, for each EXIF orientation.
Corners uprightCorners(const Corners& colours, int orientation) {
    static const std::array<std::array<int, 4>, 8> storedCorner = {{{0, 1, 2, 3},
                                                                    {1, 0, 3, 2},
                                                                    {3, 2, 1, 0},
                                                                    {2, 3, 0, 1},
                                                                    {0, 2, 1, 3},
                                                                    {2, 0, 3, 1},
                                                                    {3, 1, 2, 0},
                                                                    {1, 3, 0, 2}}};
    const auto& from = storedCorner.at(orientation - 1);
    return {colours[from[0]], colours[from[1]], colours[from[2]], colours[from[3]]};
}

::testing::AssertionResult hasCorners(const QImage& image, const Corners& expected) {
    if (image.isNull())
        return ::testing::AssertionFailure() << "no image";
    const int right = image.width() - 2;
    const int bottom = image.height() - 2;
    const QColor found[] = {image.pixelColor(1, 1), image.pixelColor(right, 1),
                            image.pixelColor(1, bottom), image.pixelColor(right, bottom)};
    for (int corner = 0; corner < 4; ++corner)
        if (!near(found[corner], expected[corner]))
            return ::testing::AssertionFailure()
                   << "corner " << corner << " is " << found[corner].name().toStdString()
                   << ", expected " << expected[corner].name().toStdString();
    return ::testing::AssertionSuccess();
}

// No pixel of the outermost rows and columns has the colour of the bars.
::testing::AssertionResult edgesFreeOf(const QImage& image, QColor bar) {
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if ((x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1) &&
                near(image.pixelColor(x, y), bar))
                return ::testing::AssertionFailure() << "bar colour at " << x << "," << y;
    return ::testing::AssertionSuccess();
}

// A picture of `outer` size holding quadrants at `picture`, the lines before it in one colour and
// those after it in another.
QImage letterboxed(QSize outer, QRect picture, QColor before, QColor after,
                   const Corners& colours = secondaries) {
    QImage image(outer, QImage::Format_RGB32);
    image.fill(before);
    QPainter painter(&image);
    if (picture.width() == outer.width())
        painter.fillRect(0, picture.bottom() + 1, outer.width(), outer.height(), after);
    else
        painter.fillRect(picture.right() + 1, 0, outer.width(), outer.height(), after);
    painter.drawImage(picture.topLeft(), quadrants(picture.size(), colours));
    return image;
}

QImage solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Adds an orientation (when not 0) and an embedded thumbnail (when not empty) to a JPEG file.
void addExif(const QString& path, int orientation, const QByteArray& thumbnail = {}) {
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData& exif = image->exifData();
    if (orientation != 0)
        exif["Exif.Image.Orientation"] = static_cast<uint16_t>(orientation);
    image->writeMetadata();
    if (!thumbnail.isEmpty())
        km::fixtures::embedThumbnail(path, thumbnail);
}

km::ExifFacts readFacts(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return km::readExifFacts(km::readJpegHead(file));
}

TEST(EmbeddedPreviewChoice, NeedsTheSameProportionsAndNinetyPercentOfTheDrawnSize) {
    const QSize camera(6000, 4000);
    EXPECT_TRUE(km::embeddedPreviewFits({160, 107}, camera, {177, 118}));
    EXPECT_FALSE(km::embeddedPreviewFits({160, 107}, camera, {178, 118}));
    EXPECT_FALSE(km::embeddedPreviewFits({160, 107}, camera, {177, 119}));
    // 160 x 120 holds a 3:2 picture only with black bars above and below.
    EXPECT_FALSE(km::embeddedPreviewFits({160, 120}, camera, {163, 109}));
    EXPECT_TRUE(km::embeddedPreviewFits({160, 120}, {4000, 3000}, {163, 122}));
    EXPECT_TRUE(km::embeddedPreviewFits({160, 108}, camera, {160, 107}));
    EXPECT_FALSE(km::embeddedPreviewFits({160, 109}, camera, {160, 107}));
    EXPECT_FALSE(km::embeddedPreviewFits({}, camera, {160, 107}));
}

TEST(EmbeddedPreviewChoice, TriesTheSmallestPreviewThatFitsOnceBarsAreCut) {
    const std::vector<QSize> previews = {{1620, 1080}, {160, 120}, {640, 427}, {120, 160}};
    const struct {
        QSize drawn;
        std::vector<std::size_t> order;
    } cases[] = {
        {{163, 109}, {1, 2, 0}}, {{400, 267}, {2, 0}},      {{1800, 1200}, {0}},
        {{1801, 1200}, {}},      {{120, 80}, {1, 3, 2, 0}},
    };
    for (const auto& each : cases)
        EXPECT_EQ(km::previewsToTry(previews, {6000, 4000}, each.drawn), each.order)
            << each.drawn.width();
}

TEST(PictureArea, FindsThePictureBetweenUniformBarsOnly) {
    const QColor grey(128, 128, 128);
    const QSize camera(600, 400);
    const struct {
        QSize outer;
        QRect picture;
        QColor before, after;
        QSize shape;
        QRect expected;
    } cases[] = {
        {{160, 120}, {0, 6, 160, 107}, Qt::black, Qt::black, camera, {1, 7, 158, 105}},
        {{160, 120}, {20, 0, 120, 120}, grey, grey, {400, 400}, {21, 1, 118, 118}},
        {{160, 120}, {0, 8, 160, 105}, grey, grey, camera, {2, 9, 155, 103}},
        {{160, 107}, {0, 0, 160, 107}, grey, grey, camera, {0, 0, 160, 107}},
        {{160, 120}, {0, 6, 160, 107}, Qt::black, Qt::white, camera, {}},
        {{160, 120}, {0, 0, 160, 107}, Qt::black, Qt::black, camera, {}},
        {{160, 120}, {0, 20, 160, 80}, Qt::black, Qt::black, camera, {}},
        {{160, 120}, {0, 0, 160, 120}, Qt::black, Qt::black, camera, {}},
    };
    for (const auto& each : cases) {
        const QImage preview = letterboxed(each.outer, each.picture, each.before, each.after);
        EXPECT_EQ(km::pictureAreaOf(preview, each.shape), each.expected) << each.picture.y();
    }
}

TEST(Orientation, TurnsEveryExifOrientationUpright) {
    const QImage stored = quadrants({40, 20});
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const QImage upright = km::turnUpright(stored, orientation);
        EXPECT_EQ(upright.size(), km::uprightSize(stored.size(), orientation));
        EXPECT_EQ(upright.size(), orientation >= 5 ? QSize(20, 40) : QSize(40, 20));
        EXPECT_TRUE(hasCorners(upright, uprightCorners(primaries, orientation)));
    }
    EXPECT_EQ(uprightCorners(primaries, 6), (Corners{blue, red, white, green}));
    EXPECT_TRUE(hasCorners(km::turnUpright(stored, 0), primaries));
    EXPECT_TRUE(hasCorners(km::turnUpright(stored, 9), primaries));
}

class ThumbnailSourceTest : public ::testing::Test {
protected:
    QString jpeg(const QString& name, const QImage& image) const {
        m_folder.write(name, km::fixtures::jpegBytes(image));
        return m_folder.filePath(name);
    }

    TempFolder m_folder;
};

TEST_F(ThumbnailSourceTest, DecodesAPlainJpegAtTheDrawnSize) {
    const km::ThumbnailSource source(jpeg("plain.jpg", quadrants({600, 400})));
    EXPECT_EQ(source.naturalSize(), QSize(600, 400));
    const QImage drawn = source.render({75, 50});
    EXPECT_EQ(drawn.size(), QSize(75, 50));
    EXPECT_TRUE(hasCorners(drawn, primaries));
    EXPECT_TRUE(source.render({}).isNull());
}

TEST_F(ThumbnailSourceTest, ShowsAPhotoTakenWithTheCameraTurnedUpright) {
    const QString path = jpeg("turned.jpg", quadrants({600, 400}));
    addExif(path, 6);
    EXPECT_EQ(readFacts(path).orientation, 6);

    const km::ThumbnailSource source(path);
    EXPECT_EQ(source.naturalSize(), QSize(400, 600));
    const QImage drawn = source.render({60, 90});
    EXPECT_EQ(drawn.size(), QSize(60, 90));
    EXPECT_TRUE(hasCorners(drawn, uprightCorners(primaries, 6)));
}

// Cameras pad the thumbnails of wide photos to 160 x 120; only the picture between the bars shows.
TEST_F(ThumbnailSourceTest, CutsTheBarsOffPaddedThumbnailsInEveryOrientation) {
    const struct {
        QSize photo;
        QRect inner;
        QSize drawn;
    } shapes[] = {{{600, 400}, {0, 6, 160, 107}, {150, 100}},
                  {{640, 360}, {0, 15, 160, 90}, {150, 84}},
                  {{400, 400}, {20, 0, 120, 120}, {110, 110}}};
    for (const auto& shape : shapes)
        for (const QColor bar : {QColor(Qt::black), QColor(128, 128, 128), QColor(40, 90, 200)})
            for (int orientation = 1; orientation <= 8; ++orientation) {
                SCOPED_TRACE(QStringLiteral("%1 %2 %3")
                                 .arg(shape.photo.width())
                                 .arg(bar.name())
                                 .arg(orientation)
                                 .toStdString());
                const QString path = jpeg("padded.jpg", quadrants(shape.photo));
                addExif(path, orientation,
                        km::fixtures::jpegBytes(letterboxed({160, 120}, shape.inner, bar, bar)));
                const QSize drawn = km::uprightSize(shape.drawn, orientation);
                const QImage image = km::ThumbnailSource(path).render(drawn);
                EXPECT_EQ(image.size(), drawn);
                EXPECT_TRUE(hasCorners(image, uprightCorners(secondaries, orientation)));
                EXPECT_TRUE(edgesFreeOf(image, bar));
            }
}

TEST_F(ThumbnailSourceTest, DrawsFromTheSmallestEmbeddedPreviewThatFits) {
    const QString path = jpeg("camera.jpg", quadrants({600, 400}));
    const QImage thumbnail = letterboxed({160, 120}, {0, 7, 160, 107}, Qt::black, Qt::black);
    addExif(path, 0, km::fixtures::jpegBytes(thumbnail));
    km::fixtures::embedMakerNotePreview(path,
                                        km::fixtures::jpegBytes(quadrants({480, 320}, pastels)));
    EXPECT_EQ(readFacts(path).previews.size(), 2u);
    const km::ThumbnailSource source(path);
    const struct {
        QSize drawn;
        const Corners& source;
    } cases[] = {{{150, 100}, secondaries},
                 {{300, 200}, pastels},
                 {{530, 353}, pastels},
                 {{600, 400}, primaries}};
    for (const auto& each : cases)
        EXPECT_TRUE(hasCorners(source.render(each.drawn), each.source)) << each.drawn.width();
}

TEST_F(ThumbnailSourceTest, DecodesThePictureWhenTheThumbnailIsBrokenOrFullToItsEdges) {
    const QByteArray thumbnails[] = {QByteArray(3000, 'x'),
                                     km::fixtures::jpegBytes(quadrants({160, 120}, secondaries)),
                                     km::fixtures::jpegBytes(quadrants({60, 40}, secondaries))};
    for (const QByteArray& thumbnail : thumbnails) {
        const QString path = jpeg("thumbnail.jpg", quadrants({600, 400}));
        addExif(path, 0, thumbnail);
        EXPECT_TRUE(hasCorners(km::ThumbnailSource(path).render({120, 80}), primaries));
    }
}

TEST_F(ThumbnailSourceTest, FilesThatAreNoReadablePictureGiveNothing) {
    m_folder.write("junk.jpg", QByteArray("this is not a picture at all", 28));
    m_folder.write("empty.jpg", {});
    const QByteArray whole = km::fixtures::jpegBytes(quadrants({300, 200}));
    m_folder.write("header.jpg", whole.left(40));
    m_folder.write("text.gif", QByteArray(500, 'G'));
    m_folder.write("text.bmp", QByteArray("BM") + QByteArray(100, '\xff'));
    // Opening a pipe would wait for a writer for good; reading /dev/zero would never end.
    m_folder.makePipe("pipe.jpg");
    m_folder.makeLink("zero.jpg", "/dev/zero");
    const QStringList names = {"junk.jpg", "empty.jpg",   "header.jpg", "text.gif",
                               "text.bmp", "removed.jpg", "pipe.jpg",   "zero.jpg"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const km::ThumbnailSource source(m_folder.filePath(name));
        EXPECT_TRUE(source.naturalSize().isEmpty());
        EXPECT_TRUE(source.render({30, 20}).isNull());
    }
}

TEST_F(ThumbnailSourceTest, SurvivesFilesDamagedAfterTheirHeader) {
    const QByteArray whole = km::fixtures::jpegBytes(quadrants({300, 200}));
    m_folder.write("half.jpg", whole.left(whole.size() / 2));
    const km::ThumbnailSource half(m_folder.filePath("half.jpg"));
    EXPECT_EQ(half.naturalSize(), QSize(300, 200));
    const QImage drawn = half.render({30, 20});
    EXPECT_TRUE(drawn.isNull() || drawn.size() == QSize(30, 20));

    // The file changes between reading its header and drawing it.
    const QString path = jpeg("changing.jpg", quadrants({300, 200}));
    const km::ThumbnailSource changing(path);
    m_folder.write("changing.jpg", "gone");
    EXPECT_TRUE(changing.render({30, 20}).isNull());
    QFile::remove(path);
    EXPECT_TRUE(changing.render({30, 20}).isNull());
}

TEST_F(ThumbnailSourceTest, ReadsADamagedExifBlockQuietly) {
    const QString path = jpeg("exif.jpg", quadrants({300, 200}));
    addExif(path, 6, km::fixtures::jpegBytes(solid({30, 20}, yellow)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const qsizetype tiff = bytes.indexOf("Exif") + 6;
    ASSERT_GT(tiff, 6);
    ASSERT_EQ(bytes.mid(tiff, 2), "II");
    // The first entry of the first directory claims far more data than the block holds.
    bytes.replace(tiff + 8 + 2 + 4, 4, "\xff\xff\xff\x0f");
    file.seek(0);
    file.write(bytes);
    file.close();

    testing::internal::CaptureStderr();
    const km::ExifFacts facts = readFacts(path);
    const km::ThumbnailSource source(path);
    const QImage drawn = source.render(source.naturalSize() / 10);
    const std::string printed = testing::internal::GetCapturedStderr();

    EXPECT_EQ(printed, "");
    EXPECT_GE(facts.orientation, 1);
    EXPECT_LE(facts.orientation, 8);
    EXPECT_EQ(source.naturalSize(), km::uprightSize({300, 200}, facts.orientation));
    EXPECT_EQ(drawn.size(), source.naturalSize() / 10);
}

TEST_F(ThumbnailSourceTest, PreviewsPicturesBeyondTheFullDecodeLimit) {
    const QString path = jpeg("large.jpg", quadrants({1600, 1200}));
    const int previousLimit = QImageReader::allocationLimit();
    // 1 MB stands in for Qt's 256 MB, which a 100-megapixel photo exceeds.
    QImageReader::setAllocationLimit(1);
    EXPECT_TRUE(QImageReader(path).read().isNull());
    const km::ThumbnailSource source(path);
    const QImage drawn = source.render({160, 120});
    QImageReader::setAllocationLimit(previousLimit);

    EXPECT_EQ(source.naturalSize(), QSize(1600, 1200));
    EXPECT_TRUE(hasCorners(drawn, primaries));
}

// A few hundred bytes whose frame header claims 49,157 x 27,397 pixels: coded progressively, its
// decoder would hold every coefficient (gigabytes, seconds); coded sequentially, it is decoded
// at an eighth of that, as any large camera JPEG.
TEST_F(ThumbnailSourceTest, AFrameHeaderClaimingBillionsOfPixelsDecodesNoMoreThanFits) {
    for (const bool progressive : {true, false}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setProgressiveScanWrite(progressive);
        ASSERT_TRUE(writer.write(solid({16, 16}, Qt::red)));
        QByteArray bytes = buffer.data();
        const qsizetype frame =
            bytes.indexOf(progressive ? QByteArray("\xff\xc2", 2) : QByteArray("\xff\xc0", 2));
        ASSERT_GT(frame, 0);
        bytes.replace(frame + 5, 4, QByteArray("\x6b\x05\xc0\x05", 4));
        m_folder.write("claims.jpg", bytes);
        const km::ThumbnailSource source(m_folder.filePath("claims.jpg"));
        EXPECT_EQ(source.naturalSize(), QSize(49157, 27397));
        EXPECT_EQ(source.render({160, 120}).isNull(), progressive);
    }
}

TEST_F(ThumbnailSourceTest, ReadsBitmapsAtTheDrawnSize) {
    ASSERT_TRUE(quadrants({40, 30}).save(m_folder.filePath("four.bmp"), "BMP"));
    const km::ThumbnailSource bmp(m_folder.filePath("four.bmp"));
    EXPECT_EQ(bmp.naturalSize(), QSize(40, 30));
    const QImage drawn = bmp.render({20, 15});
    EXPECT_EQ(drawn.size(), QSize(20, 15));
    EXPECT_TRUE(hasCorners(drawn, primaries));
}

// HEIC and AVIF files are turned by libheif as their own boxes say (the EXIF orientation phones
// write too only repeats it); PNG, WebP and TIFF files by their EXIF orientation.
TEST_F(ThumbnailSourceTest, ShowsPhotosOfEveryPhoneTypeUpright) {
    using namespace km::fixtures;
    const QImage stored = quadrants({240, 160});
    const ExifTags turnedTags{{"Exif.Image.Orientation", "6"}};
    const QByteArray turned = exifTiff(turnedTags);
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"turned.heic", heifBytes(stored, {.exif = turned, .orientation = 6})},
        {"turned.avif", heifBytes(stored, {.avif = true, .orientation = 6})},
        {"turned.png", pngBytes(stored, turned)},
        {"turned.webp", webpBytes(stored, turned)},
        {"turned.tif", tiffBytes(stored, turnedTags)},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        m_folder.write(file.name, file.bytes);
        const km::ThumbnailSource source(m_folder.filePath(file.name));
        EXPECT_EQ(source.naturalSize(), QSize(160, 240));
        const QImage drawn = source.render({40, 60});
        EXPECT_EQ(drawn.size(), QSize(40, 60));
        EXPECT_TRUE(hasCorners(drawn, uprightCorners(primaries, 6)));
    }
}

TEST_F(ThumbnailSourceTest, DrawsAHeicFromItsOwnThumbnailWhenItIsLargeEnough) {
    const QImage thumbnail = quadrants({120, 80}, secondaries);
    m_folder.write("IMG_0001.HEIC",
                   km::fixtures::heifBytes(quadrants({480, 320}), {.thumbnail = thumbnail}));
    const km::ThumbnailSource source(m_folder.filePath("IMG_0001.HEIC"));
    EXPECT_EQ(source.naturalSize(), QSize(480, 320));
    EXPECT_TRUE(hasCorners(source.render({120, 80}), secondaries));
    EXPECT_TRUE(hasCorners(source.render({240, 160}), primaries));
}

TEST_F(ThumbnailSourceTest, DamagedPhonePhotosDrawNothing) {
    using namespace km::fixtures;
    const QImage image = quadrants({240, 160});
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {{"a.heic", heifBytes(image, {.thumbnail = image.scaled(120, 80)})},
                 {"a.avif", heifBytes(image, {.avif = true})},
                 {"a.png", pngBytes(image, exifTiff({{"Exif.Image.Orientation", "3"}}))},
                 {"a.webp", webpBytes(image)},
                 {"a.tif", tiffBytes(image)}};
    for (const auto& file : files) {
        for (const qsizetype length : {qsizetype(0), qsizetype(40), file.bytes.size() / 2}) {
            SCOPED_TRACE(QStringLiteral("%1 cut at %2").arg(file.name).arg(length).toStdString());
            m_folder.write(file.name, file.bytes.first(length));
            const km::ThumbnailSource source(m_folder.filePath(file.name));
            const QImage drawn = source.render({60, 40});
            if (length < 100) {
                EXPECT_TRUE(drawn.isNull());
            }
        }
        // The picture's data overwritten: whatever is drawn, nothing stops.
        QByteArray scrambled = file.bytes;
        for (qsizetype at = scrambled.size() / 3; at < scrambled.size(); at += 7)
            scrambled[at] = static_cast<char>(at * 31);
        m_folder.write(file.name, scrambled);
        (void)km::ThumbnailSource(m_folder.filePath(file.name)).render({60, 40});
    }
}

// A RAW photo shows its embedded JPEGs, turned as its IFD0 says, whatever the sensor data: the
// smaller CR3 thumbnail where it is large enough, the preview otherwise.
TEST_F(ThumbnailSourceTest, ShowsRawPhotosFromTheirEmbeddedPreviewsUpright) {
    using namespace km::fixtures;
    const QByteArray preview = jpegBytes(quadrants({240, 160}));
    const struct {
        const char* name;
        RawKind kind;
    } files[] = {{"IMG_1.CR2", RawKind::Tiff},
                 {"P1.RW2", RawKind::Rw2},
                 {"P2.ORF", RawKind::Orf},
                 {"IMG_3.CR3", RawKind::Cr3},
                 {"DSCF4.RAF", RawKind::Raf}};
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        RawPhoto photo{.orientation = 6, .preview = preview, .sensorBytes = 200'000};
        if (file.kind == RawKind::Cr3)
            photo.thumbnail = jpegBytes(quadrants({120, 80}, secondaries));
        m_folder.write(file.name, rawBytes(file.kind, photo));
        const km::ThumbnailSource source(m_folder.filePath(file.name));
        EXPECT_EQ(source.naturalSize(), QSize(160, 240));
        const QImage drawn = source.render({120, 180});
        EXPECT_EQ(drawn.size(), QSize(120, 180));
        EXPECT_TRUE(hasCorners(drawn, uprightCorners(primaries, 6)));
        if (file.kind == RawKind::Cr3) {
            EXPECT_TRUE(hasCorners(source.render({60, 90}), uprightCorners(secondaries, 6)));
        }
        // Without a preview nothing is drawn: the sensor data is never taken for a picture.
        m_folder.write(file.name, rawBytes(file.kind, {.sensorBytes = 200'000}));
        EXPECT_TRUE(km::ThumbnailSource(m_folder.filePath(file.name)).render({60, 90}).isNull());
    }
}

// A video shows a frame, upright as its matrix turns it, with its length in the corner; one that
// cannot be decoded shows the video icon; neither a pipe under a video's name holds it up.
TEST_F(ThumbnailSourceTest, ShowsVideosFromAFrameUprightWithTheirLength) {
    if (!km::fixtures::canMakeVideos())
        GTEST_SKIP() << "FFmpeg's command-line tool is not installed";
    for (const int rotation : {0, 90}) {
        SCOPED_TRACE(rotation);
        m_folder.write(QStringLiteral("clip.mp4"),
                       km::fixtures::videoBytes({.seconds = 3, .rotation = rotation}));
        const km::ThumbnailSource source(m_folder.filePath(QStringLiteral("clip.mp4")));
        const QSize natural = source.naturalSize();
        EXPECT_EQ(natural.width() * 3 == natural.height() * 4, rotation == 0) << natural.width();
        EXPECT_EQ(natural.width() * 4 == natural.height() * 3, rotation == 90) << natural.width();
        EXPECT_EQ(source.videoLength(), 3000);
        const QImage drawn = source.render(natural / 4);
        ASSERT_EQ(drawn.size(), natural / 4);
    }
    m_folder.write(QStringLiteral("damaged.mp4"),
                   km::fixtures::videoBytes({.seconds = 3}).first(2000));
    const km::ThumbnailSource damaged(m_folder.filePath(QStringLiteral("damaged.mp4")));
    const QImage icon = damaged.render(damaged.naturalSize());
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixel(icon.width() / 2, icon.height() / 2), qRgb(255, 255, 255));
    m_folder.makePipe(QStringLiteral("pipe.mov"));
    EXPECT_TRUE(
        km::ThumbnailSource(m_folder.filePath(QStringLiteral("pipe.mov"))).naturalSize().isEmpty());
}

TEST(VideoLength, AsPlayersShowIt) {
    EXPECT_EQ(km::videoLengthText(42'900), "0:42");
    EXPECT_EQ(km::videoLengthText(725'000), "12:05");
    EXPECT_EQ(km::videoLengthText(3'723'000), "1:02:03");
}

} // namespace

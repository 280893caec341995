#include "app/thumbnail.h"
#include "app/thumbnail_exif.h"
#include "app/thumbnail_orientation.h"
#include "support/temp_folder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <exiv2/exiv2.hpp>
#include <gtest/gtest.h>

namespace {

const QColor red(255, 0, 0);
const QColor green(0, 255, 0);
const QColor blue(0, 0, 255);
const QColor white(255, 255, 255);
const QColor yellow(255, 255, 0);

bool near(QColor actual, QColor expected) {
    return std::abs(actual.red() - expected.red()) < 48 &&
           std::abs(actual.green() - expected.green()) < 48 &&
           std::abs(actual.blue() - expected.blue()) < 48;
}

// Red top left, green top right, blue bottom left, white bottom right.
QImage quadrants(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int halfWidth = size.width() / 2;
    const int halfHeight = size.height() / 2;
    painter.fillRect(0, 0, halfWidth, halfHeight, red);
    painter.fillRect(halfWidth, 0, size.width() - halfWidth, halfHeight, green);
    painter.fillRect(0, halfHeight, halfWidth, size.height() - halfHeight, blue);
    painter.fillRect(halfWidth, halfHeight, size.width() - halfWidth, size.height() - halfHeight,
                     white);
    return image;
}

struct Corners {
    QColor topLeft, topRight, bottomLeft, bottomRight;
};

::testing::AssertionResult hasCorners(const QImage& image, const Corners& expected) {
    if (image.isNull())
        return ::testing::AssertionFailure() << "no image";
    const int right = image.width() - 2;
    const int bottom = image.height() - 2;
    const QColor found[] = {image.pixelColor(1, 1), image.pixelColor(right, 1),
                            image.pixelColor(1, bottom), image.pixelColor(right, bottom)};
    const QColor wanted[] = {expected.topLeft, expected.topRight, expected.bottomLeft,
                             expected.bottomRight};
    for (int corner = 0; corner < 4; ++corner)
        if (!near(found[corner], wanted[corner]))
            return ::testing::AssertionFailure()
                   << "corner " << corner << " is " << found[corner].name().toStdString()
                   << ", expected " << wanted[corner].name().toStdString();
    return ::testing::AssertionSuccess();
}

QByteArray jpegBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
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
    if (!thumbnail.isEmpty())
        Exiv2::ExifThumb(exif).setJpegThumbnail(
            reinterpret_cast<const Exiv2::byte*>(thumbnail.constData()), thumbnail.size());
    image->writeMetadata();
}

TEST(EmbeddedThumbnailFit, NeedsTheSameProportionsAndNinetyPercentOfTheDrawnSize) {
    const QSize camera(6000, 4000);
    EXPECT_TRUE(km::embeddedThumbnailFits({160, 107}, camera, {177, 118}));
    EXPECT_FALSE(km::embeddedThumbnailFits({160, 107}, camera, {178, 118}));
    EXPECT_FALSE(km::embeddedThumbnailFits({160, 107}, camera, {177, 119}));
    // 160 x 120 holds a 3:2 picture only with black bars above and below.
    EXPECT_FALSE(km::embeddedThumbnailFits({160, 120}, camera, {163, 109}));
    EXPECT_TRUE(km::embeddedThumbnailFits({160, 120}, {4000, 3000}, {163, 122}));
    EXPECT_TRUE(km::embeddedThumbnailFits({160, 108}, camera, {160, 107}));
    EXPECT_FALSE(km::embeddedThumbnailFits({160, 109}, camera, {160, 107}));
    EXPECT_FALSE(km::embeddedThumbnailFits({}, camera, {160, 107}));
}

TEST(Orientation, TurnsEveryExifOrientationUpright) {
    const QImage stored = quadrants({40, 20});
    const struct {
        int orientation;
        Corners upright;
    } cases[] = {
        {1, {red, green, blue, white}}, {2, {green, red, white, blue}},
        {3, {white, blue, green, red}}, {4, {blue, white, red, green}},
        {5, {red, blue, green, white}}, {6, {blue, red, white, green}},
        {7, {white, green, blue, red}}, {8, {green, white, red, blue}},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.orientation);
        const QImage upright = km::turnUpright(stored, each.orientation);
        EXPECT_EQ(upright.size(), km::uprightSize(stored.size(), each.orientation));
        EXPECT_EQ(upright.size(), each.orientation >= 5 ? QSize(20, 40) : QSize(40, 20));
        EXPECT_TRUE(hasCorners(upright, each.upright));
    }
    EXPECT_TRUE(hasCorners(km::turnUpright(stored, 0), {red, green, blue, white}));
    EXPECT_TRUE(hasCorners(km::turnUpright(stored, 9), {red, green, blue, white}));
}

class ThumbnailSourceTest : public ::testing::Test {
protected:
    QString jpeg(const QString& name, const QImage& image) const {
        m_folder.write(name, jpegBytes(image));
        return m_folder.filePath(name);
    }

    TempFolder m_folder;
};

TEST_F(ThumbnailSourceTest, DecodesAPlainJpegAtTheDrawnSize) {
    const km::ThumbnailSource source(jpeg("plain.jpg", quadrants({600, 400})));
    EXPECT_EQ(source.naturalSize(), QSize(600, 400));
    const QImage drawn = source.render({75, 50});
    EXPECT_EQ(drawn.size(), QSize(75, 50));
    EXPECT_TRUE(hasCorners(drawn, {red, green, blue, white}));
    EXPECT_TRUE(source.render({}).isNull());
}

TEST_F(ThumbnailSourceTest, ShowsAPhotoTakenWithTheCameraTurnedUpright) {
    const QString path = jpeg("turned.jpg", quadrants({600, 400}));
    addExif(path, 6);
    EXPECT_EQ(km::readExifFacts(path).orientation, 6);

    const km::ThumbnailSource source(path);
    EXPECT_EQ(source.naturalSize(), QSize(400, 600));
    const QImage drawn = source.render({60, 90});
    EXPECT_EQ(drawn.size(), QSize(60, 90));
    EXPECT_TRUE(hasCorners(drawn, {blue, red, white, green}));

    // The embedded thumbnail is stored like the picture and turned the same way.
    const QString other = jpeg("other.jpg", quadrants({600, 400}));
    addExif(other, 8, jpegBytes(quadrants({60, 40})));
    const km::ThumbnailSource thumbnailSource(other);
    EXPECT_TRUE(thumbnailSource.usesEmbeddedThumbnail({40, 60}));
    EXPECT_TRUE(hasCorners(thumbnailSource.render({40, 60}), {green, white, red, blue}));
}

TEST_F(ThumbnailSourceTest, DrawsFromTheEmbeddedThumbnailWhenItFits) {
    const QString path = jpeg("camera.jpg", quadrants({600, 400}));
    addExif(path, 0, jpegBytes(solid({60, 40}, yellow)));
    const km::ThumbnailSource source(path);

    EXPECT_TRUE(source.usesEmbeddedThumbnail({60, 40}));
    const QImage small = source.render({60, 40});
    EXPECT_EQ(small.size(), QSize(60, 40));
    EXPECT_TRUE(hasCorners(small, {yellow, yellow, yellow, yellow}));

    // Too small for a larger drawing: the picture itself is decoded.
    EXPECT_FALSE(source.usesEmbeddedThumbnail({120, 80}));
    EXPECT_TRUE(hasCorners(source.render({120, 80}), {red, green, blue, white}));
}

TEST_F(ThumbnailSourceTest, RefusesPaddedOrBrokenEmbeddedThumbnails) {
    QImage padded = solid({60, 45}, Qt::black);
    QPainter(&padded).fillRect(0, 2, 60, 40, yellow);
    const QString paddedPath = jpeg("padded.jpg", quadrants({600, 400}));
    addExif(paddedPath, 0, jpegBytes(padded));
    const km::ThumbnailSource paddedSource(paddedPath);
    EXPECT_FALSE(paddedSource.usesEmbeddedThumbnail({60, 40}));
    EXPECT_TRUE(hasCorners(paddedSource.render({60, 40}), {red, green, blue, white}));

    const QString brokenPath = jpeg("broken.jpg", quadrants({600, 400}));
    addExif(brokenPath, 0, QByteArray(3000, 'x'));
    const km::ThumbnailSource brokenSource(brokenPath);
    EXPECT_FALSE(brokenSource.usesEmbeddedThumbnail({60, 40}));
    EXPECT_TRUE(hasCorners(brokenSource.render({60, 40}), {red, green, blue, white}));
}

TEST_F(ThumbnailSourceTest, FilesThatAreNoReadablePictureGiveNothing) {
    m_folder.write("junk.jpg", QByteArray("this is not a picture at all", 28));
    m_folder.write("empty.jpg", {});
    const QByteArray whole = jpegBytes(quadrants({300, 200}));
    m_folder.write("header.jpg", whole.left(40));
    m_folder.write("text.gif", QByteArray(500, 'G'));
    m_folder.write("text.bmp", QByteArray("BM") + QByteArray(100, '\xff'));
    const QStringList names = {"junk.jpg", "empty.jpg", "header.jpg",
                               "text.gif", "text.bmp",  "removed.jpg"};
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const km::ThumbnailSource source(m_folder.filePath(name));
        EXPECT_TRUE(source.naturalSize().isEmpty());
        EXPECT_TRUE(source.render({30, 20}).isNull());
    }
}

TEST_F(ThumbnailSourceTest, SurvivesFilesDamagedAfterTheirHeader) {
    const QByteArray whole = jpegBytes(quadrants({300, 200}));
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
    addExif(path, 6, jpegBytes(solid({30, 20}, yellow)));
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
    const km::ExifFacts facts = km::readExifFacts(path);
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
    EXPECT_TRUE(hasCorners(drawn, {red, green, blue, white}));
}

TEST_F(ThumbnailSourceTest, ReadsBitmapsAtTheDrawnSize) {
    ASSERT_TRUE(quadrants({40, 30}).save(m_folder.filePath("four.bmp"), "BMP"));
    const km::ThumbnailSource bmp(m_folder.filePath("four.bmp"));
    EXPECT_EQ(bmp.naturalSize(), QSize(40, 30));
    const QImage drawn = bmp.render({20, 15});
    EXPECT_EQ(drawn.size(), QSize(20, 15));
    EXPECT_TRUE(hasCorners(drawn, {red, green, blue, white}));
}

} // namespace

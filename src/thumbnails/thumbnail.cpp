// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail.h"

#include "file_types/file_types.h"
#include "files/file_system.h"
#include "files/plain_file.h"
#include "picture_formats/exif_place.h"
#include "picture_formats/heif_file.h"
#include "picture_formats/picture_format.h"
#include "picture_formats/tiff_reader.h"
#include "thumbnails/thumbnail_choice.h"
#include "thumbnails/thumbnail_exif.h"
#include "thumbnails/thumbnail_heif.h"
#include "thumbnails/thumbnail_jpeg_head.h"
#include "thumbnails/thumbnail_letterbox.h"
#include "thumbnails/thumbnail_orientation.h"
#include "thumbnails/thumbnail_raw.h"
#include "thumbnails/thumbnail_video.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <fcntl.h>

namespace km {
namespace {

// A video's frame is decoded once, large enough for a preview box on a screen scaled twice.
constexpr int kVideoFrameSide = 480;
// The shape of the box of a video that cannot be decoded.
constexpr QSize kUndecodedVideoSize(160, 120);

// Decodes at the wanted size: the JPEG reader scales while decoding, the others scale afterwards.
QImage decodeAt(QImageReader& reader, QSize wanted) {
    reader.setAutoTransform(false);
    reader.setScaledSize(wanted);
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.size() != wanted)
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage decodeBytesAt(const QByteArray& bytes, QSize wanted) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    return decodeAt(reader, wanted);
}

// The size a picture's header gives, read from the start of the device; empty when unreadable.
QSize pictureSizeOf(QIODevice& device) {
    if (!device.seek(0))
        return {};
    QImageReader reader(&device);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    return size.isValid() && !size.isEmpty() ? size : QSize();
}

QSize pictureSizeOf(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    return pictureSizeOf(buffer);
}

// The EXIF orientation of a PNG, TIFF or WebP file (a TIFF file's own tag); 1 when it has none.
// Qt's readers are not asked, as they do not all read it.
int orientationOf(QIODevice& device, PictureFormat format) {
    if (!device.seek(0))
        return 1;
    const auto place = findExif(device, format);
    if (!place)
        return 1;
    QBuffer decoded;
    decoded.setData(place->decoded);
    if (!place->decoded.isEmpty() && !decoded.open(QIODevice::ReadOnly))
        return 1;
    TiffReader tiff(place->decoded.isEmpty() ? device : static_cast<QIODevice&>(decoded),
                    place->start, place->length);
    return orientationFrom(tiff);
}

} // namespace

ThumbnailSource::ThumbnailSource(const QString& path) : m_file(std::make_unique<QFile>()) {
    // Only a plain file is opened, without blocking: a pipe or a device where a photo was shows
    // no picture and never holds up the window. The file closes the descriptor when it goes,
    // even when it could not take it.
    fs::OpenedPlainFile opened = fs::openPlainFile(path);
    if (!opened.ok() ||
        !m_file->open(opened.fd.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return;
    if (isVideo(path)) {
        m_video = std::make_unique<VideoPreview>(readVideoPreview(*m_file, kVideoFrameSide));
        m_storedSize = m_video->frame.isNull() ? kUndecodedVideoSize : m_video->frame.size();
        return;
    }
    const PictureFormat format = pictureFormatOf(*m_file);
    if (isRawPhoto(path)) {
        readRawPreviews(format);
        return;
    }
    if (format == PictureFormat::Heif) {
        // libheif turns the images itself, as the file's own boxes say; the EXIF orientation of a
        // HEIF file only repeats them and is never applied on top.
        m_heif = HeifFile::open(*m_file);
        if (m_heif)
            m_storedSize = heifPictureSize(*m_heif);
        return;
    }
    if (format == PictureFormat::Png || format == PictureFormat::Tiff ||
        format == PictureFormat::WebP)
        m_orientation = orientationOf(*m_file, format);
    // A JPEG's head gives its size with its metadata; other files, and JPEGs whose frame header
    // was not found there, are asked of the picture reader.
    bool progressive = false;
    const QByteArray jpegHead =
        format == PictureFormat::Jpeg ? readJpegHead(*m_file, &progressive) : QByteArray();
    m_scaledDecode = format == PictureFormat::Jpeg && !progressive;
    if (!jpegHead.isEmpty()) {
        ExifFacts facts = readExifFacts(jpegHead);
        m_orientation = facts.orientation;
        m_storedSize = facts.storedSize;
        readPreviews(std::move(facts.previews));
    }
    if (m_storedSize.isEmpty())
        m_storedSize = pictureSizeOf(*m_file);
}

ThumbnailSource::~ThumbnailSource() = default;

// A RAW photo is shown from the JPEGs it embeds alone; the largest gives its size.
void ThumbnailSource::readRawPreviews(PictureFormat format) {
    m_previewsOnly = true;
    RawPreviews raw = km::readRawPreviews(*m_file, format);
    m_orientation = raw.orientation;
    readPreviews(std::move(raw.previews));
    const auto area = [](QSize size) {
        return qint64(size.width()) * size.height();
    };
    for (const Preview& preview : m_previews)
        if (area(preview.size) > area(m_storedSize))
            m_storedSize = preview.size;
}

void ThumbnailSource::readPreviews(std::vector<QByteArray> previews) {
    for (QByteArray& jpeg : previews) {
        // A damaged preview may claim billions of pixels, as a damaged picture may.
        const QSize size = pictureSizeOf(jpeg);
        if (!size.isEmpty() && qint64(size.width()) * size.height() <= kMaxDecodedPixels)
            m_previews.push_back({std::move(jpeg), size});
    }
}

QSize ThumbnailSource::naturalSize() const {
    return uprightSize(m_storedSize, m_orientation);
}

QImage ThumbnailSource::render(QSize drawn) const {
    if (m_storedSize.isEmpty() || drawn.isEmpty())
        return {};
    if (m_heif)
        return renderHeif(*m_heif, drawn);
    if (m_video)
        return drawVideoPreview(*m_video, drawn);
    // Decoding happens in the stored orientation; turning the small result is cheap.
    const QSize stored = uprightSize(drawn, m_orientation);
    QImage image = fromEmbeddedPreview(stored);
    if (image.isNull() && !m_previewsOnly)
        image = fromPicture(stored);
    if (image.isNull())
        return {};
    return turnUpright(image, m_orientation);
}

std::optional<qint64> ThumbnailSource::videoLength() const {
    return m_video ? m_video->durationMs : std::nullopt;
}

QImage ThumbnailSource::fromEmbeddedPreview(QSize stored) const {
    std::vector<QSize> sizes;
    for (const Preview& preview : m_previews)
        sizes.push_back(preview.size);
    for (const std::size_t index : previewsToTry(sizes, m_storedSize, stored)) {
        const QImage image = fromPreview(m_previews[index], stored);
        if (!image.isNull())
            return image;
    }
    return {};
}

// A preview of the picture's own proportions is decoded at the drawn size; one with bars whole,
// to find the bars, and only the picture between them is scaled.
QImage ThumbnailSource::fromPreview(const Preview& preview, QSize stored) const {
    if (sameProportions(preview.size, m_storedSize))
        return decodeBytesAt(preview.jpeg, stored);
    const QImage whole = decodeBytesAt(preview.jpeg, preview.size);
    const QRect area = pictureAreaOf(whole, m_storedSize);
    if (!embeddedPreviewFits(area.size(), m_storedSize, stored))
        return {};
    return whole.copy(area).scaled(stored, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A picture is decoded only while that fits in memory: a sequential JPEG is decoded at an eighth
// of its size where the box is smaller, anything else whole. A file that claims more (a damaged
// frame header may claim billions of pixels in a few hundred bytes) shows no picture.
QImage ThumbnailSource::fromPicture(QSize stored) const {
    const qint64 pixels = qint64(m_storedSize.width()) * m_storedSize.height();
    const qint64 decoded =
        m_scaledDecode ? std::max(pixels / 64, qint64(stored.width()) * stored.height()) : pixels;
    if (decoded > kMaxDecodedPixels || !m_file->seek(0))
        return {};
    QImageReader reader(m_file.get());
    return decodeAt(reader, stored);
}

} // namespace km

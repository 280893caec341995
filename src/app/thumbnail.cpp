#include "app/thumbnail.h"

#include "app/thumbnail_orientation.h"

#include <QBuffer>
#include <QImageReader>
#include <cmath>

namespace km {
namespace {

constexpr double proportionTolerance = 0.02;
constexpr double smallestShare = 0.9;

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

QImage decodeFileAt(const QString& path, QSize wanted) {
    QImageReader reader(path);
    return decodeAt(reader, wanted);
}

QImage decodeBytesAt(const QByteArray& bytes, QSize wanted) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    return decodeAt(reader, wanted);
}

} // namespace

bool embeddedThumbnailFits(QSize thumbnail, QSize picture, QSize drawn) {
    if (thumbnail.isEmpty() || picture.isEmpty() || drawn.isEmpty())
        return false;
    const double thumbnailShape = double(thumbnail.width()) / thumbnail.height();
    const double pictureShape = double(picture.width()) / picture.height();
    if (std::abs(thumbnailShape / pictureShape - 1.0) > proportionTolerance)
        return false;
    return thumbnail.width() >= smallestShare * drawn.width() &&
           thumbnail.height() >= smallestShare * drawn.height();
}

ThumbnailSource::ThumbnailSource(const QString& path) : m_path(path) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return;
    m_storedSize = size;
    if (reader.format() == "jpeg") {
        m_exif = readExifFacts(path);
        readEmbeddedThumbnailSize();
    }
}

void ThumbnailSource::readEmbeddedThumbnailSize() {
    if (m_exif.thumbnail.isEmpty())
        return;
    QBuffer buffer(&m_exif.thumbnail);
    if (!buffer.open(QIODevice::ReadOnly))
        return;
    const QSize size = QImageReader(&buffer).size();
    if (size.isValid() && !size.isEmpty())
        m_thumbnailSize = size;
}

QSize ThumbnailSource::naturalSize() const {
    return uprightSize(m_storedSize, m_exif.orientation);
}

bool ThumbnailSource::usesEmbeddedThumbnail(QSize drawn) const {
    const QSize stored = uprightSize(drawn, m_exif.orientation);
    return embeddedThumbnailFits(m_thumbnailSize, m_storedSize, stored);
}

QImage ThumbnailSource::render(QSize drawn) const {
    if (m_storedSize.isEmpty() || drawn.isEmpty())
        return {};
    // Decoding happens in the stored orientation; turning the small result is cheap.
    const QSize stored = uprightSize(drawn, m_exif.orientation);
    QImage image;
    if (usesEmbeddedThumbnail(drawn))
        image = decodeBytesAt(m_exif.thumbnail, stored);
    if (image.isNull())
        image = decodeFileAt(m_path, stored);
    if (image.isNull())
        return {};
    return turnUpright(image, m_exif.orientation);
}

} // namespace km

// SPDX-License-Identifier: MIT
#include "photo_dates/exif_date.h"

#include "jpeg/jpeg_markers.h"
#include "picture_formats/exif_place.h"
#include "picture_formats/heif_file.h"
#include "picture_formats/picture_format.h"
#include "picture_formats/tiff_reader.h"

#include <QBuffer>
#include <QIODevice>
#include <cstdint>

namespace km {
namespace {

// Cameras put the EXIF segment first; a file that has not reached it within this many bytes of
// other segments is not read further.
constexpr qint64 kLongestHead = 4 * 1024 * 1024;

constexpr uint16_t kExifIfdTag = 0x8769;
constexpr uint16_t kDateTimeOriginalTag = 0x9003;
constexpr uint16_t kDateTimeDigitizedTag = 0x9004;
constexpr uint16_t kSubSecTimeOriginalTag = 0x9291;
constexpr uint16_t kSubSecTimeDigitizedTag = 0x9292;

// The date of a DateTime... entry; nothing when it is missing or no valid date.
std::optional<CalendarTime> timeAt(TiffReader& tiff, qint64 ifd, uint16_t tag) {
    const auto text = tiff.text(ifd, tag);
    if (!text)
        return std::nullopt;
    // Some cameras pad the value with spaces.
    return readExifTime(QString::fromLatin1(text->trimmed()));
}

// The leading digits of a SubSecTime... entry, spaces around it ignored; empty when it is missing.
QString subSecondsAt(TiffReader& tiff, qint64 ifd, uint16_t tag) {
    const auto text = tiff.text(ifd, tag);
    if (!text)
        return {};
    const QByteArray trimmed = text->trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && trimmed[digits] >= '0' && trimmed[digits] <= '9')
        ++digits;
    return QString::fromLatin1(trimmed.first(digits));
}

// The date from a TIFF structure (EXIF data, or a TIFF file), in either byte order.
std::optional<DateTaken> dateTakenFromTiff(TiffReader& tiff) {
    if (!tiff.readHeader())
        return std::nullopt;
    const qint64 exifIfd = tiff.pointer(tiff.firstDirectory(), kExifIfdTag);
    if (exifIfd < 0)
        return std::nullopt;
    if (const auto time = timeAt(tiff, exifIfd, kDateTimeOriginalTag))
        return DateTaken{*time, subSecondsAt(tiff, exifIfd, kSubSecTimeOriginalTag)};
    if (const auto time = timeAt(tiff, exifIfd, kDateTimeDigitizedTag))
        return DateTaken{*time, subSecondsAt(tiff, exifIfd, kSubSecTimeDigitizedTag)};
    return std::nullopt;
}

std::optional<DateTaken> dateTakenFromBytes(const QByteArray& tiff, qsizetype start) {
    QBuffer buffer;
    buffer.setData(tiff);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    TiffReader reader(buffer, start, tiff.size() - start);
    return dateTakenFromTiff(reader);
}

std::optional<DateTaken> readJpegDateTaken(QIODevice& device) {
    if (!jpeg::readStartOfImage(device))
        return std::nullopt;
    for (qint64 read = 2; read < kLongestHead;) {
        const unsigned char code = jpeg::nextMarker(device, read);
        if (code == 0 || code == jpeg::kStartOfScan || code == jpeg::kEndOfImage)
            return std::nullopt;
        if (jpeg::standsAlone(code))
            continue;
        const int length = jpeg::readSegmentLength(device);
        if (length < 0)
            return std::nullopt;
        if (code == jpeg::kApp1) {
            // At most 64 KiB, as the length field allows.
            const QByteArray content = device.read(length);
            if (content.size() != length)
                return std::nullopt;
            if (content.startsWith(QByteArrayView("Exif\0\0", 6)))
                return dateTakenFromBytes(content, 6);
        } else if (device.skip(length) != length) {
            return std::nullopt;
        }
        read += length + 2;
    }
    return std::nullopt;
}

} // namespace

std::optional<DateTaken> readDateTaken(QIODevice& device) {
    const PictureFormat format = pictureFormatOf(device);
    switch (format) {
    case PictureFormat::Jpeg:
        return readJpegDateTaken(device);
    case PictureFormat::Heif: {
        const auto heif = HeifFile::open(device);
        return heif ? dateTakenFromBytes(heif->exif(), 0) : std::nullopt;
    }
    case PictureFormat::Other:
        return std::nullopt;
    default:
        break;
    }
    const auto place = findExif(device, format);
    if (!place)
        return std::nullopt;
    TiffReader reader(device, place->start, place->length);
    return dateTakenFromTiff(reader);
}

std::optional<DateTaken> readDateTaken(const QByteArray& jpeg) {
    QBuffer buffer;
    buffer.setData(jpeg);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readDateTaken(buffer);
}

} // namespace km

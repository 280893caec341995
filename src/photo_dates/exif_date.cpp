// SPDX-License-Identifier: MIT
#include "photo_dates/exif_date.h"

#include "jpeg/jpeg_markers.h"
#include "photo_dates/video_date.h"
#include "picture_formats/exif_place.h"
#include "picture_formats/heif_file.h"
#include "picture_formats/picture_format.h"
#include "picture_formats/raw_layouts.h"
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
constexpr uint16_t kOffsetTimeOriginalTag = 0x9011;
constexpr uint16_t kSubSecTimeOriginalTag = 0x9291;
constexpr uint16_t kSubSecTimeDigitizedTag = 0x9292;
constexpr uint16_t kMakeTag = 0x010f;
constexpr uint16_t kModelTag = 0x0110;
constexpr uint16_t kBodySerialNumberTag = 0xa431;
constexpr uint16_t kLensModelTag = 0xa434;

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

// A text tag as the camera wrote it: UTF-8 where it is, else Latin-1, spaces around it trimmed;
// empty when it is missing.
QString tagTextAt(TiffReader& tiff, qint64 ifd, uint16_t tag) {
    const auto text = tiff.text(ifd, tag);
    if (!text || text->isEmpty())
        return {};
    const QByteArray trimmed = text->trimmed();
    QString decoded = QString::fromUtf8(trimmed);
    if (decoded.contains(QChar::ReplacementCharacter))
        decoded = QString::fromLatin1(trimmed);
    return decoded;
}

std::optional<DateTaken> dateTakenAt(TiffReader& tiff, qint64 exifIfd) {
    if (exifIfd < 0)
        return std::nullopt;
    if (const auto time = timeAt(tiff, exifIfd, kDateTimeOriginalTag))
        return DateTaken{*time, subSecondsAt(tiff, exifIfd, kSubSecTimeOriginalTag)};
    if (const auto time = timeAt(tiff, exifIfd, kDateTimeDigitizedTag))
        return DateTaken{*time, subSecondsAt(tiff, exifIfd, kSubSecTimeDigitizedTag)};
    return std::nullopt;
}

// The facts of IFD0 and the EXIF directory, which most files keep in one TIFF structure and
// Canon's CR3 in two.
PhotoFacts factsFrom(TiffReader& ifd0Tiff, qint64 ifd0, TiffReader& exifTiff, qint64 exifIfd,
                     FactsWanted wanted) {
    PhotoFacts facts;
    facts.taken = dateTakenAt(exifTiff, exifIfd);
    if (facts.taken)
        if (const auto offset = exifTiff.text(exifIfd, kOffsetTimeOriginalTag))
            facts.utcOffset = readUtcOffset(QString::fromLatin1(offset->trimmed()));
    if (wanted == FactsWanted::DatesAndCameras) {
        CameraTags camera;
        if (ifd0 >= 0) {
            camera.make = tagTextAt(ifd0Tiff, ifd0, kMakeTag);
            camera.model = tagTextAt(ifd0Tiff, ifd0, kModelTag);
        }
        if (exifIfd >= 0) {
            camera.lens = tagTextAt(exifTiff, exifIfd, kLensModelTag);
            camera.serial = tagTextAt(exifTiff, exifIfd, kBodySerialNumberTag);
        }
        if (!(camera == CameraTags{}))
            facts.camera = std::make_shared<const CameraTags>(std::move(camera));
    }
    return facts;
}

// The facts of a TIFF structure (EXIF data, or a TIFF file), in either byte order.
PhotoFacts factsFromTiff(TiffReader& tiff, FactsWanted wanted) {
    if (!tiff.readHeader())
        return {};
    const qint64 ifd0 = tiff.firstDirectory();
    return factsFrom(tiff, ifd0, tiff, tiff.pointer(ifd0, kExifIfdTag), wanted);
}

// The first directory of a TIFF structure of a CR3 file; -1 when it is missing or damaged.
qint64 firstDirectoryOf(TiffReader& tiff) {
    return tiff.readHeader() ? tiff.firstDirectory() : -1;
}

PhotoFacts readCr3Facts(QIODevice& device, FactsWanted wanted) {
    const Cr3Layout layout = readCr3Layout(device);
    if (!layout.exif)
        return {};
    const FileRange ifd0Range = layout.ifd0.value_or(FileRange{});
    TiffReader ifd0Tiff(device, ifd0Range.start, ifd0Range.length);
    TiffReader exifTiff(device, layout.exif->start, layout.exif->length);
    const qint64 ifd0 = firstDirectoryOf(ifd0Tiff);
    return factsFrom(ifd0Tiff, ifd0, exifTiff, firstDirectoryOf(exifTiff), wanted);
}

PhotoFacts factsFromBytes(const QByteArray& tiff, qsizetype start, FactsWanted wanted) {
    QBuffer buffer;
    buffer.setData(tiff);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    TiffReader reader(buffer, start, tiff.size() - start);
    return factsFromTiff(reader, wanted);
}

PhotoFacts readJpegFacts(QIODevice& device, FactsWanted wanted) {
    if (!jpeg::readStartOfImage(device))
        return {};
    for (qint64 read = 2; read < kLongestHead;) {
        const unsigned char code = jpeg::nextMarker(device, read);
        if (code == 0 || code == jpeg::kStartOfScan || code == jpeg::kEndOfImage)
            return {};
        if (jpeg::standsAlone(code))
            continue;
        const int length = jpeg::readSegmentLength(device);
        if (length < 0)
            return {};
        if (code == jpeg::kApp1) {
            // At most 64 KiB, as the length field allows.
            const QByteArray content = device.read(length);
            if (content.size() != length)
                return {};
            if (content.startsWith(QByteArrayView("Exif\0\0", 6)))
                return factsFromBytes(content, 6, wanted);
        } else if (device.skip(length) != length) {
            return {};
        }
        read += length + 2;
    }
    return {};
}

PhotoFacts readFacts(QIODevice& device, FactsWanted wanted) {
    const PictureFormat format = pictureFormatOf(device);
    switch (format) {
    case PictureFormat::Jpeg:
        return readJpegFacts(device, wanted);
    case PictureFormat::Heif: {
        const auto heif = HeifFile::open(device);
        return heif ? factsFromBytes(heif->exif(), 0, wanted) : PhotoFacts{};
    }
    case PictureFormat::Cr3:
        return readCr3Facts(device, wanted);
    case PictureFormat::Raf: {
        const std::optional<FileRange> jpeg = rafJpeg(device);
        return jpeg && device.seek(jpeg->start) ? readJpegFacts(device, wanted) : PhotoFacts{};
    }
    case PictureFormat::Movie:
        return readVideoFacts(device);
    case PictureFormat::TransportStream:
        return readAvchdFacts(device);
    case PictureFormat::Other:
        return {};
    default:
        break;
    }
    const auto place = findExif(device, format);
    if (!place)
        return {};
    if (!place->decoded.isEmpty())
        return factsFromBytes(place->decoded, 0, wanted);
    TiffReader reader(device, place->start, place->length);
    return factsFromTiff(reader, wanted);
}

} // namespace

std::optional<DateTaken> readDateTaken(QIODevice& device) {
    return readFacts(device, FactsWanted::Dates).taken;
}

PhotoFacts readPhotoFacts(QIODevice& device, FactsWanted wanted) {
    return readFacts(device, wanted);
}

std::optional<DateTaken> readDateTaken(const QByteArray& jpeg) {
    QBuffer buffer;
    buffer.setData(jpeg);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readDateTaken(buffer);
}

} // namespace km

// SPDX-License-Identifier: MIT
#include "picture_formats/exif_place.h"

#include <QIODevice>

namespace km {
namespace {

// Some writers keep the JPEG segment's header in front of the TIFF structure.
constexpr QByteArrayView kExifHeader("Exif\0\0", 6);

uint32_t bigEndian32(QByteArrayView bytes) {
    return uint32_t(uchar(bytes[0])) << 24 | uint32_t(uchar(bytes[1])) << 16 |
           uint32_t(uchar(bytes[2])) << 8 | uchar(bytes[3]);
}

uint32_t littleEndian32(QByteArrayView bytes) {
    return uint32_t(uchar(bytes[3])) << 24 | uint32_t(uchar(bytes[2])) << 16 |
           uint32_t(uchar(bytes[1])) << 8 | uchar(bytes[0]);
}

// The chunk's data, past an "Exif\0\0" header when it has one.
std::optional<ExifPlace> exifChunkAt(QIODevice& device, qint64 start, qint64 length) {
    if (!device.seek(start))
        return std::nullopt;
    if (device.peek(kExifHeader.size()) == kExifHeader && length >= kExifHeader.size())
        return ExifPlace{start + kExifHeader.size(), length - kExifHeader.size()};
    return ExifPlace{start, length};
}

// PNG: the signature, then chunks of a big-endian length, a type, the data and a CRC.
std::optional<ExifPlace> findPngExif(QIODevice& device, qint64 base, qint64 size) {
    for (qint64 at = base + 8; at + 12 <= size;) {
        if (!device.seek(at))
            return std::nullopt;
        const QByteArray header = device.read(8);
        if (header.size() != 8)
            return std::nullopt;
        const qint64 length = bigEndian32(header);
        const QByteArrayView type = QByteArrayView(header).sliced(4);
        if (length > size - at - 12)
            return std::nullopt;
        if (type == "eXIf")
            return exifChunkAt(device, at + 8, length);
        if (type == "IEND")
            return std::nullopt;
        at += 12 + length;
    }
    return std::nullopt;
}

// WebP: "RIFF", the RIFF size, "WEBP", then chunks of a type, a little-endian length and the data,
// padded to an even length.
std::optional<ExifPlace> findWebpExif(QIODevice& device, qint64 base, qint64 size) {
    for (qint64 at = base + 12; at + 8 <= size;) {
        if (!device.seek(at))
            return std::nullopt;
        const QByteArray header = device.read(8);
        if (header.size() != 8)
            return std::nullopt;
        const qint64 length = littleEndian32(QByteArrayView(header).sliced(4));
        if (length > size - at - 8)
            return std::nullopt;
        if (header.startsWith("EXIF"))
            return exifChunkAt(device, at + 8, length);
        at += 8 + length + (length & 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<ExifPlace> findExif(QIODevice& device, PictureFormat format) {
    const qint64 base = device.pos();
    const qint64 size = device.size();
    switch (format) {
    case PictureFormat::Tiff:
        return ExifPlace{base, size - base};
    case PictureFormat::Png:
        return findPngExif(device, base, size);
    case PictureFormat::WebP:
        return findWebpExif(device, base, size);
    default:
        return std::nullopt;
    }
}

} // namespace km

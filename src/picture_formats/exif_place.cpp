// SPDX-License-Identifier: MIT
#include "picture_formats/exif_place.h"

#include <QIODevice>
#include <zlib.h>

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

// A text chunk larger than this holds no EXIF data worth reading; it is passed over unread.
constexpr qint64 kLargestTextChunk = 1024 * 1024;
// No EXIF block is larger than a JPEG segment allows; a text that inflates beyond this is damage.
constexpr qsizetype kLargestInflatedText = 4 * 64 * 1024;

// The zlib stream inflated, or nothing when it is damaged or inflates beyond the bound.
std::optional<QByteArray> inflated(QByteArrayView compressed) {
    QByteArray out(kLargestInflatedText, Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const auto written = static_cast<qsizetype>(stream.total_out);
    inflateEnd(&stream);
    if (result != Z_STREAM_END)
        return std::nullopt;
    out.truncate(written);
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "\nexif\n   <length>\n" and the bytes in hexadecimal, in lines; nothing when it does not hold
// that many bytes.
std::optional<QByteArray> rawProfileBytes(QByteArrayView text) {
    // Past the profile's name, on its own line after the first line break.
    const qsizetype nameEnd = text.indexOf('\n', text.indexOf('\n') + 1);
    const qsizetype lengthEnd = nameEnd < 0 ? -1 : text.indexOf('\n', nameEnd + 1);
    if (lengthEnd < 0)
        return std::nullopt;
    bool ok = false;
    const qsizetype length =
        text.sliced(nameEnd + 1, lengthEnd - nameEnd - 1).trimmed().toLongLong(&ok);
    if (!ok || length <= 0 || length > kLargestInflatedText || length > text.size() / 2)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(length);
    int high = -1;
    for (qsizetype at = lengthEnd + 1; at < text.size() && bytes.size() < length; ++at) {
        const int digit = hexDigit(text[at]);
        if (digit < 0)
            continue;
        if (high < 0) {
            high = digit;
        } else {
            bytes.append(char(high << 4 | digit));
            high = -1;
        }
    }
    if (bytes.size() != length)
        return std::nullopt;
    return bytes;
}

// A tEXt or zTXt chunk's EXIF data, when its keyword names it.
std::optional<ExifPlace> textChunkExif(QIODevice& device, qint64 start, qint64 length,
                                       bool compressed) {
    if (length > kLargestTextChunk || !device.seek(start))
        return std::nullopt;
    const QByteArray data = device.read(length);
    const qsizetype nul = data.indexOf('\0');
    if (data.size() != length || nul < 0)
        return std::nullopt;
    const QByteArrayView keyword = QByteArrayView(data).first(nul);
    if (keyword != "Raw profile type exif" && keyword != "Raw profile type APP1")
        return std::nullopt;
    // A zTXt chunk has its compression method (0, zlib) after the keyword's NUL.
    const QByteArrayView rest = QByteArrayView(data).sliced(nul + (compressed ? 2 : 1));
    const std::optional<QByteArray> text =
        compressed ? inflated(rest) : std::optional(rest.toByteArray());
    std::optional<QByteArray> bytes = text ? rawProfileBytes(*text) : std::nullopt;
    if (!bytes)
        return std::nullopt;
    if (bytes->startsWith(kExifHeader))
        bytes->remove(0, kExifHeader.size());
    return ExifPlace{0, bytes->size(), std::move(*bytes)};
}

// PNG: the signature, then chunks of a big-endian length, a type, the data and a CRC. An eXIf
// chunk is taken first; a text chunk with EXIF data is kept in case none follows.
std::optional<ExifPlace> findPngExif(QIODevice& device, qint64 base, qint64 size) {
    std::optional<ExifPlace> fromText;
    for (qint64 at = base + 8; at + 12 <= size;) {
        if (!device.seek(at))
            return std::nullopt;
        const QByteArray header = device.read(8);
        if (header.size() != 8)
            return std::nullopt;
        const qint64 length = bigEndian32(header);
        const QByteArrayView type = QByteArrayView(header).sliced(4);
        if (length > size - at - 12)
            return fromText;
        if (type == "eXIf")
            return exifChunkAt(device, at + 8, length);
        if (type == "IEND")
            return fromText;
        if (!fromText && (type == "tEXt" || type == "zTXt"))
            fromText = textChunkExif(device, at + 8, length, type == "zTXt");
        at += 12 + length;
    }
    return fromText;
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

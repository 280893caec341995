// SPDX-License-Identifier: MIT
#include "photo_dates/exif_date.h"

#include "jpeg/jpeg_markers.h"

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

constexpr uint16_t kTypeAscii = 2;
constexpr uint16_t kTypeLong = 4;
constexpr uint16_t kTypeUndefined = 7;
constexpr uint16_t kTypeIfd = 13;

// The TIFF structure of one EXIF segment, every read checked against its end.
class Tiff {
public:
    explicit Tiff(QByteArrayView bytes) : m_bytes(bytes) {}

    // Reads the byte order mark and the magic number 42; false when they are not there.
    bool readHeader() {
        if (m_bytes.size() < 8)
            return false;
        if (m_bytes.first(2) == "II")
            m_bigEndian = false;
        else if (m_bytes.first(2) == "MM")
            m_bigEndian = true;
        else
            return false;
        return u16(2) == 42;
    }

    uint16_t u16(qsizetype at) const {
        const uint16_t a = byte(at), b = byte(at + 1);
        return static_cast<uint16_t>(m_bigEndian ? (a << 8) | b : (b << 8) | a);
    }
    uint32_t u32(qsizetype at) const {
        const uint32_t high = u16(at), low = u16(at + 2);
        return m_bigEndian ? (high << 16) | low : (low << 16) | high;
    }
    bool holds(qint64 at, qint64 length) const {
        return at >= 0 && length >= 0 && at <= m_bytes.size() && length <= m_bytes.size() - at;
    }

    // The offset of the entry with the tag in the directory at ifd; -1 when it has none or the
    // directory does not fit.
    qsizetype findEntry(qint64 ifd, uint16_t tag) const {
        if (!holds(ifd, 2))
            return -1;
        const int count = u16(ifd);
        if (!holds(ifd + 2, qint64(count) * 12))
            return -1;
        for (int i = 0; i < count; ++i) {
            const qsizetype entry = ifd + 2 + i * 12;
            if (u16(entry) == tag)
                return entry;
        }
        return -1;
    }

    // The bytes of an entry's value when it has one of the two byte-sized types, cut at its first
    // NUL; nothing when the value does not fit.
    std::optional<QByteArrayView> textOf(qsizetype entry) const {
        const uint16_t type = u16(entry + 2);
        if (type != kTypeAscii && type != kTypeUndefined)
            return std::nullopt;
        const qint64 count = u32(entry + 4);
        const qint64 at = count <= 4 ? entry + 8 : qint64(u32(entry + 8));
        if (!holds(at, count))
            return std::nullopt;
        QByteArrayView text = m_bytes.sliced(at, count);
        if (const qsizetype nul = text.indexOf('\0'); nul >= 0)
            text = text.first(nul);
        return text;
    }

    // The offset of the directory an entry points to; -1 when it is no pointer.
    qint64 pointerOf(qsizetype entry) const {
        const uint16_t type = u16(entry + 2);
        if ((type != kTypeLong && type != kTypeIfd) || u32(entry + 4) != 1)
            return -1;
        return u32(entry + 8);
    }

private:
    uint16_t byte(qsizetype at) const { return static_cast<unsigned char>(m_bytes[at]); }

    QByteArrayView m_bytes;
    bool m_bigEndian = false;
};

// The date of a DateTime... entry; nothing when it is missing or no valid date.
std::optional<QString> stampAt(const Tiff& tiff, qint64 ifd, uint16_t tag) {
    const qsizetype entry = tiff.findEntry(ifd, tag);
    if (entry < 0)
        return std::nullopt;
    const auto text = tiff.textOf(entry);
    if (!text)
        return std::nullopt;
    // Some cameras pad the value with spaces.
    QString stamp = QString::fromLatin1(text->trimmed());
    if (!isValidStamp(stamp))
        return std::nullopt;
    return stamp;
}

// The leading digits of a SubSecTime... entry, spaces around it ignored; empty when it is missing.
QString subSecondsAt(const Tiff& tiff, qint64 ifd, uint16_t tag) {
    const qsizetype entry = tiff.findEntry(ifd, tag);
    if (entry < 0)
        return {};
    const auto text = tiff.textOf(entry);
    if (!text)
        return {};
    const QByteArrayView trimmed = text->trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && trimmed[digits] >= '0' && trimmed[digits] <= '9')
        ++digits;
    return QString::fromLatin1(trimmed.first(digits));
}

// The date from the TIFF structure an EXIF segment holds after its "Exif\0\0" header, in either
// byte order.
std::optional<DateTaken> dateTakenFromTiff(QByteArrayView bytes) {
    Tiff tiff(bytes);
    if (!tiff.readHeader())
        return std::nullopt;
    const qsizetype pointer = tiff.findEntry(tiff.u32(4), kExifIfdTag);
    if (pointer < 0)
        return std::nullopt;
    const qint64 exifIfd = tiff.pointerOf(pointer);
    if (exifIfd < 0)
        return std::nullopt;
    if (auto stamp = stampAt(tiff, exifIfd, kDateTimeOriginalTag))
        return DateTaken{*stamp, subSecondsAt(tiff, exifIfd, kSubSecTimeOriginalTag)};
    if (auto stamp = stampAt(tiff, exifIfd, kDateTimeDigitizedTag))
        return DateTaken{*stamp, subSecondsAt(tiff, exifIfd, kSubSecTimeDigitizedTag)};
    return std::nullopt;
}

} // namespace

std::optional<DateTaken> readDateTaken(QIODevice& device) {
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
                return dateTakenFromTiff(QByteArrayView(content).sliced(6));
        } else if (device.skip(length) != length) {
            return std::nullopt;
        }
        read += length + 2;
    }
    return std::nullopt;
}

std::optional<DateTaken> readDateTaken(const QByteArray& jpeg) {
    QBuffer buffer;
    buffer.setData(jpeg);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readDateTaken(buffer);
}

} // namespace km

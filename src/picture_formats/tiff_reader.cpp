// SPDX-License-Identifier: MIT
#include "picture_formats/tiff_reader.h"

#include <QIODevice>

namespace km {
namespace {

constexpr uint16_t kTypeAscii = 2;
constexpr uint16_t kTypeShort = 3;
constexpr uint16_t kTypeLong = 4;
constexpr uint16_t kTypeUndefined = 7;
constexpr uint16_t kTypeIfd = 13;

constexpr qint64 kEntrySize = 12;
// No tag the program reads holds more; a longer value is damage, not worth allocating for.
constexpr qint64 kLongestText = 64 * 1024;

} // namespace

TiffReader::TiffReader(QIODevice& device, qint64 start, qint64 length)
    : m_device(device), m_start(start), m_length(length) {}

bool TiffReader::readHeader() {
    const auto header = bytesAt(0, 8);
    if (!header)
        return false;
    if (header->startsWith("II"))
        m_bigEndian = false;
    else if (header->startsWith("MM"))
        m_bigEndian = true;
    else
        return false;
    // TIFF's 42, and the magic numbers of Panasonic's and Olympus's RAW photos built on it.
    const uint16_t magic = u16(*header, 2);
    if (magic != 42 && magic != 0x55 && magic != 0x4f52 && magic != 0x5352)
        return false;
    m_firstDirectory = u32(*header, 4);
    return true;
}

std::optional<QByteArray> TiffReader::bytesAt(qint64 at, qint64 length) const {
    if (at < 0 || length < 0 || at > m_length || length > m_length - at)
        return std::nullopt;
    if (!m_device.seek(m_start + at))
        return std::nullopt;
    QByteArray bytes = m_device.read(length);
    if (bytes.size() != length)
        return std::nullopt;
    return bytes;
}

uint16_t TiffReader::u16(QByteArrayView bytes, qsizetype at) const {
    const uint16_t a = static_cast<unsigned char>(bytes[at]);
    const uint16_t b = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<uint16_t>(m_bigEndian ? (a << 8) | b : (b << 8) | a);
}

uint32_t TiffReader::u32(QByteArrayView bytes, qsizetype at) const {
    const uint32_t high = u16(bytes, at), low = u16(bytes, at + 2);
    return m_bigEndian ? (high << 16) | low : (low << 16) | high;
}

QByteArray TiffReader::entry(qint64 directory, uint16_t tag) {
    if (directory != m_readDirectory) {
        m_readDirectory = directory;
        m_entries.clear();
        const auto count = bytesAt(directory, 2);
        if (!count)
            return {};
        if (auto entries = bytesAt(directory + 2, u16(*count, 0) * kEntrySize))
            m_entries = std::move(*entries);
    }
    for (qsizetype at = 0; at + kEntrySize <= m_entries.size(); at += kEntrySize) {
        if (u16(m_entries, at) == tag)
            return m_entries.mid(at, kEntrySize);
    }
    return {};
}

std::optional<QByteArray> TiffReader::text(qint64 directory, uint16_t tag) {
    const QByteArray found = entry(directory, tag);
    if (found.isEmpty())
        return std::nullopt;
    const uint16_t type = u16(found, 2);
    if (type != kTypeAscii && type != kTypeUndefined)
        return std::nullopt;
    const qint64 count = u32(found, 4);
    if (count > kLongestText)
        return std::nullopt;
    QByteArray value =
        count <= 4 ? found.mid(8, count) : bytesAt(u32(found, 8), count).value_or(QByteArray());
    if (value.size() != count)
        return std::nullopt;
    if (const qsizetype nul = value.indexOf('\0'); nul >= 0)
        value.truncate(nul);
    return value;
}

std::optional<uint32_t> TiffReader::number(qint64 directory, uint16_t tag) {
    const QByteArray found = entry(directory, tag);
    if (found.isEmpty() || u32(found, 4) < 1)
        return std::nullopt;
    const uint16_t type = u16(found, 2);
    if (type == kTypeShort)
        return u16(found, 8);
    if (type == kTypeLong)
        return u32(found, 8);
    return std::nullopt;
}

qint64 TiffReader::pointer(qint64 directory, uint16_t tag) {
    const QByteArray found = entry(directory, tag);
    if (found.isEmpty())
        return -1;
    const uint16_t type = u16(found, 2);
    if ((type != kTypeLong && type != kTypeIfd) || u32(found, 4) != 1)
        return -1;
    return u32(found, 8);
}

} // namespace km

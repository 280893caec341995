// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

class QIODevice;

namespace km {

// Reads the tags of a TIFF structure: a TIFF file, or the EXIF data of a JPEG, PNG, WebP or HEIF
// file. Offsets are counted from the structure's start, as TIFF counts them, and every read is
// checked against its end, so damaged data gives nothing rather than bytes from elsewhere. Only
// the directories asked for and their values are read, never the picture.
class TiffReader {
public:
    // The structure lies on the device at [start, start + length).
    TiffReader(QIODevice& device, qint64 start, qint64 length);

    // Reads the byte order mark and the magic number (42, or that of a RAW photo built on TIFF);
    // false when they are not there.
    bool readHeader();
    // The offset of the first directory (IFD0), as the header gives it.
    qint64 firstDirectory() const { return m_firstDirectory; }

    // The value of an entry of one of the byte-sized types (ASCII, UNDEFINED), cut at its first
    // NUL; nothing when the directory has no such entry or the value does not fit.
    std::optional<QByteArray> text(qint64 directory, uint16_t tag);
    // The first value of a SHORT or LONG entry; nothing when there is none.
    std::optional<uint32_t> number(qint64 directory, uint16_t tag);
    // The offset of the directory an entry (such as the EXIF pointer) points to; -1 when none.
    qint64 pointer(qint64 directory, uint16_t tag);

private:
    std::optional<QByteArray> bytesAt(qint64 at, qint64 length) const;
    // The 12-byte entry with the tag in the directory at offset; empty when there is none.
    QByteArray entry(qint64 directory, uint16_t tag);
    uint16_t u16(QByteArrayView bytes, qsizetype at) const;
    uint32_t u32(QByteArrayView bytes, qsizetype at) const;

    QIODevice& m_device;
    qint64 m_start;
    qint64 m_length;
    bool m_bigEndian = false;
    qint64 m_firstDirectory = -1;
    // The directory read last, as most lookups ask the same one again.
    qint64 m_readDirectory = -1;
    QByteArray m_entries;
};

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>
#include <vector>

class QIODevice;

namespace km {

// Bytes [start, start + length) of a file.
struct FileRange {
    qint64 start = 0;
    qint64 length = 0;
};

// The bytes of the range; nothing when the device holds fewer.
std::optional<QByteArray> readRange(QIODevice& device, FileRange range);

// The largest embedded JPEG taken from a RAW file; a claim of more is damage.
inline constexpr qint64 kLongestEmbeddedJpeg = 64 * 1024 * 1024;

// Where a Canon CR3 file (ISO base media, brand "crx ") keeps what the program reads: in the
// metadata box at the head of its movie box, IFD0 (CMT1) and the EXIF directory (CMT2) as TIFF
// structures of their own, and the small thumbnail (THMB); in a box of its own the preview JPEG
// (PRVW). Only box headers and those boxes' first bytes are read; anything missing or damaged
// is left out.
struct Cr3Layout {
    std::optional<FileRange> ifd0;
    // A TIFF structure whose first directory is the EXIF directory.
    std::optional<FileRange> exif;
    // The JPEGs, the smaller first; each reaches to the end of its box.
    std::vector<FileRange> previews;
};
Cr3Layout readCr3Layout(QIODevice& device);

// The JPEG a Fujifilm RAF file holds at the offset its header gives: a camera JPEG with its own
// EXIF data and thumbnail. Nothing when the header is damaged or points outside the file.
std::optional<FileRange> rafJpeg(QIODevice& device);

} // namespace km

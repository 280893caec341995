// SPDX-License-Identifier: MIT
#include "picture_formats/picture_format.h"

#include "picture_formats/transport_stream.h"

#include <QIODevice>
#include <algorithm>
#include <libheif/heif.h>

namespace km {
namespace {

// Enough for a HEIF file's ftyp box with its brands, and for two packets of a transport stream.
constexpr qint64 kSniffedBytes = 512;

// The brands of pictures libheif decodes: HEVC-coded HEIF and AV1-coded AVIF.
bool isDecodedBrand(QByteArrayView brand) {
    for (const char* each : {"heic", "heix", "heim", "heis", "hevc", "hevx", "avif", "avis"})
        if (brand == QByteArrayView(each, 4))
            return true;
    return false;
}

// The major brand and the compatible ones of the ftyp box at the head.
bool hasDecodedBrand(const QByteArray& head) {
    const qsizetype boxSize = (qsizetype(uchar(head[0])) << 24) | (uchar(head[1]) << 16) |
                              (uchar(head[2]) << 8) | uchar(head[3]);
    const qsizetype end = std::min(head.size(), boxSize);
    if (isDecodedBrand(QByteArrayView(head).sliced(8, 4)))
        return true;
    // The minor version (4 bytes) sits between the major brand and the compatible ones.
    for (qsizetype at = 16; at + 4 <= end; at += 4)
        if (isDecodedBrand(QByteArrayView(head).sliced(at, 4)))
            return true;
    return false;
}

// libheif answers "maybe" for a file whose major brand is the general "mif1" or "msf1" (as many
// phones and encoders write it); such a file is taken when a brand it is compatible with is one
// libheif decodes.
bool isHeif(const QByteArray& head) {
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return false;
    const heif_filetype_result result = heif_check_filetype(
        reinterpret_cast<const uint8_t*>(head.constData()), static_cast<int>(head.size()));
    return result == heif_filetype_yes_supported ||
           (result == heif_filetype_maybe && hasDecodedBrand(head));
}

// TIFF's own magic number and those of the RAW photos built on it: Panasonic's RW2 and Olympus's
// ORF.
bool isTiff(const QByteArray& head) {
    for (const char* magic : {"II*\0", "MM\0*", "IIU\0", "IIRO", "IIRS", "MMOR"})
        if (head.startsWith(QByteArrayView(magic, 4)))
            return true;
    return false;
}

// An ISO base media file that is no picture libheif reads, or a QuickTime movie of the days
// before the "ftyp" box, which starts with one of the boxes of a movie.
bool isMovie(const QByteArray& head) {
    if (head.size() < 8)
        return false;
    const QByteArray type = head.mid(4, 4);
    for (const char* each : {"ftyp", "moov", "mdat", "wide", "free", "skip", "pnot"})
        if (type == each)
            return true;
    return false;
}

} // namespace

PictureFormat pictureFormatOf(QIODevice& device) {
    const QByteArray head = device.peek(kSniffedBytes);
    if (head.startsWith("\xFF\xD8"))
        return PictureFormat::Jpeg;
    if (isTiff(head))
        return PictureFormat::Tiff;
    if (head.startsWith("FUJIFILMCCD-RAW "))
        return PictureFormat::Raf;
    if (head.size() >= 12 && head.mid(4, 8) == "ftypcrx ")
        return PictureFormat::Cr3;
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return PictureFormat::Png;
    if (head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return PictureFormat::WebP;
    if (isHeif(head))
        return PictureFormat::Heif;
    if (isMovie(head))
        return PictureFormat::Movie;
    if (isTransportStream(head))
        return PictureFormat::TransportStream;
    return PictureFormat::Other;
}

} // namespace km

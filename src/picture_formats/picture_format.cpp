// SPDX-License-Identifier: MIT
#include "picture_formats/picture_format.h"

#include <QIODevice>
#include <libheif/heif.h>

namespace km {
namespace {

// Enough for a HEIF file's ftyp box with the brands libheif looks for.
constexpr qint64 kSniffedBytes = 64;

bool isHeif(const QByteArray& head) {
    if (head.size() < 12 || head.mid(4, 4) != "ftyp")
        return false;
    const heif_filetype_result result = heif_check_filetype(
        reinterpret_cast<const uint8_t*>(head.constData()), static_cast<int>(head.size()));
    return result == heif_filetype_yes_supported;
}

} // namespace

PictureFormat pictureFormatOf(QIODevice& device) {
    const QByteArray head = device.peek(kSniffedBytes);
    if (head.startsWith("\xFF\xD8"))
        return PictureFormat::Jpeg;
    if (head.startsWith(QByteArrayView("II*\0", 4)) || head.startsWith(QByteArrayView("MM\0*", 4)))
        return PictureFormat::Tiff;
    if (head.startsWith("\x89PNG\r\n\x1A\n"))
        return PictureFormat::Png;
    if (head.size() >= 12 && head.startsWith("RIFF") && head.mid(8, 4) == "WEBP")
        return PictureFormat::WebP;
    if (isHeif(head))
        return PictureFormat::Heif;
    return PictureFormat::Other;
}

} // namespace km

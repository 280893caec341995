// SPDX-License-Identifier: MIT
#include "picture_formats/raw_layouts.h"

#include "picture_formats/iso_boxes.h"

#include <QByteArray>
#include <QIODevice>
#include <QtEndian>

namespace km {
namespace {

// The user types of the CR3 boxes: the metadata at the head of the movie box and the preview.
constexpr char kCanonMetadataUuid[] =
    "\x85\xc0\xb6\x87\x82\x0f\x11\xe0\x81\x11\xf4\xce\x46\x2b\x6a\x48";
constexpr char kCanonPreviewUuid[] =
    "\xea\xf4\x2b\x5e\x1c\x98\x4b\x88\xb9\xfb\xb7\xdc\x40\x6e\x4d\x16";

// A few fields (sizes, a version) come between a box's header and its JPEG.
constexpr qint64 kFieldsBeforeJpeg = 32;

// The JPEG starting within the first bytes of [from, end), reaching to end.
std::optional<FileRange> jpegWithin(QIODevice& device, qint64 from, qint64 end) {
    if (!device.seek(from))
        return std::nullopt;
    const qsizetype at =
        device.read(std::min(kFieldsBeforeJpeg, end - from)).indexOf("\xFF\xD8\xFF");
    if (at < 0 || end - from - at > kLongestEmbeddedJpeg)
        return std::nullopt;
    return FileRange{from + at, end - from - at};
}

void readMetadataBox(QIODevice& device, const IsoBox& metadata, Cr3Layout& layout) {
    IsoBoxes boxes(device, metadata);
    while (const std::optional<IsoBox> box = boxes.next()) {
        const FileRange content{box->contentStart, box->contentLength()};
        if (box->type == "CMT1")
            layout.ifd0 = content;
        else if (box->type == "CMT2")
            layout.exif = content;
        else if (box->type == "THMB")
            if (const std::optional<FileRange> jpeg =
                    jpegWithin(device, box->contentStart, box->end))
                layout.previews.insert(layout.previews.begin(), *jpeg);
    }
}

// The preview box holds a few fields and then a box "PRVW" of its own, which holds the JPEG.
void readPreviewBox(QIODevice& device, const IsoBox& preview, Cr3Layout& layout) {
    const std::optional<QByteArray> head = readRange(
        device, {preview.contentStart, std::min(kFieldsBeforeJpeg, preview.contentLength())});
    const qsizetype at = head ? head->indexOf("PRVW") : -1;
    if (at < 4)
        return;
    IsoBoxes inner(device, preview.contentStart + at - 4, preview.end);
    if (const std::optional<IsoBox> box = inner.find("PRVW"))
        if (const std::optional<FileRange> jpeg = jpegWithin(device, box->contentStart, box->end))
            layout.previews.push_back(*jpeg);
}

} // namespace

std::optional<QByteArray> readRange(QIODevice& device, FileRange range) {
    if (!device.seek(range.start))
        return std::nullopt;
    QByteArray bytes = device.read(range.length);
    return bytes.size() == range.length ? std::optional(std::move(bytes)) : std::nullopt;
}

Cr3Layout readCr3Layout(QIODevice& device) {
    Cr3Layout layout;
    const QByteArrayView metadataUuid(kCanonMetadataUuid, kUuidLength);
    const QByteArrayView previewUuid(kCanonPreviewUuid, kUuidLength);
    IsoBoxes top(device, 0, device.size());
    while (const std::optional<IsoBox> box = top.next()) {
        if (box->type == "moov") {
            IsoBoxes movie(device, *box);
            if (const std::optional<IsoBox> metadata = movie.find("uuid", metadataUuid))
                readMetadataBox(device, *metadata, layout);
        } else if (box->type == "uuid" && box->uuid == previewUuid) {
            readPreviewBox(device, *box, layout);
        }
    }
    return layout;
}

std::optional<FileRange> rafJpeg(QIODevice& device) {
    constexpr qint64 kJpegFields = 84;
    const std::optional<QByteArray> header = readRange(device, {0, kJpegFields + 8});
    if (!header || !header->startsWith("FUJIFILMCCD-RAW "))
        return std::nullopt;
    const auto field = [&header](qsizetype at) -> qint64 {
        return qFromBigEndian<quint32>(header->constData() + at);
    };
    const FileRange jpeg{field(kJpegFields), field(kJpegFields + 4)};
    if (jpeg.start < kJpegFields + 8 || jpeg.length < 4 || jpeg.length > kLongestEmbeddedJpeg ||
        jpeg.start > device.size() - jpeg.length)
        return std::nullopt;
    return jpeg;
}

} // namespace km

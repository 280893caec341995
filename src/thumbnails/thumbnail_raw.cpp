// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_raw.h"

#include "picture_formats/picture_format.h"
#include "picture_formats/raw_layouts.h"
#include "picture_formats/tiff_reader.h"
#include "thumbnails/thumbnail_exif.h"
#include "thumbnails/thumbnail_orientation.h"

#include <QFile>
#include <optional>

namespace km {
namespace {

// exiv2 reads a whole TIFF structure from memory. The file is mapped rather than read, so only
// the pages of its directories and previews are ever touched, not the tens of megabytes of sensor
// data between them.
RawPreviews tiffPreviews(QFile& file) {
    RawPreviews raw;
    TiffReader tiff(file, 0, file.size());
    raw.orientation = orientationFrom(tiff);
    uchar* mapped = file.map(0, file.size());
    if (mapped == nullptr)
        return raw;
    raw.previews = readExifFacts(mapped, file.size()).previews;
    file.unmap(mapped);
    return raw;
}

RawPreviews cr3Previews(QFile& file) {
    const Cr3Layout layout = readCr3Layout(file);
    RawPreviews raw;
    if (layout.ifd0) {
        TiffReader tiff(file, layout.ifd0->start, layout.ifd0->length);
        raw.orientation = orientationFrom(tiff);
    }
    for (const FileRange& range : layout.previews)
        if (std::optional<QByteArray> jpeg = readRange(file, range))
            raw.previews.push_back(std::move(*jpeg));
    return raw;
}

// The JPEG of a RAF file is a camera's JPEG: it serves, as do the thumbnail and orientation of
// its own EXIF data.
RawPreviews rafPreviews(QFile& file) {
    const std::optional<FileRange> range = rafJpeg(file);
    std::optional<QByteArray> jpeg = range ? readRange(file, *range) : std::nullopt;
    if (!jpeg)
        return {};
    ExifFacts facts = readExifFacts(*jpeg);
    RawPreviews raw{facts.orientation, std::move(facts.previews)};
    raw.previews.push_back(std::move(*jpeg));
    return raw;
}

} // namespace

RawPreviews readRawPreviews(QFile& file, PictureFormat format) {
    switch (format) {
    case PictureFormat::Tiff:
        return tiffPreviews(file);
    case PictureFormat::Cr3:
        return cr3Previews(file);
    case PictureFormat::Raf:
        return rafPreviews(file);
    default:
        return {};
    }
}

} // namespace km

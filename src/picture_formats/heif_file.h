// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <memory>
#include <vector>

class QIODevice;
struct heif_context;
struct heif_image_handle;

namespace km {

// An image of a HEIF file as libheif holds it; released when it goes.
using HeifImageHandle = std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle*)>;

// A HEIF file (HEIC, AVIF) read through libheif from an open device, which must outlive it. Only
// the boxes that describe the file are read when it is opened; an image's data, and its metadata,
// when asked for.
class HeifFile {
public:
    // Where libheif's reading calls find the device and where the file starts on it.
    struct Source {
        QIODevice* device;
        qint64 start;
    };

    // Nothing when the device, from its current position, holds no HEIF file libheif can read.
    static std::unique_ptr<HeifFile> open(QIODevice& device);
    ~HeifFile();
    HeifFile(const HeifFile&) = delete;
    HeifFile& operator=(const HeifFile&) = delete;

    // The primary image: the picture the file shows.
    const heif_image_handle* primary() const { return m_primary.get(); }
    // The primary image's own thumbnails, in the file's order.
    std::vector<HeifImageHandle> thumbnails() const;
    // The primary image's EXIF data as a TIFF structure; empty when it has none or it is damaged.
    QByteArray exif() const;

private:
    explicit HeifFile(Source source);

    // At a stable address, as libheif keeps it for the file's life.
    std::unique_ptr<Source> m_source;
    std::unique_ptr<heif_context, void (*)(heif_context*)> m_context;
    HeifImageHandle m_primary;
};

} // namespace km

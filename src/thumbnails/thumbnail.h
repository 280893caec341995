// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QFile;

namespace km {

class HeifFile;
enum class PictureFormat;
struct VideoPreview;

// One picture file prepared for drawing as a thumbnail. Constructing it opens the file once and
// reads its header: the picture's size, and for a JPEG its orientation and embedded previews, for
// a PNG, TIFF or WebP file the orientation its EXIF data gives, for a HEIF or AVIF file (read
// through libheif) its images, for a RAW photo (told by its name) the JPEGs it embeds, for a
// video (told by its name) a frame and its length.
// The most pixels a preview decodes a picture into: a 50 megapixel photo fits; more would hold
// hundreds of megabytes for a box of a few hundred pixels.
inline constexpr qint64 kMaxDecodedPixels = 50'000'000;

class ThumbnailSource {
public:
    explicit ThumbnailSource(const QString& path);
    ~ThumbnailSource();

    // The picture's size in pixels as shown upright; empty when the file is not a readable picture.
    QSize naturalSize() const;
    // The picture upright at `drawn` pixels: from the smallest embedded preview that fits once its
    // bars are cut away, else decoded at that size; null when it cannot be decoded.
    QImage render(QSize drawn) const;
    // How long a video runs, in milliseconds; nothing for a picture, or where the video does
    // not say.
    std::optional<qint64> videoLength() const;

private:
    struct Preview {
        QByteArray jpeg;
        QSize size;
    };

    void readRawPreviews(PictureFormat format);
    void readPreviews(std::vector<QByteArray> previews);
    QImage fromEmbeddedPreview(QSize stored) const;
    QImage fromPreview(const Preview& preview, QSize stored) const;
    QImage fromPicture(QSize stored) const;

    std::unique_ptr<QFile> m_file;
    std::unique_ptr<HeifFile> m_heif;
    std::unique_ptr<VideoPreview> m_video;
    QSize m_storedSize;
    int m_orientation = 1;
    std::vector<Preview> m_previews;
    // The JPEG reader can scale this picture while decoding it.
    bool m_scaledDecode = false;
    // The picture itself is never decoded: a RAW photo's sensor data is no picture Qt reads.
    bool m_previewsOnly = false;
};

} // namespace km

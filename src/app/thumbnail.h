#pragma once

#include "app/thumbnail_exif.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace km {

// Whether an embedded thumbnail can stand in for a picture drawn at `drawn` (all three sizes in
// the same orientation): the same proportions within 2%, so that thumbnails padded with bars are
// refused, and at least 90% of the drawn size in each direction.
bool embeddedThumbnailFits(QSize thumbnail, QSize picture, QSize drawn);

// One picture file prepared for drawing as a thumbnail. Constructing it reads headers only: the
// picture's size, and for a JPEG its EXIF orientation and embedded thumbnail.
class ThumbnailSource {
public:
    explicit ThumbnailSource(const QString& path);

    // The picture's size in pixels as shown upright; empty when the file is not a readable picture.
    QSize naturalSize() const;
    // Whether render(drawn) draws from the embedded thumbnail rather than from the picture.
    bool usesEmbeddedThumbnail(QSize drawn) const;
    // The picture upright at `drawn` pixels, decoded at that size; null when it cannot be decoded.
    QImage render(QSize drawn) const;

private:
    void readEmbeddedThumbnailSize();

    QString m_path;
    QSize m_storedSize;
    ExifFacts m_exif;
    QSize m_thumbnailSize;
};

} // namespace km

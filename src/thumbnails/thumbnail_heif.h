// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>

namespace km {

class HeifFile;

// The size a HEIF or AVIF file's picture is shown at, turned and mirrored as the file says (libheif
// gives the sizes of its images that way).
QSize heifPictureSize(const HeifFile& file);

// The picture upright at `drawn` pixels: from the smallest of the file's own thumbnails that can
// stand in for it at that size, else from the primary image, decoded whole and scaled; libheif
// turns and mirrors each as the file says. Null when neither can be decoded.
QImage renderHeif(const HeifFile& file, QSize drawn);

} // namespace km

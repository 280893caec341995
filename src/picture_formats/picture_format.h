// SPDX-License-Identifier: MIT
#pragma once

class QIODevice;

namespace km {

// The kinds of picture file whose metadata the program reads, told by their first bytes.
enum class PictureFormat { Other, Jpeg, Tiff, Png, WebP, Heif };

// What the device holds from its current position on; the position is left where it was. HEIF
// covers every file libheif reads (HEIC, HEIF, AVIF).
PictureFormat pictureFormatOf(QIODevice& device);

} // namespace km

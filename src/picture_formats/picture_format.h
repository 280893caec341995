// SPDX-License-Identifier: MIT
#pragma once

class QIODevice;

namespace km {

// The kinds of picture file whose metadata the program reads, told by their first bytes.
// Tiff covers the RAW photos built as TIFF files, Panasonic's and Olympus's with their own magic
// numbers; Cr3 is Canon's RAW in ISO base media boxes, Raf Fujifilm's RAW with its own header.
// Movie is a video in ISO base media or QuickTime boxes (MP4, MOV, M4V, 3GP, 3G2), TransportStream
// an AVCHD camera's video (MTS, M2TS).
enum class PictureFormat { Other, Jpeg, Tiff, Png, WebP, Heif, Cr3, Raf, Movie, TransportStream };

// What the device holds from its current position on; the position is left where it was. HEIF
// covers every file libheif reads (HEIC, HEIF, AVIF).
PictureFormat pictureFormatOf(QIODevice& device);

} // namespace km

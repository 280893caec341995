// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_heif.h"

#include "picture_formats/heif_file.h"
#include "thumbnails/thumbnail_choice.h"

#include <algorithm>
#include <libheif/heif.h>
#include <memory>

namespace km {
namespace {

using HeifDecodingOptions =
    std::unique_ptr<heif_decoding_options, void (*)(heif_decoding_options*)>;
using HeifImage = std::unique_ptr<heif_image, void (*)(const heif_image*)>;

QSize sizeOf(const heif_image_handle* image) {
    return {heif_image_handle_get_width(image), heif_image_handle_get_height(image)};
}

// The image decoded as 8-bit RGBA, whatever its depth, turned as the file says, and scaled.
QImage decodeHeifAt(const heif_image_handle* handle, QSize wanted) {
    const HeifDecodingOptions options(heif_decoding_options_alloc(), heif_decoding_options_free);
    if (!options)
        return {};
    options->convert_hdr_to_8bit = 1;
    heif_image* decoded = nullptr;
    if (heif_decode_image(handle, &decoded, heif_colorspace_RGB, heif_chroma_interleaved_RGBA,
                          options.get())
            .code != heif_error_Ok)
        return {};
    const HeifImage image(decoded, heif_image_release);
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(image.get(), heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(image.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(image.get(), heif_channel_interleaved);
    if (pixels == nullptr || width <= 0 || height <= 0)
        return {};
    // The view borrows libheif's pixels: the result is always a copy of its own.
    const QImage view(pixels, width, height, stride, QImage::Format_RGBA8888);
    if (view.size() == wanted)
        return view.copy();
    return view.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QSize heifPictureSize(const HeifFile& file) {
    const QSize size = sizeOf(file.primary());
    return size.isValid() && !size.isEmpty() ? size : QSize();
}

QImage renderHeif(const HeifFile& file, QSize drawn) {
    const QSize picture = heifPictureSize(file);
    std::vector<HeifImageHandle> thumbnails = file.thumbnails();
    std::sort(thumbnails.begin(), thumbnails.end(), [](const auto& a, const auto& b) {
        const QSize left = sizeOf(a.get()), right = sizeOf(b.get());
        return qint64(left.width()) * left.height() < qint64(right.width()) * right.height();
    });
    for (const HeifImageHandle& thumbnail : thumbnails) {
        if (!embeddedPreviewFits(sizeOf(thumbnail.get()), picture, drawn))
            continue;
        // A damaged thumbnail falls back to the next one, then to the picture.
        if (QImage image = decodeHeifAt(thumbnail.get(), drawn); !image.isNull())
            return image;
    }
    return decodeHeifAt(file.primary(), drawn);
}

} // namespace km

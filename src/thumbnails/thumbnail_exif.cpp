// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_exif.h"

#include <exiv2/exiv2.hpp>
#include <limits>

namespace km {
namespace {

// Damaged files are ordinary in a photo folder; exiv2 must not comment on them.
void muteExiv2Once() {
    static const bool muted = [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        return true;
    }();
    (void)muted;
}

int orientationOf(const Exiv2::ExifData& exif) {
    const auto found = exif.findKey(Exiv2::ExifKey("Exif.Image.Orientation"));
    if (found == exif.end() || found->count() < 1)
        return 1;
    const long value = found->toLong(0);
    return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
}

QByteArray bytesOf(const Exiv2::PreviewImage& preview) {
    if (preview.pData() == nullptr || preview.size() == 0)
        return {};
    return QByteArray(reinterpret_cast<const char*>(preview.pData()),
                      static_cast<qsizetype>(preview.size()));
}

// Every JPEG preview exiv2 finds: the EXIF thumbnail, maker-note previews, further directories.
std::vector<QByteArray> jpegPreviewsOf(const Exiv2::Image& image) {
    std::vector<QByteArray> previews;
    const Exiv2::PreviewManager manager(image);
    for (const Exiv2::PreviewProperties& properties : manager.getPreviewProperties()) {
        if (properties.mimeType_ != "image/jpeg")
            continue;
        try {
            const QByteArray bytes = bytesOf(manager.getPreviewImage(properties));
            if (!bytes.isEmpty())
                previews.push_back(bytes);
        } catch (...) {
            // A damaged preview is left out; the others may still serve.
        }
    }
    return previews;
}

// Each fact is read on its own, so damaged previews do not lose the orientation.
ExifFacts factsOf(const Exiv2::Image& image) {
    ExifFacts facts;
    facts.storedSize = QSize(image.pixelWidth(), image.pixelHeight());
    try {
        facts.orientation = orientationOf(image.exifData());
    } catch (...) {
        facts.orientation = 1;
    }
    try {
        facts.previews = jpegPreviewsOf(image);
    } catch (...) {
        facts.previews.clear();
    }
    return facts;
}

} // namespace

ExifFacts readExifFacts(const QByteArray& jpegHead) noexcept {
    return readExifFacts(reinterpret_cast<const uchar*>(jpegHead.constData()), jpegHead.size());
}

ExifFacts readExifFacts(const uchar* file, qint64 size) noexcept {
    muteExiv2Once();
    try {
        if (size <= 0 || size > std::numeric_limits<long>::max())
            return {};
        // exiv2 reads memory it is given in place.
        auto image = Exiv2::ImageFactory::open(file, static_cast<long>(size));
        if (image.get() == nullptr)
            return {};
        image->readMetadata();
        return factsOf(*image);
    } catch (...) {
        return {};
    }
}

} // namespace km

#include "app/thumbnail_exif.h"

#include <QFile>
#include <exiv2/exiv2.hpp>

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

QByteArray jpegThumbnailOf(const Exiv2::ExifData& exif) {
    const Exiv2::ExifThumbC thumbnail(exif);
    if (std::string(thumbnail.mimeType()) != "image/jpeg")
        return {};
    const Exiv2::DataBuf data = thumbnail.copy();
    if (data.pData_ == nullptr || data.size_ <= 0)
        return {};
    return QByteArray(reinterpret_cast<const char*>(data.pData_),
                      static_cast<qsizetype>(data.size_));
}

// Each fact is read on its own, so a damaged thumbnail does not lose the orientation.
ExifFacts factsOf(const Exiv2::ExifData& exif) {
    ExifFacts facts;
    try {
        facts.orientation = orientationOf(exif);
    } catch (...) {
        facts.orientation = 1;
    }
    try {
        facts.thumbnail = jpegThumbnailOf(exif);
    } catch (...) {
        facts.thumbnail.clear();
    }
    return facts;
}

} // namespace

ExifFacts readExifFacts(const QString& path) noexcept {
    muteExiv2Once();
    try {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        if (image.get() == nullptr)
            return {};
        image->readMetadata();
        return factsOf(image->exifData());
    } catch (...) {
        return {};
    }
}

} // namespace km

// SPDX-License-Identifier: MIT
#include "file_types/file_types.h"

#include "files/file_system.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace km {
namespace {

// Each ending with the type it is counted as; the order of the types is the order they are named.
struct PhotoEnding {
    QStringView ending;
    int type;
};

constexpr std::array kMoreTypeNames{QLatin1StringView("HEIC"), QLatin1StringView("AVIF"),
                                    QLatin1StringView("PNG"), QLatin1StringView("TIFF"),
                                    QLatin1StringView("WebP")};

constexpr std::array kMoreTypeEndings{
    PhotoEnding{QStringView(u".heic"), 0}, PhotoEnding{QStringView(u".heif"), 0},
    PhotoEnding{QStringView(u".avif"), 1}, PhotoEnding{QStringView(u".png"), 2},
    PhotoEnding{QStringView(u".tif"), 3},  PhotoEnding{QStringView(u".tiff"), 3},
    PhotoEnding{QStringView(u".webp"), 4}};

// The type a name is counted as; -1 when it is none of them. A name that is only the ending is
// a hidden file, never listed.
int moreTypeOf(const QString& name) {
    for (const PhotoEnding& photo : kMoreTypeEndings)
        if (name.size() > photo.ending.size() && fs::endsWithIgnoringCase(name, photo.ending))
            return photo.type;
    return -1;
}

// The endings of the Photo Types boxes' photos.
constexpr std::array kJpegEndings{QLatin1StringView(".jpg"), QLatin1StringView(".jpeg")};
constexpr std::array kBitmapEndings{QLatin1StringView(".bmp")};
constexpr std::array kGifEndings{QLatin1StringView(".gif")};
constexpr std::array kVideoEndings{QLatin1StringView(".mp4"), QLatin1StringView(".mov"),
                                   QLatin1StringView(".m4v"), QLatin1StringView(".3gp"),
                                   QLatin1StringView(".3g2"), QLatin1StringView(".mts"),
                                   QLatin1StringView(".m2ts")};

template <std::size_t N> QStringList patternsOf(const std::array<QLatin1StringView, N>& endings) {
    QStringList patterns;
    for (const QLatin1StringView ending : endings)
        patterns << QLatin1Char('*') + ending;
    return patterns;
}

template <std::size_t N>
bool hasEnding(const QString& name, const std::array<QLatin1StringView, N>& endings) {
    return std::any_of(endings.begin(), endings.end(), [&name](QLatin1StringView ending) {
        return name.endsWith(ending, Qt::CaseInsensitive);
    });
}

// Every RAW and sidecar extension has three characters; each is held as its three lower-case
// ASCII letters packed into one number.
constexpr quint32 packed(const char (&ext)[4]) {
    return quint32(quint8(ext[0])) << 16 | quint32(quint8(ext[1])) << 8 | quint8(ext[2]);
}

constexpr std::array kRawExtensions{
    packed("cr2"), packed("cr3"), packed("crw"), packed("nef"), packed("nrw"), packed("arw"),
    packed("srf"), packed("sr2"), packed("raf"), packed("orf"), packed("rw2"), packed("pef"),
    packed("dng"), packed("srw"), packed("x3f"), packed("3fr"), packed("iiq"), packed("rwl"),
    packed("erf"), packed("kdc"), packed("mrw"), packed("mos"),
    // The video of a phone's Live Photo (IMG_1234.HEIC with IMG_1234.MOV) travels like a RAW file.
    packed("mov"), packed("mp4")};
constexpr std::array kLivePhotoVideos{packed("mov"), packed("mp4")};

constexpr quint32 kXmp = packed("xmp");
constexpr std::array kSidecarExtensions{kXmp, packed("pp3"), packed("dop"), packed("thm"),
                                        packed("aae")};

// The last three characters in lower case, packed; 0 when one of them is not ASCII.
quint32 packedTail(const QString& name) {
    quint32 result = 0;
    for (qsizetype i = name.size() - 3; i < name.size(); ++i) {
        char16_t unit = name[i].unicode();
        if (unit >= 0x80)
            return 0;
        if (unit >= u'A' && unit <= u'Z')
            unit += u'a' - u'A';
        result = result << 8 | unit;
    }
    return result;
}

} // namespace

CompanionKind companionKindOf(const QString& name) {
    if (name.size() <= kCompanionExtensionLength || name.startsWith(QLatin1Char('.')) ||
        name[name.size() - kCompanionExtensionLength] != QLatin1Char('.'))
        return CompanionKind::None;
    const quint32 tail = packedTail(name);
    if (tail == kXmp)
        return CompanionKind::Xmp;
    if (std::find(kSidecarExtensions.begin(), kSidecarExtensions.end(), tail) !=
        kSidecarExtensions.end())
        return CompanionKind::Sidecar;
    if (std::find(kRawExtensions.begin(), kRawExtensions.end(), tail) != kRawExtensions.end())
        return CompanionKind::Raw;
    return CompanionKind::None;
}

bool isRawPhoto(const QString& name) {
    return companionKindOf(name) == CompanionKind::Raw &&
           std::find(kLivePhotoVideos.begin(), kLivePhotoVideos.end(), packedTail(name)) ==
               kLivePhotoVideos.end();
}

QStringList jpegPatterns() {
    return patternsOf(kJpegEndings);
}

QStringList bitmapPatterns() {
    return patternsOf(kBitmapEndings);
}

QStringList gifPatterns() {
    return patternsOf(kGifEndings);
}

QStringList morePhotoTypePatterns() {
    QStringList patterns;
    for (const PhotoEnding& photo : kMoreTypeEndings)
        patterns << QLatin1Char('*') + photo.ending.toString();
    return patterns;
}

bool isMorePhotoType(const QString& name) {
    return moreTypeOf(name) >= 0;
}

QString unlistedPhotosText(const QStringList& names) {
    std::array<qsizetype, kMoreTypeNames.size()> counts{};
    qsizetype total = 0;
    for (const QString& name : names) {
        if (const int type = moreTypeOf(name); type >= 0) {
            ++counts[static_cast<size_t>(type)];
            ++total;
        }
    }
    if (total == 0)
        return {};
    QStringList parts;
    for (size_t type = 0; type < counts.size(); ++type)
        if (counts[type] > 0)
            parts << QStringLiteral("%1 %2").arg(counts[type]).arg(kMoreTypeNames[type]);
    QString counted = parts.takeLast();
    if (!parts.isEmpty())
        counted = QCoreApplication::translate("FileTypes", "%1 and %2")
                      .arg(parts.join(QCoreApplication::translate("FileTypes", ", ")), counted);
    return total == 1 ? QCoreApplication::translate("FileTypes",
                                                    "%1 photo here: the list's menu lists it too")
                            .arg(counted)
                      : QCoreApplication::translate(
                            "FileTypes", "%1 photos here: the list's menu lists them too")
                            .arg(counted);
}

QString iconKeyFor(const QString& name) {
    if (hasEnding(name, kJpegEndings))
        return QStringLiteral("ICON_JPG");
    if (hasEnding(name, kGifEndings))
        return QStringLiteral("ICON_GIF");
    if (hasEnding(name, kBitmapEndings))
        return QStringLiteral("ICON_BMP");
    if (isRawPhoto(name))
        return QStringLiteral("ICON_RAW");
    if (isVideo(name))
        return QStringLiteral("ICON_VIDEO");
    return {};
}

bool mayHoldDateTaken(const QString& name) {
    return hasEnding(name, kJpegEndings) || isMorePhotoType(name) || isRawPhoto(name) ||
           isVideo(name);
}

bool isVideo(const QString& name) {
    return !name.startsWith(QLatin1Char('.')) && hasEnding(name, kVideoEndings);
}

} // namespace km

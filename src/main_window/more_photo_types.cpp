// SPDX-License-Identifier: MIT
#include "main_window/more_photo_types.h"

#include "files/file_system.h"

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

} // namespace

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
        counted = parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + counted;
    return total == 1 ? counted + QStringLiteral(" photo here: the list's menu lists it too")
                      : counted + QStringLiteral(" photos here: the list's menu lists them too");
}

} // namespace km

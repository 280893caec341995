// SPDX-License-Identifier: MIT
#include "scan/folder_scan.h"

#include "file_types/file_types.h"
#include "files/file_names.h"
#include "files/file_system.h"

#include <QSet>

namespace km {
namespace {

// The names the scan takes besides the checked types' photos: RAW and sidecar files while they
// follow their photo, and the phones' photos while the list leaves them out, counted to say why
// a list stays empty.
fs::NameFilter alsoTaken(const ScanChoice& choice) {
    const bool companions = choice.companions || choice.raw;
    if (choice.videos)
        return [companions, moreTypes = choice.moreTypes](const QString& name) {
            return isVideo(name) || (companions && isCompanionCandidate(name)) ||
                   (!moreTypes && isMorePhotoType(name));
        };
    if (companions && !choice.moreTypes)
        return [](const QString& name) {
            return isCompanionCandidate(name) || isMorePhotoType(name);
        };
    if (companions)
        return isCompanionCandidate;
    if (!choice.moreTypes)
        return isMorePhotoType;
    return {};
}

// The base names of the photos listed, letter case ignored, that RAW files and videos follow as
// companions; none without companions.
QSet<QString> companionStems(const QStringList& photos, bool companions) {
    QSet<QString> stems;
    if (companions)
        for (const QString& photo : photos)
            stems.insert(fs::stemOf(photo).toString().toCaseFolded());
    return stems;
}

// The RAW photos or videos become rows of their own, but those a listed photo of their base name
// takes as its companions.
void listOwnRows(QStringList files, const QSet<QString>& photoStems, FolderScan& scan) {
    QStringList rows;
    for (QString& file : files)
        (photoStems.contains(fs::stemOf(file).toString().toCaseFolded()) ? scan.companionCandidates
                                                                         : rows)
            .append(std::move(file));
    fs::sortNaturally(rows);
    scan.photos += rows;
}

} // namespace

FolderScan scanFolder(const QString& folder, const ScanChoice& choice) {
    QStringList patterns;
    if (choice.jpeg)
        patterns += jpegPatterns();
    if (choice.bitmap)
        patterns += bitmapPatterns();
    if (choice.gif)
        patterns += gifPatterns();
    if (choice.moreTypes)
        patterns += morePhotoTypePatterns();
    // RAW and sidecar files come from the same single read.
    fs::FolderListing listing = fs::listFolder(folder, patterns, alsoTaken(choice));
    FolderScan scan;
    for (const QStringList& names : listing.matches)
        scan.photos += names;
    scan.inodes = std::move(listing.inodes);
    QStringList unlisted;
    QStringList raws;
    QStringList videos;
    for (QString& name : listing.filtered) {
        if (!choice.moreTypes && isMorePhotoType(name))
            unlisted.append(std::move(name));
        else if (choice.raw && isRawPhoto(name))
            raws.append(std::move(name));
        else if (choice.videos && isVideo(name))
            videos.append(std::move(name));
        else if (choice.companions)
            scan.companionCandidates.append(std::move(name));
    }
    if (!raws.isEmpty() || !videos.isEmpty()) {
        const QSet<QString> stems = companionStems(scan.photos, choice.companions);
        listOwnRows(std::move(raws), stems, scan);
        listOwnRows(std::move(videos), stems, scan);
    }
    scan.unlistedPhotos = unlistedPhotosText(unlisted);
    return scan;
}

} // namespace km

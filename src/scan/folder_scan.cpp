// SPDX-License-Identifier: MIT
#include "scan/folder_scan.h"

#include "file_types/file_types.h"
#include "files/file_system.h"

namespace km {
namespace {

// The names the scan takes besides the checked types' photos: RAW and sidecar files while they
// follow their photo, and the phones' photos while the list leaves them out, counted to say why
// a list stays empty.
fs::NameFilter alsoTaken(const ScanChoice& choice) {
    if (choice.companions && !choice.moreTypes)
        return [](const QString& name) {
            return isCompanionCandidate(name) || isMorePhotoType(name);
        };
    if (choice.companions)
        return isCompanionCandidate;
    if (!choice.moreTypes)
        return isMorePhotoType;
    return {};
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
    for (const QString& name : std::as_const(listing.filtered))
        (!choice.moreTypes && isMorePhotoType(name) ? unlisted : scan.companionCandidates)
            .append(name);
    scan.unlistedPhotos = unlistedPhotosText(unlisted);
    return scan;
}

} // namespace km

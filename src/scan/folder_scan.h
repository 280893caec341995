// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace km {

// Which files a scan lists: the photo types checked, the phones' types of the list's menu,
// whether RAW and sidecar files are looked for to follow their photos, and whether RAW photos
// and videos are listed in their own right.
struct ScanChoice {
    bool jpeg = false;
    bool bitmap = false;
    bool gif = false;
    bool moreTypes = false;
    bool companions = false;
    bool raw = false;
    bool videos = false;
};

// What one read of a folder found. A folder that vanished or cannot be read gives an empty (or
// partial) scan.
struct FolderScan {
    // The photos to list: the endings in turn (".jpg" before ".jpeg"), the files of each in
    // natural name order, then the RAW photos, then the videos, each in natural name order. With
    // companions, a RAW photo or a (Live Photo's) video of a listed photo's base name (letter case
    // ignored) follows that photo instead.
    QStringList photos;
    // The inode numbers of every file taken, in no order, to tell a file that took a listed name
    // since from the one listed.
    std::vector<quint64> inodes;
    // The RAW and sidecar files that may follow a photo (only with `companions`).
    QStringList companionCandidates;
    // What an empty list says of the phones' photos it leaves out; empty when there are none.
    QString unlistedPhotos;
};

FolderScan scanFolder(const QString& folder, const ScanChoice& choice);

} // namespace km

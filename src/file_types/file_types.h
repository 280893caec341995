// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace km {

// The kinds of files the program lists or renames, told by their endings (letter case ignored).
// Every ending the program knows is written here, once.

// The photo types the Photo Types boxes choose: JPEG, Bitmap and GIF, the wildcard patterns of
// their endings.
QStringList jpegPatterns();
QStringList bitmapPatterns();
QStringList gifPatterns();

// The photo types phones save besides JPEG (HEIC, HEIF, AVIF, PNG, TIFF, WebP), listed when the
// photo list's menu asks for them: the wildcard patterns of their endings.
QStringList morePhotoTypePatterns();

// True when the name has one of those endings, letter case ignored; cheap enough to ask of every
// name of a folder.
bool isMorePhotoType(const QString& name);

// What an empty list says of the photos of those types it leaves out, counted by type, such as
// "12 HEIC and 3 PNG photos here: the list's menu lists them too"; empty when there are none.
QString unlistedPhotosText(const QStringList& names);

// The small icon of a listed file: "ICON_JPG", "ICON_GIF", "ICON_BMP", "ICON_RAW", "ICON_VIDEO",
// or empty for the others.
QString iconKeyFor(const QString& name);

// True for the photos that may hold EXIF data, and so a date taken (RAW photos included), and
// for the videos, whose containers hold when they were recorded; Bitmap and GIF files never do.
bool mayHoldDateTaken(const QString& name);

// What a file that may travel with a photo of the same base name is: a RAW photo (or the video
// of a phone's Live Photo), an XMP sidecar, or another sidecar; None for any other name.
enum class CompanionKind { None, Raw, Xmp, Sidecar };

// Every companion's extension is a dot and three characters.
inline constexpr qsizetype kCompanionExtensionLength = 4;

// The kind by the name's three-letter extension after a non-empty stem; a hidden file is None.
// Cheap enough to ask for every entry of a folder.
CompanionKind companionKindOf(const QString& name);

// True when the name ends in a RAW, Live Photo video or sidecar extension (".CR2", ".nef", ".MOV",
// ".mp4", ".xmp", ".aae" ..., letter case ignored) after a non-empty stem and is no hidden file: a
// file that may travel with a photo of the same base name.
inline bool isCompanionCandidate(const QString& name) {
    return companionKindOf(name) != CompanionKind::None;
}

// True for a camera's RAW photo (".CR2", ".nef", ".CR3", ".RAF" ..., letter case ignored): a RAW
// companion that is no phone's video.
bool isRawPhoto(const QString& name);

// True for a camera's or a phone's video (".mp4", ".MOV", ".m4v", ".3gp", ".3g2", and AVCHD's
// ".MTS" and ".m2ts", letter case ignored) after a non-empty stem.
bool isVideo(const QString& name);

} // namespace km

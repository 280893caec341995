// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace km {

// The photo types phones save besides JPEG (HEIC, HEIF, AVIF, PNG, TIFF, WebP), listed when the
// photo list's menu asks for them: the wildcard patterns of their endings.
QStringList morePhotoTypePatterns();

// True when the name has one of those endings, letter case ignored; cheap enough to ask of every
// name of a folder.
bool isMorePhotoType(const QString& name);

// What an empty list says of the photos of those types it leaves out, counted by type, such as
// "12 HEIC and 3 PNG photos here: the list's menu lists them too"; empty when there are none.
QString unlistedPhotosText(const QStringList& names);

} // namespace km

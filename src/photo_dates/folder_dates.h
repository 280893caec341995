// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"
#include "photo_dates/date_taken_cache.h"

#include <QFuture>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

namespace km {

// Called on the calling thread while files are read: done of total files read so far. Returning
// false cancels the reading.
using DateReadingPoll = std::function<bool(int done, int total)>;

// The facts of each photo of names in folder (ending with "/"), when it was taken and with which
// camera (where wanted says; a file held without its camera is read again when the camera is
// wanted), in the order of names. Files
// whose version (size, modification time, inode) the cache holds are not read again; the others
// are read on worker threads while the calling thread calls poll about every pollInterval (never
// when there is nothing to read). Only the files that may hold a date taken are read (by their
// endings, any case: photos with EXIF data, RAW photos, videos); other files, and files that
// cannot be opened, have no facts. The videos' UTC times are placed in a zone (placeVideoTimes).
// Returns nothing when poll cancelled; the cache keeps the facts read until then. The cache forgets
// files of the folder that are no longer among names.
std::optional<std::vector<PhotoFacts>>
readFolderFacts(const QString& folder, const QStringList& names, DateTakenCache& cache,
                const DateReadingPoll& poll,
                std::chrono::milliseconds pollInterval = std::chrono::milliseconds(50),
                FactsWanted wanted = FactsWanted::Dates);

// The facts of a few files of folder (ending with "/"), read now without a cache: for the few
// photos a window shows at once. Only a plain file is read.
std::vector<PhotoFacts> readFewPhotoFacts(const QString& folder, const QStringList& names);

// readFolderFacts on a thread of its own, for a caller that must not wait: the future reports the
// files read as its progress (of a range of the files to read) and stops reading when it is
// cancelled, leaving no result. Nothing else may use the cache until the future has finished.
QFuture<std::vector<PhotoFacts>>
readFolderFactsInBackground(const QString& folder, const QStringList& names, DateTakenCache& cache,
                            FactsWanted wanted = FactsWanted::Dates);

} // namespace km

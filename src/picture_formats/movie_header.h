// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

class QIODevice;

namespace km {

// What the movie box of an MP4 or QuickTime file says of the whole movie.
struct MovieHeader {
    // The movie header's creation time: seconds since 1970-01-01 in UTC, as the format defines
    // it (counted from 1904 in the file); nothing where a camera without a clock wrote zero or
    // an epoch (1904 or 1970).
    std::optional<qint64> createdUtc;
    // Apple's "com.apple.quicktime.creationdate" as the file writes it, the local time with its
    // offset ("2024-07-01T09:00:00+0200"); empty where there is none.
    QByteArray appleCreationDate;
    // How long the movie runs, in milliseconds; nothing where the header does not say.
    std::optional<qint64> durationMs;
};

// The movie box's header and metadata from the device (an MP4, MOV, M4V, 3GP or 3G2 file): only
// the boxes' headers on the way and the few boxes wanted are read, so a movie box after gigabytes
// of media data is found by seeks. Nothing when there is no movie box with a movie header, or it
// is damaged.
std::optional<MovieHeader> readMovieHeader(QIODevice& device);

} // namespace km

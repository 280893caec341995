// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QStringView>
#include <optional>

class QIODevice;

namespace km {

// The facts of a video (MP4, MOV, M4V, 3GP, 3G2) on the device: recorded at Apple's creation date
// in its own zone where the file holds one, else at its movie header's UTC time, which is placed
// in a zone with the folder's photos (placeVideoTimes) and has no date taken until then. Nothing
// where neither holds a date.
PhotoFacts readVideoFacts(QIODevice& device);

// The facts of an AVCHD camera's video (MTS, M2TS) on the device: recorded at the local time the
// camera writes into its video stream; nothing where the stream holds none.
PhotoFacts readAvchdFacts(QIODevice& device);

// A time as ISO 8601 writes it with its zone, "2024-07-01T09:00:00+0200" (also "+02:00", "Z",
// and a fraction of the second): the local time and its offset from UTC in seconds.
struct ZonedTime {
    DateTaken local;
    int offsetSeconds = 0;
};
std::optional<ZonedTime> readZonedTime(QStringView text);

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include "numbers/calendar_time.h"
#include "numbers/camera_tags.h"

#include <QString>
#include <compare>
#include <memory>
#include <optional>
#include <vector>

namespace km {

// When a photo was taken, as its camera wrote it in the EXIF data.
struct DateTaken {
    CalendarTime time;
    // The decimal digits of the fraction of the second ("45" is .45 s); may be empty (.0 s).
    QString subSeconds;

    // Orders by time: the time, then the sub-seconds as a decimal fraction ("5" after "45",
    // "5" the same time as "50", empty the same as "0").
    friend std::weak_ordering operator<=>(const DateTaken& a, const DateTaken& b);
    // The same time, in the sense of the ordering above.
    friend bool operator==(const DateTaken& a, const DateTaken& b) {
        return (a <=> b) == std::weak_ordering::equivalent;
    }
};

// True when a was taken before b.
inline bool takenBefore(const DateTaken& a, const DateTaken& b) {
    return (a <=> b) < 0;
}

// When a video was recorded, as an instant, and the zone its time is shown in.
struct RecordedTime {
    enum class Zone {
        // The video's own: Apple's creation date says its offset.
        Own,
        // The movie header's UTC time, not placed in a zone yet (placeVideoTimes does).
        Unplaced,
        // The UTC time in the zone of the folder's photo taken nearest to it.
        Photos,
        // The UTC time in the computer's own zone.
        Computer,
    };

    // Seconds since 1970-01-01 00:00:00 UTC.
    qint64 utcSeconds = 0;
    // The offset of the zone shown from UTC, in seconds.
    int offsetSeconds = 0;
    Zone zone = Zone::Unplaced;
};

// What a photo's metadata says: when it was taken, and with which camera. Read together, in one
// read of the file, and kept together. The photos of one camera share its tags, so that a
// folder's thousands of entries are small and cheap to copy; nothing where the photo names none.
// A video's time is its recording time in its zone, once placed in one.
struct PhotoFacts {
    std::optional<DateTaken> taken;
    // The photo's offset from UTC when it was taken (EXIF OffsetTimeOriginal), in seconds.
    std::optional<qint32> utcOffset;
    std::shared_ptr<const CameraTags> camera;
    // A video's recording time; nothing for a photo, and for a video without a date.
    std::shared_ptr<const RecordedTime> recorded;

    const CameraTags& cameraTags() const {
        static const CameraTags kNone;
        return camera ? *camera : kNone;
    }
};

// Whether the camera's tags are read with the date: they cost a little, and only names need them.
enum class FactsWanted { Dates, DatesAndCameras };

// The time EXIF writes as "YYYY:MM:DD HH:MM:SS", when it names a real day (year 1 to 9999) and
// time of day.
std::optional<CalendarTime> readExifTime(QStringView text);

// An offset from UTC as EXIF writes it, "+02:00" (also "+0200"), in seconds; nothing where it
// is none or more than 18 hours.
std::optional<qint32> readUtcOffset(QStringView text);

// The order in which the photos were taken: indices into facts (whose order is the name order),
// the dated photos earliest first (equal times keep their name order), then the undated ones in
// name order.
std::vector<int> orderTaken(const std::vector<PhotoFacts>& facts);

} // namespace km

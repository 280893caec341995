// SPDX-License-Identifier: MIT
#include "photo_dates/video_zones.h"

#include <QDateTime>
#include <algorithm>

namespace km {
namespace {

struct ZonedPhoto {
    qint64 utcSeconds;
    qint32 offset;

    bool operator<(const ZonedPhoto& other) const { return utcSeconds < other.utcSeconds; }
};

bool isUnplaced(const PhotoFacts& facts) {
    return facts.recorded && facts.recorded->zone == RecordedTime::Zone::Unplaced;
}

// The offset of the photo taken nearest to the instant; photos is sorted and not empty.
qint32 nearestOffset(const std::vector<ZonedPhoto>& photos, qint64 utcSeconds) {
    const auto after = std::lower_bound(photos.begin(), photos.end(), ZonedPhoto{utcSeconds, 0});
    if (after == photos.begin())
        return after->offset;
    const auto before = std::prev(after);
    if (after == photos.end() || utcSeconds - before->utcSeconds <= after->utcSeconds - utcSeconds)
        return before->offset;
    return after->offset;
}

} // namespace

void placeVideoTimes(std::vector<PhotoFacts>& facts, const QTimeZone& computerZone) {
    if (std::none_of(facts.begin(), facts.end(), isUnplaced))
        return;
    std::vector<ZonedPhoto> photos;
    for (const PhotoFacts& photo : facts)
        if (photo.taken && photo.utcOffset && !photo.recorded)
            photos.push_back(
                {secondsSince1970(photo.taken->time) - *photo.utcOffset, *photo.utcOffset});
    std::sort(photos.begin(), photos.end());
    for (PhotoFacts& video : facts) {
        if (!isUnplaced(video))
            continue;
        auto placed = std::make_shared<RecordedTime>(*video.recorded);
        if (!photos.empty()) {
            placed->offsetSeconds = nearestOffset(photos, placed->utcSeconds);
            placed->zone = RecordedTime::Zone::Photos;
        } else {
            placed->offsetSeconds = computerZone.offsetFromUtc(
                QDateTime::fromSecsSinceEpoch(placed->utcSeconds, Qt::UTC));
            placed->zone = RecordedTime::Zone::Computer;
        }
        const std::optional<CalendarTime> local =
            calendarTimeAt(placed->utcSeconds + placed->offsetSeconds);
        video.taken = local ? std::optional(DateTaken{*local, {}}) : std::nullopt;
        video.recorded = std::move(placed);
    }
}

} // namespace km

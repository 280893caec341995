// SPDX-License-Identifier: MIT
#include "photo_dates/camera_clocks.h"

#include "file_types/file_types.h"

#include <QHash>
#include <algorithm>

namespace km {

QString cameraClockName(const CameraTags& camera, bool video) {
    QStringList parts;
    for (const QString& part : {camera.make, camera.model, camera.serial})
        if (!part.isEmpty())
            parts << part;
    if (camera.make.isEmpty() && camera.model.isEmpty())
        return video ? QStringLiteral("Videos") : QString();
    return parts.join(QLatin1Char(' '));
}

std::optional<CalendarTime> shiftedTime(const CalendarTime& time, qint32 seconds) {
    // Most moves stay within the day: no calendar to count.
    const qint64 ofDay = time.hour * 3600 + time.minute * 60 + time.second + qint64(seconds);
    if (ofDay >= 0 && ofDay < 86'400) {
        CalendarTime moved = time;
        moved.hour = static_cast<int>(ofDay / 3600);
        moved.minute = static_cast<int>(ofDay / 60 % 60);
        moved.second = static_cast<int>(ofDay % 60);
        return moved;
    }
    return calendarTimeAt(secondsSince1970(time) + seconds);
}

std::vector<qint32> applyClockOffsets(std::vector<PhotoFacts>& facts, const QStringList& names,
                                      const ClockOffsets& offsets) {
    std::vector<qint32> applied(facts.size(), 0);
    if (offsets.empty())
        return applied;
    QHash<QString, qint32> byName;
    for (const auto& [camera, offset] : offsets)
        byName.insert(camera, offset);
    // The photos of one camera share its tags: each camera's offset is looked up once.
    QHash<const CameraTags*, qint32> byCamera;
    // And its photos mostly follow each other.
    const CameraTags* lastCamera = nullptr;
    qint32 lastOffset = 0;
    for (size_t i = 0; i < facts.size(); ++i) {
        PhotoFacts& photo = facts[i];
        if (!photo.taken)
            continue;
        const CameraTags* const camera = photo.camera.get();
        qint32 offset = 0;
        if (camera && camera == lastCamera) {
            offset = lastOffset;
        } else if (camera) {
            auto known = byCamera.constFind(camera);
            if (known == byCamera.constEnd())
                known = byCamera.insert(camera, byName.value(cameraClockName(*camera, false)));
            offset = lastOffset = *known;
            lastCamera = camera;
        } else if (i < size_t(names.size()) && isVideo(names[qsizetype(i)])) {
            offset = byName.value(cameraClockName({}, true));
        }
        if (offset == 0)
            continue;
        if (const std::optional<CalendarTime> moved = shiftedTime(photo.taken->time, offset)) {
            photo.taken->time = *moved;
            applied[i] = offset;
        }
    }
    return applied;
}

ClockOffsets withOffsetsChosen(const ClockOffsets& kept, const ClockOffsets& chosen) {
    ClockOffsets offsets;
    for (const auto& [camera, offset] : kept)
        if (std::none_of(chosen.begin(), chosen.end(),
                         [&camera](const auto& each) { return each.first == camera; }))
            offsets.emplace_back(camera, offset);
    for (const auto& [camera, offset] : chosen)
        if (offset != 0)
            offsets.emplace_back(camera, offset);
    return offsets;
}

} // namespace km

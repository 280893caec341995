// SPDX-License-Identifier: MIT
#include "photo_dates/camera_clocks.h"

#include "file_types/file_types.h"

#include <QHash>

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
    // The photos of one camera mostly follow each other, and share its tags.
    const CameraTags* lastCamera = nullptr;
    qint32 lastOffset = 0;
    for (size_t i = 0; i < facts.size(); ++i) {
        PhotoFacts& photo = facts[i];
        if (!photo.taken)
            continue;
        const CameraTags* camera = photo.camera.get();
        if (!camera || camera != lastCamera) {
            const bool video = i < size_t(names.size()) && isVideo(names[qsizetype(i)]);
            lastOffset = byName.value(cameraClockName(photo.cameraTags(), video), 0);
            lastCamera = camera;
        }
        if (lastOffset == 0)
            continue;
        if (const std::optional<CalendarTime> moved = shiftedTime(photo.taken->time, lastOffset)) {
            photo.taken->time = *moved;
            applied[i] = lastOffset;
        }
    }
    return applied;
}

} // namespace km

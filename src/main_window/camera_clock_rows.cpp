// SPDX-License-Identifier: MIT
#include "main_window/camera_clock_rows.h"

#include "file_types/file_types.h"
#include "naming/name_pattern.h"

#include <QCoreApplication>
#include <QHash>
#include <algorithm>

namespace km {
namespace {

class CameraClockWords {
    Q_DECLARE_TR_FUNCTIONS(CameraClockWords)
};

QString shownName(const CameraTags& camera, const QString& clockName) {
    if (clockName.isEmpty())
        return CameraClockWords::tr("No camera named");
    if (camera.make.isEmpty() && camera.model.isEmpty())
        return CameraClockWords::tr("Videos");
    const QString model = cameraName(camera.make, camera.model);
    return camera.serial.isEmpty()
               ? model
               : CameraClockWords::tr("%1 (serial %2)").arg(model, camera.serial);
}

} // namespace

std::vector<CameraClockRow> cameraClockRows(const QStringList& names,
                                            const std::vector<PhotoFacts>& facts,
                                            const ClockOffsets& offsets) {
    std::vector<CameraClockRow> rows;
    QHash<QString, size_t> rowOf;
    for (size_t i = 0; i < facts.size() && i < size_t(names.size()); ++i) {
        const QString& name = names[qsizetype(i)];
        const PhotoFacts& photo = facts[i];
        const QString clock = cameraClockName(photo.cameraTags(), isVideo(name));
        auto found = rowOf.find(clock);
        if (found == rowOf.end()) {
            found = rowOf.insert(clock, rows.size());
            CameraClockRow row;
            row.camera = clock;
            row.shown = shownName(photo.cameraTags(), clock);
            for (const auto& [camera, offset] : offsets)
                if (camera == clock)
                    row.offset = offset;
            rows.push_back(std::move(row));
        }
        CameraClockRow& row = rows[*found];
        ++row.files;
        if (photo.taken)
            row.photos.emplace_back(name, photo.taken->time);
    }
    for (CameraClockRow& row : rows) {
        std::stable_sort(row.photos.begin(), row.photos.end(),
                         [](const auto& a, const auto& b) { return a.second < b.second; });
        if (!row.photos.empty()) {
            row.first = calendarTimeText(row.photos.front().second);
            row.last = calendarTimeText(row.photos.back().second);
        }
    }
    // The photos that name no camera have no clock to set: they come last.
    std::stable_partition(rows.begin(), rows.end(),
                          [](const CameraClockRow& row) { return !row.camera.isEmpty(); });
    return rows;
}

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

namespace km {

// What a photo's EXIF data says of the camera and lens that took it, each text as the camera
// wrote it (trimmed), empty where the photo does not say. Like CalendarTime, it goes from the
// EXIF reader to the names as it is.
struct CameraTags {
    QString make;
    QString model;
    QString lens;
    QString serial;

    bool operator==(const CameraTags&) const = default;
};

// The camera tags of each row of a list.
using RowCameras = std::vector<CameraTags>;

} // namespace km

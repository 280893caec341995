// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/camera_clocks_dialog.h"
#include "photo_dates/camera_clocks.h"
#include "photo_dates/date_taken.h"

#include <QStringList>
#include <vector>

namespace km {

// The rows of the "Camera Clocks" window: each camera the files (names, with their facts as read,
// their clocks' own times) come from, photos that name no camera last, with its offset as kept.
std::vector<CameraClockRow> cameraClockRows(const QStringList& names,
                                            const std::vector<PhotoFacts>& facts,
                                            const ClockOffsets& offsets);

} // namespace km

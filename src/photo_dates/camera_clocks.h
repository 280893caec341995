// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace km {

// How far each camera's clock is off, in seconds, by the camera's clock name.
using ClockOffsets = std::vector<std::pair<QString, qint32>>;

// The name a camera's clock is known by: "MAKE MODEL", with " SERIAL" where the photo names its
// body's serial number, so two bodies of one model are two cameras; "Videos" for a video whose
// container names no camera; empty for a photo that names none.
QString cameraClockName(const CameraTags& camera, bool video);

// Moves each dated photo's time by its camera's offset, and gives the offset applied to each fact
// (0 where none). The photos' cameras must have been read with their dates; names (in the order
// of facts) tell the videos. Nothing is written into any file.
std::vector<qint32> applyClockOffsets(std::vector<PhotoFacts>& facts, const QStringList& names,
                                      const ClockOffsets& offsets);

// The time a camera's clock showed, moved by an offset; nothing beyond the years 1 to 9999.
std::optional<CalendarTime> shiftedTime(const CalendarTime& time, qint32 seconds);

// The offsets kept after the user set those of some cameras: the others keep theirs, and a
// camera set to zero has none.
ClockOffsets withOffsetsChosen(const ClockOffsets& kept, const ClockOffsets& chosen);

} // namespace km

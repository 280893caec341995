// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QTimeZone>
#include <vector>

namespace km {

// Gives each video recorded at a UTC time and not placed in a zone yet its date taken: that time
// in the zone of the photo among facts taken nearest to it (compared in UTC: a photo's date taken
// less its offset), where the folder's photos carry their offset, else in the computer's zone at
// that time. A camera's clock shows local time, so only so does a video sort among its photos.
void placeVideoTimes(std::vector<PhotoFacts>& facts,
                     const QTimeZone& computerZone = QTimeZone::systemTimeZone());

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace km {

// Where a photo's date taken came from.
enum class DateSource {
    // It has none.
    None,
    // Its own metadata: EXIF data, a video's header.
    Metadata,
    // Its name, as phones and messengers write dates into names (dateFromName).
    Name,
    // Its file's modification time, the last resort.
    FileTime,
};

// Where dates may come from for the photos whose metadata gives none.
struct MissingDates {
    bool fromNames = false;
    bool fromFileTimes = false;
};

// Gives each fact without a date taken the date its name holds, else its file's modification
// time in the computer's zone, as chosen; the metadata's date always wins. Returns where each
// fact's date came from. Names are in folder (ending with "/"), in the order of facts.
std::vector<DateSource> fillMissingDates(const QString& folder, const QStringList& names,
                                         std::vector<PhotoFacts>& facts, MissingDates choice);

} // namespace km

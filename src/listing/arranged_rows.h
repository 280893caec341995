// SPDX-License-Identifier: MIT
#pragma once

#include "numbers/calendar_time.h"
#include "numbers/camera_tags.h"
#include "photo_dates/date_taken.h"
#include "photo_dates/missing_dates.h"
#include "settings/options_file.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace km {

// The listed files in the order in force, with what each row's names and tooltip show.
struct ArrangedRows {
    QStringList names;
    RowTimes times;
    RowCameras cameras;
    std::vector<std::shared_ptr<const RecordedTime>> recorded;
    // Where each date came from, while dates may come from names or file times; else empty.
    std::vector<DateSource> sources;
    // How far each camera's clock moved its photo, while clocks are set; else empty.
    std::vector<qint32> clockShifts;
};

// Puts the files found in `folder` (ending with "/") and their facts, read in the same order, in
// the order the options put in force, with the dates the options add (from names or file times)
// and the cameras' clocks set right.
ArrangedRows arrangeRows(const QString& folder, const QStringList& found,
                         std::vector<PhotoFacts> facts, const Options& options);

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"
#include "photo_dates/missing_dates.h"
#include "scan/folder_scan.h"
#include "settings/options_file.h"

#include <QStringList>
#include <vector>

namespace km {

// The read of a folder for its list: the three designed types as ticked, the rest as the options
// choose.
ScanChoice scanChoiceFor(bool jpeg, bool bitmap, bool gif, const Options& options);

// What the options need of each listed photo's metadata: its camera too while a name pattern
// shows it or a camera's clock is set.
FactsWanted factsWantedFor(const Options& options);

// How many of the photos given a new name (newNames[row] not empty) were dated from their names
// and from their files' times, by the rows' date sources.
struct GuessedDates {
    int fromNames = 0;
    int fromFileTimes = 0;
};
GuessedDates guessedDates(const std::vector<DateSource>& sources, const QStringList& newNames);

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include "naming/date_pattern.h"
#include "naming/naming.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace km {

// How the date taken goes into the new names.
struct DatedNaming {
    DatePattern pattern;
    DateNumbering numbering = DateNumbering::Run;
};

// computeNewNames with the date each photo was taken: prefix + date text + "_" + number part +
// extension. times[row0] is when row0's photo was taken, nothing when it has none; such rows get no
// new name and are counted in undatedCount. The rows are numbered in their order: on through the
// list (Run), from the start again for each date text (Restart), or only where several of them
// share a date text (Shared; a date text of one photo alone gets no
// "_" and number). numberedCount is the number of rows given a new name.
NewNames computeDatedNames(const NamingFields& fields, bool renameAll,
                           const QStringList& originalNames,
                           const std::function<bool(int row0)>& isSelected,
                           const DatedNaming& naming, const RowTimes& times);

// The example line with the date taken in the names: the name of the first dated photo of
// times (in the order taken, the dated photos come first), or of kExampleTime when none is
// dated. With Shared numbering it is numbered only when another photo shares its date text.
QString datedExampleLine(const NamingFields& fields, const DatedNaming& naming,
                         const RowTimes& times);

// The time the example shows when no listed photo is dated.
inline constexpr CalendarTime kExampleTime{2024, 5, 1, 14, 3, 22};

// Which rows have no date taken, and so keep their names.
std::vector<bool> undatedRows(const RowTimes& times);

} // namespace km

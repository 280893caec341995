// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "batch/name_rules.h"
#include "naming/naming.h"
#include "photo_dates/date_taken.h"
#include "photo_dates/missing_dates.h"
#include "plan/clash_reason.h"

#include <QString>
#include <span>

namespace km {

// What a row of the photo list knows beyond its names.
struct RowFacts {
    QString name;
    // The list is in the order taken and this photo has no date taken.
    bool undated = false;
    // A date goes into the new names, so an undated photo keeps its name.
    bool datesInNames = false;
    // Why it keeps its name for want of a value its name pattern shows; empty when it does not.
    QString leftOutTip;
    // When a video was recorded and in which zone it is shown; null for a photo.
    const RecordedTime* recorded = nullptr;
    // Where its date came from, while the list's menu lets dates come from names or file times;
    // None otherwise.
    DateSource source = DateSource::None;
    // When it was taken, moved by clockShift seconds for its camera's clock (0 for none).
    std::optional<CalendarTime> taken;
    qint32 clockShift = 0;
    // The RAW and sidecar files renamed with it.
    std::span<const RenamePair> companions;
    // Why the row is red: a clash, a new name no file system here holds, or its number, cut or
    // not counted, as the list's numbers were checked.
    ClashReason clash = {};
    QString newName;
    NameFault nameFault = NameFault::None;
    NumberTrouble numberTrouble = NumberTrouble::None;
    const NumberCheck* numbers = nullptr;
};

// What the numbers' first trouble does: "numbers longer than 3 digits are cut: 1000 becomes ...".
QString numberTroubleText(const NumberCheck& check);

// A row's tooltip: why it is red, whether its photo has no date taken, when a video was recorded
// and where its zone came from, whether its name is not UTF-8, and the files renamed with it, one a
// line; empty when there is nothing to say.
QString rowToolTip(const RowFacts& row);

} // namespace km

// SPDX-License-Identifier: MIT
#include "main_window/row_tooltip.h"

#include "batch/batch_words.h"
#include "file_types/file_types.h"
#include "files/file_names.h"
#include "files/file_system.h"
#include "numbers/clock_offset.h"
#include "photo_dates/camera_clocks.h"

#include <QCoreApplication>
#include <QStringList>

namespace km {

namespace {

class RowTipWords {
    Q_DECLARE_TR_FUNCTIONS(RowTipWords)
};

// "UTC+02:00": the offset as a clock's offset is written, to the minute.
QString zoneText(qint32 offsetSeconds) {
    return QStringLiteral("UTC") + clockOffsetText(offsetSeconds).chopped(3);
}

// A time of day beside another: with its day where that is not the other's.
QString timeBeside(const CalendarTime& time, const CalendarTime& other) {
    const QString text = calendarTimeText(time);
    const bool sameDay =
        time.year == other.year && time.month == other.month && time.day == other.day;
    return sameDay ? text.sliced(11) : text;
}

QString recordedLine(const RecordedTime& recorded) {
    const std::optional<CalendarTime> local =
        calendarTimeAt(recorded.utcSeconds + recorded.offsetSeconds);
    const std::optional<CalendarTime> utcTime = calendarTimeAt(recorded.utcSeconds);
    if (!local || !utcTime)
        return {};
    const QString shown = calendarTimeText(*local);
    const QString utc = timeBeside(*utcTime, *local);
    const QString zone = zoneText(recorded.offsetSeconds);
    switch (recorded.zone) {
    case RecordedTime::Zone::Own:
        return RowTipWords::tr("recorded %1 in %2, as the video says").arg(shown, zone);
    case RecordedTime::Zone::Photos:
        return RowTipWords::tr("recorded %1, from the video's UTC time %2 in %3")
            .arg(shown, utc, zone);
    case RecordedTime::Zone::Computer:
        return RowTipWords::tr(
                   "recorded %1, from the video's UTC time %2 in this computer's zone, %3")
            .arg(shown, utc, zone);
    case RecordedTime::Zone::Unplaced:
        break;
    }
    return {};
}

} // namespace

QString numberTroubleText(const NumberCheck& check) {
    switch (check.first) {
    case NumberTrouble::None:
        return {};
    case NumberTrouble::Cut:
        return RowTipWords::tr("numbers longer than the number of digits are cut: %1 becomes %2 "
                               "and sorts before the photos numbered lower")
            .arg(check.counted, check.shown);
    case NumberTrouble::NotCounted:
        return RowTipWords::tr("the numbers cannot be counted in digits: %1 becomes %2")
            .arg(check.counted, check.shown);
    }
    return {};
}

QString rowToolTip(const RowFacts& row) {
    QStringList lines;
    if (row.clash.kind != ClashReason::Kind::None)
        lines << RowTipWords::tr("red: %1").arg(clashText(row.clash));
    if (row.nameFault != NameFault::None)
        lines << RowTipWords::tr("red: %1 cannot be a file name: %2")
                     .arg(fs::readableName(row.newName), nameFaultText(row.nameFault, row.newName));
    if (row.numberTrouble != NumberTrouble::None && row.numbers)
        lines << RowTipWords::tr("red: %1").arg(numberTroubleText(*row.numbers));
    if (row.undated)
        lines << (row.datesInNames
                      ? RowTipWords::tr("no date taken: the photo keeps its name, as the time "
                                        "of its file may not be when it was taken")
                      : RowTipWords::tr("no date taken"));
    if (row.recorded && row.recorded->zone != RecordedTime::Zone::Unplaced)
        lines << recordedLine(*row.recorded);
    else if (row.source == DateSource::Metadata)
        lines << (isVideo(row.name) ? RowTipWords::tr("dated from the video's own metadata")
                                    : RowTipWords::tr("dated from its EXIF data"));
    if (row.clockShift != 0 && row.taken)
        if (const std::optional<CalendarTime> byClock = shiftedTime(*row.taken, -row.clockShift))
            lines << RowTipWords::tr("taken %1 by the camera's clock, %2 after its %3")
                         .arg(timeBeside(*byClock, *row.taken), timeBeside(*row.taken, *byClock),
                              clockOffsetText(row.clockShift));
    if (row.source == DateSource::Name)
        lines << RowTipWords::tr("dated from its name: its file holds no date taken");
    else if (row.source == DateSource::FileTime)
        lines << RowTipWords::tr("dated from its file's modification time: neither its file nor "
                                 "its name holds a date taken");
    if (!row.leftOutTip.isEmpty())
        lines << row.leftOutTip;
    if (fs::hasRawBytes(row.name))
        lines << RowTipWords::tr(
            "This name is not UTF-8: each byte shown as \\xHH is kept as it is.");
    QStringList companions;
    for (const RenamePair& companion : row.companions)
        companions
            << QStringLiteral("%1 \u2192 %2").arg(fs::readableName(companion.from), companion.to);
    fs::sortNaturally(companions);
    lines += companions;
    return lines.join(QLatin1Char('\n'));
}

} // namespace km

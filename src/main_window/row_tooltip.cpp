// SPDX-License-Identifier: MIT
#include "main_window/row_tooltip.h"

#include "file_types/file_types.h"
#include "files/file_names.h"
#include "files/file_system.h"
#include "numbers/clock_offset.h"
#include "photo_dates/camera_clocks.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>
#include <cstdlib>

namespace km {

namespace {

class RowTipWords {
    Q_DECLARE_TR_FUNCTIONS(RowTipWords)
};

QString zoneText(int offsetSeconds) {
    const int minutes = std::abs(offsetSeconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(offsetSeconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString recordedLine(const RecordedTime& recorded) {
    const QDateTime local =
        QDateTime::fromSecsSinceEpoch(recorded.utcSeconds + recorded.offsetSeconds, Qt::UTC);
    const QDateTime utcTime = QDateTime::fromSecsSinceEpoch(recorded.utcSeconds, Qt::UTC);
    const QString dayAndTime = QStringLiteral("yyyy-MM-dd HH:mm:ss");
    const QString shown = local.toString(dayAndTime);
    // The UTC time's day is named where it is not the day shown.
    const QString utc =
        utcTime.toString(utcTime.date() == local.date() ? QStringLiteral("HH:mm:ss") : dayAndTime);
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

QString rowToolTip(const RowFacts& row) {
    QStringList lines;
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
        if (const std::optional<CalendarTime> byClock = shiftedTime(*row.taken, -row.clockShift)) {
            // The day is named where the clock's day was another.
            const bool otherDay = byClock->year != row.taken->year ||
                                  byClock->month != row.taken->month ||
                                  byClock->day != row.taken->day;
            const auto shown = [otherDay](const CalendarTime& time) {
                const QString text = calendarTimeText(time);
                return otherDay ? text : text.sliced(11);
            };
            lines << RowTipWords::tr("taken %1 by the camera's clock, %2 after its %3")
                         .arg(shown(*byClock), shown(*row.taken), clockOffsetText(row.clockShift));
        }
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

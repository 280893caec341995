// SPDX-License-Identifier: MIT
#include "photo_dates/video_date.h"

#include "picture_formats/movie_header.h"

#include <QIODevice>

namespace km {
namespace {

// The number at text[from, from + length), or -1 when a character there is no digit.
int numberAt(QStringView text, qsizetype from, qsizetype length) {
    if (from + length > text.size())
        return -1;
    int value = 0;
    for (const QChar c : text.sliced(from, length)) {
        if (!c.isDigit() || c.unicode() > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

std::optional<ZonedTime> readZonedTime(QStringView text) {
    if (text.size() < 20 || text[4] != u'-' || text[7] != u'-' || text[10] != u'T' ||
        text[13] != u':' || text[16] != u':')
        return std::nullopt;
    const std::optional<CalendarTime> time =
        validCalendarTime(numberAt(text, 0, 4), numberAt(text, 5, 2), numberAt(text, 8, 2),
                          numberAt(text, 11, 2), numberAt(text, 14, 2), numberAt(text, 17, 2));
    if (!time)
        return std::nullopt;
    ZonedTime zoned{DateTaken{*time, {}}, 0};
    qsizetype at = 19;
    if (text[at] == u'.') {
        qsizetype end = ++at;
        while (end < text.size() && numberAt(text, end, 1) >= 0)
            ++end;
        zoned.local.subSeconds = text.sliced(at, end - at).toString();
        at = end;
    }
    const QStringView zone = text.sliced(at);
    if (zone == u"Z")
        return zoned;
    const std::optional<qint32> offset = readUtcOffset(zone);
    if (!offset)
        return std::nullopt;
    zoned.offsetSeconds = *offset;
    return zoned;
}

PhotoFacts readVideoFacts(QIODevice& device) {
    const std::optional<MovieHeader> header = readMovieHeader(device);
    if (!header)
        return {};
    PhotoFacts facts;
    if (const auto zoned =
            readZonedTime(QString::fromLatin1(header->appleCreationDate.trimmed()))) {
        facts.taken = zoned->local;
        facts.utcOffset = zoned->offsetSeconds;
        facts.recorded = std::make_shared<const RecordedTime>(
            RecordedTime{secondsSince1970(zoned->local.time) - zoned->offsetSeconds,
                         zoned->offsetSeconds, RecordedTime::Zone::Own});
    } else if (header->createdUtc) {
        facts.recorded = std::make_shared<const RecordedTime>(
            RecordedTime{*header->createdUtc, 0, RecordedTime::Zone::Unplaced});
    }
    return facts;
}

} // namespace km

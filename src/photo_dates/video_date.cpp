// SPDX-License-Identifier: MIT
#include "photo_dates/video_date.h"

#include "picture_formats/movie_header.h"
#include "picture_formats/transport_stream.h"

#include <QIODevice>

namespace km {
namespace {

// An AVCHD camera's first frames carry its "modified digital video pack metadata" in an SEI
// message: "MDPM", a count, and five-byte entries of a tag and four bytes of binary-coded decimal;
// tag 0x18 holds a time zone byte, the year's two halves and the month, tag 0x19 the day, hour,
// minute and second. They are found within this much of the video stream.
constexpr qsizetype kLongestAvchdHead = 256 * 1024;
constexpr char kDateTag = 0x18;
constexpr char kTimeTag = 0x19;

// The stream's bytes without the 0x03 an encoder puts after two zero bytes, so that no start code
// appears in a message.
QByteArray withoutEmulationPrevention(const QByteArray& stream) {
    QByteArray bytes;
    bytes.reserve(stream.size());
    int zeros = 0;
    for (const char byte : stream) {
        if (zeros >= 2 && byte == 3) {
            zeros = 0;
            continue;
        }
        zeros = byte == 0 ? zeros + 1 : 0;
        bytes.append(byte);
    }
    return bytes;
}

// Two decimal digits in one byte; -1 where a half is no digit.
int fromBcd(char byte) {
    const int high = quint8(byte) >> 4;
    const int low = quint8(byte) & 0x0F;
    return high > 9 || low > 9 ? -1 : high * 10 + low;
}

std::optional<CalendarTime> readPackMetadata(const QByteArray& stream) {
    const qsizetype mark = stream.indexOf("MDPM");
    if (mark < 0 || mark + 5 > stream.size())
        return std::nullopt;
    const int count = quint8(stream[mark + 4]);
    QByteArrayView date;
    QByteArrayView time;
    for (qsizetype at = mark + 5, i = 0; i < count && at + 5 <= stream.size(); ++i, at += 5) {
        const QByteArrayView entry = QByteArrayView(stream).sliced(at + 1, 4);
        if (stream[at] == kDateTag)
            date = entry;
        else if (stream[at] == kTimeTag)
            time = entry;
    }
    if (date.isEmpty() || time.isEmpty())
        return std::nullopt;
    const int century = fromBcd(date[1]);
    const int year = fromBcd(date[2]);
    if (century < 0 || year < 0)
        return std::nullopt;
    return validCalendarTime(century * 100 + year, fromBcd(date[3]), fromBcd(time[0]),
                             fromBcd(time[1]), fromBcd(time[2]), fromBcd(time[3]));
}

} // namespace

std::optional<ZonedTime> readZonedTime(QStringView text) {
    // The day and time as people type them, but for the "T" between them.
    if (text.size() < 20 || text[10] != u'T')
        return std::nullopt;
    QString dayAndTime = text.first(19).toString();
    dayAndTime[10] = u' ';
    const std::optional<CalendarTime> time = readCalendarTimeText(dayAndTime);
    if (!time)
        return std::nullopt;
    ZonedTime zoned{DateTaken{*time, {}}, 0};
    qsizetype at = 19;
    if (text[at] == u'.') {
        qsizetype end = ++at;
        while (end < text.size() && text[end] >= u'0' && text[end] <= u'9')
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

PhotoFacts readAvchdFacts(QIODevice& device) {
    const std::optional<CalendarTime> time = readPackMetadata(
        withoutEmulationPrevention(transportStreamVideo(device, kLongestAvchdHead)));
    PhotoFacts facts;
    if (time)
        facts.taken = DateTaken{*time, {}};
    return facts;
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

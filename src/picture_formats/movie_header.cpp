// SPDX-License-Identifier: MIT
#include "picture_formats/movie_header.h"

#include "picture_formats/iso_boxes.h"

#include <QIODevice>
#include <QtEndian>

namespace km {
namespace {

// Seconds from 1904-01-01, where the movie header counts from, to 1970-01-01.
constexpr qint64 kSeconds1904To1970 = 2'082'844'800;
// A creation time within a day of either epoch is a clock that was never set.
constexpr qint64 kUnsetClockWindow = 86'400;

constexpr QByteArrayView kAppleCreationDate = "com.apple.quicktime.creationdate";
// A metadata box larger than this is no camera's or phone's.
constexpr qint64 kLongestMetadata = 64 * 1024;
constexpr qint64 kLongestDateText = 64;

quint32 bigEndian32(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}

quint64 bigEndian64(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint64>(bytes.constData() + at);
}

QByteArray readContent(QIODevice& device, const IsoBox& box, qint64 longest) {
    if (box.contentLength() > longest || !device.seek(box.contentStart))
        return {};
    return device.read(box.contentLength());
}

std::optional<qint64> createdSince1970(quint64 since1904) {
    const qint64 seconds = static_cast<qint64>(since1904) - kSeconds1904To1970;
    if (since1904 < quint64(kUnsetClockWindow) || (seconds >= 0 && seconds < kUnsetClockWindow) ||
        since1904 > quint64(1) << 40)
        return std::nullopt;
    return seconds;
}

// The movie header: version 0 holds 32-bit times and duration, version 1 64-bit ones.
bool readMovieHeaderBox(QIODevice& device, const IsoBox& box, MovieHeader& header) {
    const QByteArray content = readContent(device, box, 120);
    const bool wide = !content.isEmpty() && content[0] == 1;
    if (content.size() < (wide ? 32 : 20))
        return false;
    const quint64 created = wide ? bigEndian64(content, 4) : bigEndian32(content, 4);
    const quint32 timescale = bigEndian32(content, wide ? 20 : 12);
    const quint64 duration = wide ? bigEndian64(content, 24) : bigEndian32(content, 16);
    const quint64 unknown = wide ? ~quint64(0) : quint64(~quint32(0));
    header.createdUtc = createdSince1970(created);
    if (timescale != 0 && duration != unknown && duration / timescale < quint64(1) << 32)
        header.durationMs = static_cast<qint64>(duration / timescale * 1000 +
                                                duration % timescale * 1000 / timescale);
    return true;
}

// The 1-based index of Apple's creation date among the keys of a "keys" box; 0 when absent.
quint32 creationDateKey(const QByteArray& keys) {
    if (keys.size() < 8)
        return 0;
    const quint32 count = bigEndian32(keys, 4);
    qsizetype at = 8;
    for (quint32 index = 1; index <= count && at + 8 <= keys.size(); ++index) {
        const quint32 size = bigEndian32(keys, at);
        if (size < 8 || size > quint32(keys.size() - at))
            return 0;
        if (QByteArrayView(keys).sliced(at + 8, size - 8) == kAppleCreationDate)
            return index;
        at += size;
    }
    return 0;
}

// The value of the item of that key in an "ilst" box: its "data" box holds a type, a locale and
// the text.
QByteArray itemText(QIODevice& device, const IsoBox& list, quint32 key) {
    IsoBoxes items(device, list);
    while (const std::optional<IsoBox> item = items.next()) {
        if (qFromBigEndian<quint32>(item->type.constData()) != key)
            continue;
        IsoBoxes inItem(device, *item);
        const std::optional<IsoBox> data = inItem.find("data");
        const QByteArray content =
            data ? readContent(device, *data, kLongestDateText + 8) : QByteArray();
        return content.size() > 8 ? content.sliced(8) : QByteArray();
    }
    return {};
}

// QuickTime's metadata box: a handler, the keys, and the items by key index. Phones put it in the
// movie box, without the version and flags of an ISO "meta" box; other writers put it in the
// user data box, with them.
QByteArray readAppleCreationDate(QIODevice& device, const IsoBox& meta) {
    if (!device.seek(meta.contentStart))
        return {};
    const QByteArray head = device.read(8);
    IsoBox contents = meta;
    if (head.size() == 8 && head.sliced(4) != "hdlr")
        contents.contentStart += 4;
    quint32 key = 0;
    IsoBoxes boxes(device, contents);
    while (const std::optional<IsoBox> box = boxes.next()) {
        if (box->type == "keys")
            key = creationDateKey(readContent(device, *box, kLongestMetadata));
        else if (box->type == "ilst" && key != 0)
            return itemText(device, *box, key);
    }
    return {};
}

} // namespace

std::optional<MovieHeader> readMovieHeader(QIODevice& device) {
    IsoBoxes top(device, 0, device.size());
    const std::optional<IsoBox> movie = top.find("moov");
    if (!movie)
        return std::nullopt;
    MovieHeader header;
    bool found = false;
    IsoBoxes boxes(device, *movie);
    while (const std::optional<IsoBox> box = boxes.next()) {
        if (box->type == "mvhd")
            found = readMovieHeaderBox(device, *box, header);
        else if (box->type == "meta" && header.appleCreationDate.isEmpty())
            header.appleCreationDate = readAppleCreationDate(device, *box);
        // Where some writers put it.
        else if (box->type == "udta" && header.appleCreationDate.isEmpty())
            if (const std::optional<IsoBox> meta = IsoBoxes(device, *box).find("meta"))
                header.appleCreationDate = readAppleCreationDate(device, *meta);
    }
    if (!found)
        return std::nullopt;
    return header;
}

} // namespace km

// SPDX-License-Identifier: MIT
#include "exif_times.h"
#include "photo_dates/exif_date.h"
#include "photo_dates/video_date.h"
#include "photo_dates/video_zones.h"
#include "picture_formats/iso_boxes.h"
#include "support/temp_folder.h"
#include "video_files.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>

using km::RecordedTime;
using km::fixtures::Video;
using km::testing::exifTime;

namespace {

km::PhotoFacts factsOf(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    EXPECT_TRUE(buffer.open(QIODevice::ReadOnly));
    return km::readPhotoFacts(buffer);
}

qint64 utcOf(const char* exif) {
    return km::secondsSince1970(exifTime(QString::fromLatin1(exif)));
}

km::PhotoFacts photoAt(const char* exif, std::optional<qint32> offset) {
    km::PhotoFacts photo;
    photo.taken = km::DateTaken{exifTime(QString::fromLatin1(exif)), {}};
    photo.utcOffset = offset;
    return photo;
}

km::PhotoFacts videoAtUtc(const char* exif) {
    km::PhotoFacts video;
    video.recorded = std::make_shared<const RecordedTime>(
        RecordedTime{utcOf(exif), 0, RecordedTime::Zone::Unplaced});
    return video;
}

QByteArray box(const QByteArray& type, const QByteArray& content) {
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(quint32(content.size() + 8), bytes.data());
    return bytes + type + content;
}

QByteArray bigEndian(quint32 value) {
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

class VideoDates : public ::testing::Test {
protected:
    void SetUp() override {
        if (!km::fixtures::canMakeVideos())
            GTEST_SKIP() << "FFmpeg's command-line tool is not installed";
    }
};

// The movie header's time is UTC, wherever the media data lies; Apple's creation date is local
// time with its own offset and wins; a camera without a clock gives no date.
TEST_F(VideoDates, ReadFromTheMovieHeaderOrApplesCreationDate) {
    for (const bool movieFirst : {false, true}) {
        SCOPED_TRACE(movieFirst);
        const km::PhotoFacts utc = factsOf(km::fixtures::videoBytes(
            {.createdUtc = QStringLiteral("2024-07-01T07:00:00Z"), .movieFirst = movieFirst}));
        ASSERT_TRUE(utc.recorded);
        EXPECT_EQ(utc.recorded->utcSeconds, utcOf("2024:07:01 07:00:00"));
        EXPECT_EQ(utc.recorded->zone, RecordedTime::Zone::Unplaced);
        EXPECT_FALSE(utc.taken);
    }
    const km::PhotoFacts apple = factsOf(
        km::fixtures::videoBytes({.container = QStringLiteral("mov"),
                                  .createdUtc = QStringLiteral("2024-07-01T05:00:00Z"),
                                  .appleDate = QStringLiteral("2024-07-01T09:30:00+0200")}));
    ASSERT_TRUE(apple.taken && apple.recorded);
    EXPECT_EQ(apple.taken->time, exifTime(QStringLiteral("2024:07:01 09:30:00")));
    EXPECT_EQ(apple.recorded->utcSeconds, utcOf("2024:07:01 07:30:00"));
    EXPECT_EQ(apple.recorded->zone, RecordedTime::Zone::Own);
    EXPECT_EQ(apple.utcOffset, 7200);
    for (const char* unset : {"", "1970-01-01T00:00:05Z", "1904-01-01T00:00:00Z"}) {
        const km::PhotoFacts none =
            factsOf(km::fixtures::videoBytes({.createdUtc = QString::fromLatin1(unset)}));
        EXPECT_FALSE(none.recorded || none.taken) << unset;
    }
}

// An iPhone keeps its metadata box in the movie box itself, without a version and flags; a key
// list that claims more than it holds gives no date.
TEST(VideoDate, ApplesCreationDateWhereAnIphoneKeepsIt) {
    const QByteArray key = "com.apple.quicktime.creationdate";
    const auto movie = [&](quint32 keyLength) {
        const QByteArray keys =
            box("keys", bigEndian(0) + bigEndian(1) + bigEndian(keyLength) + "mdta" + key);
        const QByteArray item =
            box(QByteArray("\0\0\0\1", 4),
                box("data", bigEndian(1) + bigEndian(0) + "2023-12-31T23:59:58-0500"));
        const QByteArray meta =
            box("meta", box("hdlr", QByteArray(24, '\0')) + keys + box("ilst", item));
        return box("ftyp", "qt  " + bigEndian(0)) +
               box("moov", box("mvhd", QByteArray(100, '\0')) + meta);
    };
    const km::PhotoFacts facts = factsOf(movie(quint32(key.size() + 8)));
    ASSERT_TRUE(facts.taken && facts.recorded);
    EXPECT_EQ(facts.taken->time, exifTime(QStringLiteral("2023:12:31 23:59:58")));
    EXPECT_EQ(facts.recorded->utcSeconds, utcOf("2024:01:01 04:59:58"));
    EXPECT_FALSE(factsOf(movie(400)).taken);
}

// An AVCHD camera's local time from its video stream.
TEST_F(VideoDates, AvchdRecordingTimeFromTheVideoStream) {
    const QByteArray clip = km::fixtures::videoBytes(
        {.container = QStringLiteral("mts"), .avchdTime = "20240701091530"});
    const km::PhotoFacts facts = factsOf(clip);
    ASSERT_TRUE(facts.taken);
    EXPECT_EQ(facts.taken->time, exifTime(QStringLiteral("2024:07:01 09:15:30")));
    EXPECT_FALSE(factsOf(km::fixtures::videoBytes({.container = QStringLiteral("mts")})).taken);
    EXPECT_FALSE(factsOf(clip.first(600)).taken);
}

// A movie box after 4 GB of media data is found by seeks, without reading the file.
TEST_F(VideoDates, MovieBoxAfterGigabytesOfMediaData) {
    const QByteArray video =
        km::fixtures::videoBytes({.createdUtc = QStringLiteral("2024-07-01T07:00:00Z")});
    QBuffer buffer;
    buffer.setData(video);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    km::IsoBoxes boxes(buffer, 0, video.size());
    const auto fileType = boxes.find("ftyp");
    const auto movie = boxes.find("moov");
    ASSERT_TRUE(fileType && movie);
    const TempFolder folder;
    QFile file(folder.filePath(QStringLiteral("long.mp4")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const qint64 mediaLength = (qint64(4) << 30) + 16;
    QByteArray mediaHeader("\0\0\0\1mdat", 8);
    for (int shift = 56; shift >= 0; shift -= 8)
        mediaHeader.append(static_cast<char>(mediaLength >> shift));
    file.write(video.mid(0, fileType->end));
    file.write(mediaHeader);
    ASSERT_TRUE(file.seek(fileType->end + mediaLength));
    file.write(video.mid(movie->end - movie->contentLength() - 8, movie->contentLength() + 8));
    ASSERT_TRUE(file.seek(0));
    const km::PhotoFacts facts = km::readPhotoFacts(file);
    ASSERT_TRUE(facts.recorded);
    EXPECT_EQ(facts.recorded->utcSeconds, utcOf("2024:07:01 07:00:00"));
}

TEST_F(VideoDates, CutOrScrambledGiveNoDateOrAValidOne) {
    std::mt19937 random(30);
    for (const bool movieFirst : {false, true}) {
        const QByteArray video =
            km::fixtures::videoBytes({.container = QStringLiteral("mov"),
                                      .createdUtc = QStringLiteral("2024-07-01T07:00:00Z"),
                                      .appleDate = QStringLiteral("2024-07-01T09:30:00+0200"),
                                      .movieFirst = movieFirst});
        ASSERT_FALSE(video.isEmpty());
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged =
                video.first(std::uniform_int_distribution<qsizetype>(0, video.size())(random));
            for (int i = 0; i < 3 && !damaged.isEmpty(); ++i)
                damaged[std::uniform_int_distribution<qsizetype>(0, damaged.size() - 1)(random)] =
                    static_cast<char>(random());
            const km::PhotoFacts facts = factsOf(damaged);
            if (facts.recorded) {
                ASSERT_TRUE(km::calendarTimeAt(facts.recorded->utcSeconds));
            }
        }
    }
}

} // namespace

// A UTC time goes into the zone of the photo taken nearest to it, else the computer's.
TEST(PlaceVideoTimes, InTheZoneOfThePhotoTakenNearestElseTheComputers) {
    const QTimeZone computer(3600);
    std::vector<km::PhotoFacts> facts{
        photoAt("2024:07:01 08:59:00", 7200), photoAt("2024:07:01 20:00:00", -4 * 3600),
        videoAtUtc("2024:07:01 07:00:00"), videoAtUtc("2024:07:02 01:00:00"), km::PhotoFacts{}};
    km::placeVideoTimes(facts, computer);
    ASSERT_TRUE(facts[2].taken && facts[3].taken);
    EXPECT_EQ(facts[2].taken->time, exifTime(QStringLiteral("2024:07:01 09:00:00")));
    EXPECT_EQ(facts[2].recorded->zone, RecordedTime::Zone::Photos);
    EXPECT_EQ(facts[2].recorded->offsetSeconds, 7200);
    EXPECT_EQ(facts[3].taken->time, exifTime(QStringLiteral("2024:07:01 21:00:00")));
    EXPECT_FALSE(facts[4].taken);

    std::vector<km::PhotoFacts> alone{photoAt("2024:07:01 08:59:00", std::nullopt),
                                      videoAtUtc("2024:12:31 23:30:00")};
    km::placeVideoTimes(alone, computer);
    ASSERT_TRUE(alone[1].taken);
    EXPECT_EQ(alone[1].taken->time, exifTime(QStringLiteral("2025:01:01 00:30:00")));
    EXPECT_EQ(alone[1].recorded->zone, RecordedTime::Zone::Computer);
}

TEST(ReadZonedTime, OffsetsAndFractionsAndWhatIsNoTime) {
    const auto zoned = km::readZonedTime(u"2024-07-01T09:30:00.250-04:30");
    ASSERT_TRUE(zoned);
    EXPECT_EQ(zoned->local.time, exifTime(QStringLiteral("2024:07:01 09:30:00")));
    EXPECT_EQ(zoned->local.subSeconds, "250");
    EXPECT_EQ(zoned->offsetSeconds, -(4 * 3600 + 1800));
    EXPECT_EQ(km::readZonedTime(u"2024-07-01T09:30:00Z")->offsetSeconds, 0);
    EXPECT_EQ(km::readZonedTime(u"2024-07-01T09:30:00+0200")->offsetSeconds, 7200);
    for (const char16_t* bad : {u"2024-07-01T09:30:00", u"2024-02-30T09:30:00Z",
                                u"2024-07-01T09:30:00+1900", u"2024-07-01 09:30:00+0200"})
        EXPECT_FALSE(km::readZonedTime(bad)) << QString::fromUtf16(bad).toStdString();
}

// SPDX-License-Identifier: MIT
#include "exif_times.h"
#include "photo_dates/camera_clocks.h"
#include "photo_dates/missing_dates.h"
#include "photo_dates/name_dates.h"
#include "support/temp_folder.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

using km::testing::exifTime;

TEST(DateFromName, NamesPhonesAndMessengersGive) {
    const struct {
        const char16_t* name;
        const char* time;
        const char* subSeconds;
    } dated[] = {
        {u"IMG_20230101_123456.jpg", "2023:01:01 12:34:56", ""},
        {u"PXL_20230101_123456789.jpg", "2023:01:01 12:34:56", "789"},
        {u"VID_20231231_235959.mp4", "2023:12:31 23:59:59", ""},
        {u"Screenshot_2023-01-01-12-34-56.png", "2023:01:01 12:34:56", ""},
        {u"Screenshot 2023-01-01 at 12.34.56.png", "2023:01:01 12:34:56", ""},
        {u"signal-2023-01-01-123456.jpeg", "2023:01:01 12:34:56", ""},
        {u"IMG-20230101-WA0007.jpg", "2023:01:01 00:00:00", "0007"},
        {u"2023-01-01 12.34.56.jpg", "2023:01:01 12:34:56", ""},
        {u"IMG_20240229_000000_HDR.jpg", "2024:02:29 00:00:00", ""},
    };
    for (const auto& each : dated) {
        const auto date = km::dateFromName(each.name);
        ASSERT_TRUE(date) << QString::fromUtf16(each.name).toStdString();
        EXPECT_EQ(date->time, exifTime(QString::fromLatin1(each.time)));
        EXPECT_EQ(date->subSeconds, QString::fromLatin1(each.subSeconds));
    }
    for (const char16_t* none :
         {u"DSC_0001.JPG", u"IMG_20231301_123456.jpg", u"IMG_20230230_123456.jpg",
          u"IMG_20230101_243456.jpg", u"IMG_120230101_123456.jpg", u"IMG-20230101-WA01.jpg",
          u"2023-01-01.jpg", u""})
        EXPECT_FALSE(km::dateFromName(none)) << QString::fromUtf16(none).toStdString();
}

// The metadata's date wins over a name; a file's time is taken only where chosen, after the name.
TEST(FillMissingDates, MetadataThenNameThenFileTimeAsChosen) {
    TempFolder folder;
    folder.writeNamed({"IMG_20230101_123456.jpg", "scan.jpg"});
    const QDateTime modified(QDate(2022, 5, 6), QTime(7, 8, 9));
    QFile scan(folder.filePath("scan.jpg"));
    ASSERT_TRUE(scan.open(QIODevice::ReadWrite));
    ASSERT_TRUE(scan.setFileTime(modified, QFileDevice::FileModificationTime));
    const QStringList names{"IMG_20230101_123456.jpg", "IMG_20230101_123456.jpg", "scan.jpg"};
    const km::DateTaken exif{exifTime(QStringLiteral("2024:07:01 09:00:00")), {}};
    const auto fill = [&](km::MissingDates choice) {
        std::vector<km::PhotoFacts> facts(3);
        facts[0].taken = exif;
        const auto sources = km::fillMissingDates(folder.pathWithSeparator(), names, facts, choice);
        return std::pair{facts, sources};
    };
    using km::DateSource;
    auto [facts, sources] = fill({.fromNames = true});
    EXPECT_EQ(sources, (std::vector{DateSource::Metadata, DateSource::Name, DateSource::None}));
    EXPECT_EQ(facts[0].taken, exif);
    EXPECT_EQ(facts[1].taken->time, exifTime(QStringLiteral("2023:01:01 12:34:56")));
    std::tie(facts, sources) = fill({.fromNames = true, .fromFileTimes = true});
    EXPECT_EQ(sources[2], DateSource::FileTime);
    EXPECT_EQ(facts[2].taken->time, exifTime(QStringLiteral("2022:05:06 07:08:09")));
    std::tie(facts, sources) = fill({.fromFileTimes = true});
    EXPECT_EQ(sources,
              (std::vector{DateSource::Metadata, DateSource::FileTime, DateSource::FileTime}));
}

// Each camera's offset moves its photos alone, a body told by its serial; across midnight and a
// month's end the day moves too; a video whose container names no camera is "Videos".
TEST(ApplyClockOffsets, PerCameraAcrossMidnightAndMonthsEnd) {
    const auto camera = [](const char* serial) {
        return std::make_shared<const km::CameraTags>(
            km::CameraTags{"Canon", "Canon EOS R6", {}, QString::fromLatin1(serial)});
    };
    const auto photo = [](std::shared_ptr<const km::CameraTags> tags, const char* exif) {
        km::PhotoFacts facts;
        facts.camera = std::move(tags);
        facts.taken = km::DateTaken{exifTime(QString::fromLatin1(exif)), {}};
        return facts;
    };
    std::vector<km::PhotoFacts> facts{
        photo(camera("01"), "2024:01:31 23:30:00"), photo(camera("02"), "2024:01:31 23:30:00"),
        photo(nullptr, "2024:01:31 23:30:00"), photo(nullptr, "2024:01:31 23:30:00")};
    EXPECT_EQ(km::cameraClockName(*facts[0].camera, false), "Canon Canon EOS R6 01");
    const auto applied = km::applyClockOffsets(facts, {"a.jpg", "b.jpg", "c.mp4", "d.jpg"},
                                               {{"Canon Canon EOS R6 01", 3600}, {"Videos", -60}});
    EXPECT_EQ(applied, (std::vector<qint32>{3600, 0, -60, 0}));
    EXPECT_EQ(facts[0].taken->time, exifTime(QStringLiteral("2024:02:01 00:30:00")));
    EXPECT_EQ(facts[1].taken->time, exifTime(QStringLiteral("2024:01:31 23:30:00")));
    EXPECT_EQ(facts[2].taken->time, exifTime(QStringLiteral("2024:01:31 23:29:00")));
}

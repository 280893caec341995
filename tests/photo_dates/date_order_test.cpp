// SPDX-License-Identifier: MIT
#include "camera_files.h"
#include "exif_times.h"
#include "photo_dates/folder_dates.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using km::DateTaken;

using km::testing::exifText;
using km::testing::taken;

namespace {

TEST(OrderTaken, DatedEarliestFirstThenUndatedInNameOrder) {
    const std::optional<DateTaken> none;
    const QString noon = QStringLiteral("2023:05:01 12:00:00");
    const std::vector<std::optional<DateTaken>> dates = {
        none,                                // 0
        taken(noon, "5"),                    // 1: .5 s
        taken(noon, "45"),                   // 2: .45 s
        taken("2023:05:01 11:59:59", "999"), // 3
        taken(noon, "50"),                   // 4: the same time as 1
        none,                                // 5
        taken(noon, ""),                     // 6: .0 s
        taken("2022:12:31 23:00:00", ""),    // 7
    };
    std::vector<km::PhotoFacts> facts(std::size(dates));
    for (size_t i = 0; i < facts.size(); ++i)
        facts[i].taken = dates[i];
    EXPECT_EQ(km::orderTaken(facts), (std::vector<int>{7, 3, 6, 2, 1, 4, 0, 5}));
    EXPECT_TRUE(km::takenBefore(taken(noon, "45"), taken(noon, "5")));
    EXPECT_EQ((taken(noon, "5")), (taken(noon, "500")));
}

class ReadDatesTaken : public ::testing::Test {
protected:
    // Writes the photo in place: a file keeps its inode and links.
    static void writePhotoAt(const TempFolder& folder, const QString& name, const QString& stamp) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::gray);
        folder.write(name, km::fixtures::jpegBytes(image));
        km::fixtures::setExifTags(folder.filePath(name), {{"Exif.Photo.DateTimeOriginal", stamp}});
    }
    void writePhoto(const QString& name, const QString& stamp) {
        writePhotoAt(m_folder, name, stamp);
    }

    // The stamps read, "-" for no date; "cancelled" when poll cancelled.
    QStringList read(const QStringList& names, const km::DateReadingPoll& poll = {},
                     std::chrono::milliseconds interval = std::chrono::milliseconds(50)) {
        const auto dates =
            km::readFolderFacts(m_folder.pathWithSeparator(), names, m_cache, poll, interval);
        if (!dates)
            return {QStringLiteral("cancelled")};
        QStringList stamps;
        for (const auto& facts : *dates)
            stamps.append(facts.taken ? exifText(facts.taken->time) : QStringLiteral("-"));
        return stamps;
    }

    TempFolder m_folder;
    km::DateTakenCache m_cache;
};

TEST_F(ReadDatesTaken, ReadsInNameOrderAndAgainOnlyWhatChanged) {
    writePhoto("b.JPG", "2023:05:01 10:00:02");
    writePhoto("a.jpeg", "2023:05:01 10:00:01");
    writePhoto("c.gif", "2023:05:01 10:00:00");
    const QStringList names = {"a.jpeg", "b.JPG", "c.gif", "gone.jpg"};
    EXPECT_EQ(read(names), QStringList({"2023:05:01 10:00:01", "2023:05:01 10:00:02", "-", "-"}));

    // Same size, same time and same file: the date is taken from the cache, not read again.
    const QString pathB = m_folder.filePath("b.JPG");
    struct stat before {};
    ASSERT_EQ(stat(pathB.toUtf8().constData(), &before), 0);
    writePhoto("b.JPG", "2023:05:01 10:00:09");
    const timespec times[] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, pathB.toUtf8().constData(), times, 0), 0);
    int polls = 0;
    const auto count = [&](int, int) {
        return ++polls > 0;
    };
    EXPECT_EQ(read(names, count, std::chrono::milliseconds(0))[1], "2023:05:01 10:00:02");
    EXPECT_EQ(polls, 0);

    // A new modification time: read again.
    const timespec later[] = {before.st_atim, {before.st_mtim.tv_sec + 1, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, pathB.toUtf8().constData(), later, 0), 0);
    EXPECT_EQ(read(names)[1], "2023:05:01 10:00:09");
}

TEST_F(ReadDatesTaken, SeesChangesMadeThroughOtherNamesAndToAReplacedFolder) {
    const TempFolder elsewhere;
    writePhotoAt(elsewhere, "target.jpg", "2001:01:01 00:00:00");
    writePhotoAt(elsewhere, "linked.jpg", "2002:01:01 00:00:00");
    ASSERT_TRUE(QFile::link(elsewhere.filePath("target.jpg"), m_folder.filePath("a.jpg")));
    ASSERT_EQ(link(QFile::encodeName(elsewhere.filePath("linked.jpg")).constData(),
                   QFile::encodeName(m_folder.filePath("b.jpg")).constData()),
              0);
    writePhoto("c.jpg", "2003:01:01 00:00:00");
    const QStringList names = {"a.jpg", "b.jpg", "c.jpg"};
    EXPECT_EQ(read(names),
              QStringList({"2001:01:01 00:00:00", "2002:01:01 00:00:00", "2003:01:01 00:00:00"}));

    writePhotoAt(elsewhere, "target.jpg", "2011:01:01 00:00:00");
    writePhotoAt(elsewhere, "linked.jpg", "2012:01:01 00:00:00");
    EXPECT_EQ(read(names),
              QStringList({"2011:01:01 00:00:00", "2012:01:01 00:00:00", "2003:01:01 00:00:00"}));

    const QString moved = m_folder.path() + "-moved";
    ASSERT_TRUE(QDir().rename(m_folder.path(), moved));
    ASSERT_TRUE(QDir().mkdir(m_folder.path()));
    ASSERT_TRUE(QFile::rename(moved + "/a.jpg", m_folder.filePath("a.jpg")));
    ASSERT_TRUE(QFile::rename(moved + "/b.jpg", m_folder.filePath("b.jpg")));
    writePhoto("c.jpg", "2013:01:01 00:00:00");
    QDir(moved).removeRecursively();
    EXPECT_EQ(read(names),
              QStringList({"2011:01:01 00:00:00", "2012:01:01 00:00:00", "2013:01:01 00:00:00"}));
}

TEST_F(ReadDatesTaken, CancelledByPollKeepsWhatWasRead) {
    QStringList names;
    writePhoto("0.jpg", "2023:05:01 10:00:00");
    QFile first(m_folder.filePath("0.jpg"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly));
    const QByteArray photo = first.readAll();
    for (int i = 1; i < 400; ++i) {
        names.append(QStringLiteral("%1.jpg").arg(i));
        m_folder.write(names.back(), photo);
    }
    // Cancelled at the first poll; tried again should the files all be read before it.
    bool polled = false;
    int doneAtCancel = 0;
    const auto cancel = [&](int done, int) {
        polled = true;
        doneAtCancel = done;
        return false;
    };
    QStringList cancelled;
    for (int attempt = 0; attempt < 5 && !polled; ++attempt) {
        m_cache = km::DateTakenCache();
        cancelled = read(names, cancel, std::chrono::milliseconds(0));
    }
    ASSERT_TRUE(polled);
    EXPECT_EQ(cancelled, QStringList{"cancelled"});
    const qsizetype kept = m_cache.count(m_folder.pathWithSeparator());
    EXPECT_GE(kept, doneAtCancel);
    int lastTotal = 0;
    const QStringList stamps = read(
        names, [&](int, int total) { return (lastTotal = total) > 0; },
        std::chrono::milliseconds(0));
    EXPECT_EQ(stamps.count("2023:05:01 10:00:00"), names.size());
    EXPECT_LE(lastTotal, names.size() - kept);
}

TEST_F(ReadDatesTaken, InTheBackgroundAllOrNothingAndTheCacheStaysSound) {
    QStringList names;
    for (int i = 0; i < 200; ++i) {
        names.append(QStringLiteral("%1.jpg").arg(i));
        writePhoto(names.back(),
                   QStringLiteral("2023:05:01 10:00:%1").arg(i % 60, 2, 10, QChar('0')));
    }
    // Stopped at once: no result at all, or (read before the stop came) every date.
    QFuture<std::vector<km::PhotoFacts>> stopped =
        km::readFolderFactsInBackground(m_folder.pathWithSeparator(), names, m_cache);
    stopped.cancel();
    stopped.waitForFinished();
    if (stopped.resultCount() > 0) {
        EXPECT_EQ(stopped.result().size(), static_cast<size_t>(names.size()));
    }

    QFuture<std::vector<km::PhotoFacts>> reading =
        km::readFolderFactsInBackground(m_folder.pathWithSeparator(), names, m_cache);
    reading.waitForFinished();
    ASSERT_EQ(reading.resultCount(), 1);
    const std::vector<km::PhotoFacts> dates = reading.result();
    ASSERT_EQ(dates.size(), static_cast<size_t>(names.size()));
    for (int i = 0; i < names.size(); ++i) {
        ASSERT_TRUE(dates[static_cast<size_t>(i)].taken);
        EXPECT_EQ(exifText(dates[static_cast<size_t>(i)].taken->time),
                  QStringLiteral("2023:05:01 10:00:%1").arg(i % 60, 2, 10, QChar('0')));
    }
    // Everything is cached now: nothing is read again.
    int polls = 0;
    read(
        names, [&](int, int) { return ++polls > 0; }, std::chrono::milliseconds(0));
    EXPECT_EQ(polls, 0);
}

} // namespace

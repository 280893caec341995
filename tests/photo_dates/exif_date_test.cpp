// SPDX-License-Identifier: MIT
#include "camera_files.h"
#include "exif_times.h"
#include "phone_files.h"
#include "photo_dates/exif_date.h"
#include "photo_dates/folder_dates.h"
#include "raw_files.h"
#include "support/temp_folder.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <random>

using km::DateTaken;
using km::fixtures::ByteOrder;
using km::fixtures::ExifTags;

using km::testing::exifText;
using km::testing::taken;

namespace {

const QString original = QStringLiteral("Exif.Photo.DateTimeOriginal");
const QString digitized = QStringLiteral("Exif.Photo.DateTimeDigitized");
const QString originalSub = QStringLiteral("Exif.Photo.SubSecTimeOriginal");
const QString digitizedSub = QStringLiteral("Exif.Photo.SubSecTimeDigitized");

// A small camera-like JPEG file's bytes with the EXIF tags given (none: no EXIF at all).
QByteArray photoWith(const ExifTags& tags, ByteOrder order = ByteOrder::LittleEndian) {
    const TempFolder folder;
    const QString path = folder.filePath(QStringLiteral("photo.jpg"));
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    folder.write(QStringLiteral("photo.jpg"), km::fixtures::jpegBytes(image));
    if (!tags.empty())
        km::fixtures::setExifTags(path, tags, order);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

struct DateCase {
    const char* what;
    ExifTags tags;
    std::optional<DateTaken> expected;
};

TEST(ReadDateTaken, TakesTheOriginalElseTheDigitizedDateWithItsOwnSubSeconds) {
    const QString day = QStringLiteral("2023:05:01 10:00:00");
    const QString later = QStringLiteral("2023:05:02 11:30:59");
    const DateCase cases[] = {
        {"original with sub-seconds",
         {{original, day}, {originalSub, "45"}, {digitized, later}, {digitizedSub, "9"}},
         taken(day, "45")},
        {"original without sub-seconds", {{original, day}, {digitizedSub, "9"}}, taken(day, "")},
        {"sub-seconds trimmed to leading digits",
         {{original, day}, {originalSub, " 123ab "}},
         taken(day, "123")},
        {"month 13 falls back",
         {{original, "2023:13:01 10:00:00"}, {digitized, later}, {digitizedSub, "7"}},
         taken(later, "7")},
        {"29 February of a common year", {{original, "2023:02:29 10:00:00"}}, std::nullopt},
        {"29 February of a leap year",
         {{original, "2024:02:29 23:59:59"}},
         taken("2024:02:29 23:59:59", "")},
        {"hour 24", {{original, "2023:05:01 24:00:00"}}, std::nullopt},
        {"all zero",
         {{original, "0000:00:00 00:00:00"}, {digitized, "0000:00:00 00:00:00"}},
         std::nullopt},
        {"blanks", {{original, "    :  :     :  :  "}}, std::nullopt},
        {"dashes", {{original, "2023-05-01 10:00:00"}}, std::nullopt},
        {"only the date of the last edit", {{"Exif.Image.DateTime", day}}, std::nullopt},
        {"no EXIF", {}, std::nullopt},
    };
    for (const DateCase& test : cases) {
        SCOPED_TRACE(test.what);
        const auto date = km::readDateTaken(photoWith(test.tags));
        ASSERT_EQ(date.has_value(), test.expected.has_value());
        if (date) {
            EXPECT_EQ(date->time, test.expected->time);
            EXPECT_EQ(date->subSeconds, test.expected->subSeconds);
        }
    }
}

TEST(ReadDateTaken, ReadsBigEndianExif) {
    const QByteArray photo =
        photoWith({{original, "2021:12:31 23:59:58"}, {originalSub, "5"}}, ByteOrder::BigEndian);
    ASSERT_TRUE(photo.contains(QByteArray("Exif\0\0MM\0*", 10)));
    const auto date = km::readDateTaken(photo);
    ASSERT_TRUE(date);
    EXPECT_EQ(exifText(date->time), "2021:12:31 23:59:58");
    EXPECT_EQ(date->subSeconds, "5");
}

// The camera's tags come in the same read as the date, in either byte order, and also from a
// photo without a date.
TEST(ReadPhotoFacts, ReadsTheCameraLensAndSerialWithTheDate) {
    const ExifTags tags{{"Exif.Image.Make", "NIKON CORPORATION "},
                        {"Exif.Image.Model", "NIKON Z 6_2"},
                        {"Exif.Photo.LensModel", "NIKKOR Z 24-70mm f/4 S"},
                        {"Exif.Photo.BodySerialNumber", "6012345"}};
    const km::CameraTags expected{"NIKON CORPORATION", "NIKON Z 6_2", "NIKKOR Z 24-70mm f/4 S",
                                  "6012345"};
    for (const ByteOrder order : {ByteOrder::LittleEndian, ByteOrder::BigEndian}) {
        ExifTags dated = tags;
        dated.push_back({original, "2023:05:01 10:00:00"});
        QByteArray bytes = photoWith(dated, order);
        QBuffer buffer(&bytes);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        const km::PhotoFacts facts = km::readPhotoFacts(buffer);
        EXPECT_EQ(facts.cameraTags(), expected);
        EXPECT_EQ(facts.taken, taken("2023:05:01 10:00:00", ""));
    }
    QByteArray undated = photoWith({tags[1]});
    QBuffer buffer(&undated);
    ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
    const km::PhotoFacts facts = km::readPhotoFacts(buffer);
    EXPECT_FALSE(facts.taken);
    EXPECT_EQ(facts.cameraTags(), (km::CameraTags{{}, "NIKON Z 6_2", {}, {}}));
}

// A folder read for its dates alone holds no cameras: asked for them later, it reads them.
TEST(ReadPhotoFacts, CamerasAreReadWhenFirstWantedThoughTheDatesAreHeld) {
    const TempFolder folder;
    folder.write("a.jpg",
                 photoWith({{original, "2023:05:01 10:00:00"}, {"Exif.Image.Model", "ILCE-7M3"}}));
    km::DateTakenCache cache;
    const auto read = [&](km::FactsWanted wanted) {
        return km::readFolderFacts(folder.pathWithSeparator(), {"a.jpg"}, cache, {},
                                   std::chrono::milliseconds(50), wanted)
            ->front();
    };
    EXPECT_EQ(read(km::FactsWanted::Dates).camera, nullptr);
    EXPECT_EQ(read(km::FactsWanted::DatesAndCameras).cameraTags().model, "ILCE-7M3");
    EXPECT_EQ(read(km::FactsWanted::Dates).cameraTags().model, "ILCE-7M3");
}

TEST(ReadDateTaken, DamagedFilesGiveNoDateOrTheirOwn) {
    const QByteArray photo = photoWith({{original, "2023:05:01 10:00:00"}, {originalSub, "45"}});
    const qsizetype exifEnd = photo.indexOf("45") + 8;
    // Cut anywhere before the end of the EXIF segment: no date, never a read beyond the end.
    for (qsizetype length = 0; length < exifEnd; ++length)
        ASSERT_FALSE(km::readDateTaken(photo.first(length))) << length;
    // Bytes of the metadata changed at random: whatever it reads, it reads within the data.
    std::mt19937 random(14);
    for (int round = 0; round < 20000; ++round) {
        QByteArray damaged = photo;
        for (int i = 0; i < 3; ++i)
            damaged[std::uniform_int_distribution<qsizetype>(2, exifEnd)(random)] =
                static_cast<char>(random());
        if (const auto date = km::readDateTaken(damaged)) {
            const km::CalendarTime& t = date->time;
            ASSERT_TRUE(km::validCalendarTime(t.year, t.month, t.day, t.hour, t.minute, t.second));
        }
    }
    // The picture is never read: an EXIF segment after the start of the scan is not seen.
    const qsizetype app1 = photo.indexOf("\xff\xe1");
    QByteArray scanFirst = photo.first(2) + QByteArray("\xff\xda\x00\x02", 4) + photo.sliced(app1);
    EXPECT_FALSE(km::readDateTaken(scanFirst));
    // Nor is a file read to its end when its head never ends.
    QBuffer endless;
    endless.setData(photo.first(2) + QByteArray("\xff\xd0").repeated(4 << 20) + photo.sliced(2));
    ASSERT_TRUE(endless.open(QIODevice::ReadOnly));
    EXPECT_FALSE(km::readDateTaken(endless));
    EXPECT_LT(endless.pos(), 5 << 20);
}

// Photos of phones and image programs: one file of each type, with its date as each keeps it.
struct PhoneFile {
    const char* name;
    QByteArray bytes;
    std::optional<DateTaken> expected;
};

// A HEIC file as many Android phones write it: the general "mif1" as its major brand, "heic" only
// among the compatible ones.
QByteArray withGeneralBrand(QByteArray heic) {
    EXPECT_EQ(heic.mid(8, 4), "heic");
    EXPECT_TRUE(heic.mid(16, heic.at(3) - 16).contains("heic"));
    return heic.replace(8, 4, "mif1");
}

// A PNG chunk: length, type, data, CRC.
QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
    uint32_t crc = 0xffffffff;
    for (const char byte : type + data) {
        crc ^= uchar(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xedb88320 : crc >> 1;
    }
    crc ^= 0xffffffff;
    const auto bigEndian = [](uint32_t value) {
        const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
        return QByteArray(bytes, 4);
    };
    return bigEndian(uint32_t(data.size())) + type + data + bigEndian(crc);
}

// A PNG keeping its EXIF as ImageMagick does: hexadecimal text in a tEXt or zTXt chunk named
// "Raw profile type exif", placed before the picture's data.
QByteArray pngWithTextExif(const QImage& image, const QByteArray& exif, bool compressed) {
    QByteArray hex = "\nexif\n" + QByteArray::number(exif.size() + 6).rightJustified(8) + "\n";
    const QByteArray bytes = QByteArray("Exif\0\0", 6) + exif;
    for (qsizetype at = 0; at < bytes.size(); at += 36)
        hex += bytes.mid(at, 36).toHex() + "\n";
    const QByteArray keyword("Raw profile type exif\0", 22);
    const QByteArray chunk = compressed
                                 ? pngChunk("zTXt", keyword + '\0' + qCompress(hex).sliced(4))
                                 : pngChunk("tEXt", keyword + hex);
    QByteArray png = km::fixtures::pngBytes(image);
    return png.insert(png.indexOf("IDAT") - 4, chunk);
}

std::vector<PhoneFile> phoneFiles() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    const QString day = QStringLiteral("2023:05:01 10:00:00");
    const QString later = QStringLiteral("2023:05:02 11:30:59");
    const ExifTags originalTags{{original, day}, {originalSub, "45"}, {digitized, later}};
    const QByteArray exif = km::fixtures::exifTiff(originalTags);
    const QByteArray bigEndian =
        km::fixtures::exifTiff({{digitized, later}, {digitizedSub, "7"}}, ByteOrder::BigEndian);
    using namespace km::fixtures;
    return {
        {"IMG_0001.HEIC", heifBytes(image, {.exif = exif}), taken(day, "45")},
        {"IMG_0011.heic", withGeneralBrand(heifBytes(image, {.exif = exif})), taken(day, "45")},
        {"IMG_0002.avif", heifBytes(image, {.avif = true, .exif = bigEndian}), taken(later, "7")},
        {"IMG_0003.png", pngBytes(image, exif), taken(day, "45")},
        {"IMG_0012.png", pngWithTextExif(image, exif, false), taken(day, "45")},
        {"IMG_0013.png", pngWithTextExif(image, bigEndian, true), taken(later, "7")},
        {"IMG_0004.PNG", pngBytes(image, QByteArray("Exif\0\0", 6) + bigEndian), taken(later, "7")},
        {"IMG_0005.webp", webpBytes(image, exif), taken(day, "45")},
        {"IMG_0006.tif", tiffBytes(image, originalTags), taken(day, "45")},
        {"screenshot.png", pngBytes(image), std::nullopt},
        {"IMG_0007.heic", heifBytes(image), std::nullopt},
        {"IMG_0008.webp", webpBytes(image), std::nullopt},
        {"scan.tiff", tiffBytes(image), std::nullopt}};
}

TEST(ReadDateTaken, ReadsTheExifOfHeicAvifPngWebpAndTiffFilesInAFolder) {
    const std::vector<PhoneFile> files = phoneFiles();
    const TempFolder folder;
    QStringList names;
    for (const PhoneFile& file : files) {
        folder.write(file.name, file.bytes);
        names << file.name;
    }
    km::DateTakenCache cache;
    const auto dates = km::readFolderFacts(folder.pathWithSeparator(), names, cache,
                                           [](int, int) { return true; });
    ASSERT_TRUE(dates);
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name);
        const std::optional<DateTaken>& date = (*dates)[i].taken;
        ASSERT_EQ(date.has_value(), files[i].expected.has_value());
        if (files[i].expected) {
            EXPECT_EQ(date->time, files[i].expected->time);
            EXPECT_EQ(date->subSeconds, files[i].expected->subSeconds);
        }
    }
}

// Cuts the file at random lengths of at least `shortest` bytes and scrambles three bytes of each
// cut: every read gives no date or a valid one.
void expectNoDateOrAValidOne(const QByteArray& bytes, qsizetype shortest, int rounds,
                             std::mt19937& random) {
    for (int round = 0; round < rounds; ++round) {
        QByteArray damaged =
            bytes.first(std::uniform_int_distribution<qsizetype>(shortest, bytes.size())(random));
        for (int i = 0; i < 3 && !damaged.isEmpty(); ++i)
            damaged[std::uniform_int_distribution<qsizetype>(0, damaged.size() - 1)(random)] =
                static_cast<char>(random());
        if (const auto date = km::readDateTaken(damaged)) {
            const km::CalendarTime& t = date->time;
            ASSERT_TRUE(km::validCalendarTime(t.year, t.month, t.day, t.hour, t.minute, t.second));
        }
    }
}

TEST(ReadDateTaken, DamagedPhoneFilesGiveNoDateOrTheirOwn) {
    std::mt19937 random(21);
    for (const PhoneFile& file : phoneFiles()) {
        SCOPED_TRACE(file.name);
        for (qsizetype length = 0; length < 16; ++length)
            ASSERT_FALSE(km::readDateTaken(file.bytes.first(length))) << length;
        expectNoDateOrAValidOne(file.bytes, 16, 300, random);
    }
}

// Every RAW layout gives its date, sub-seconds and camera; cut anywhere or scrambled, it gives no
// date or a valid one, and never a hang.
TEST(ReadPhotoFacts, ReadsEveryRawLayoutAndSurvivesItsDamage) {
    using namespace km::fixtures;
    const QByteArray preview = jpegBytes(QImage(32, 16, QImage::Format_RGB32));
    std::mt19937 random(33);
    for (const RawKind kind :
         {RawKind::Tiff, RawKind::Rw2, RawKind::Orf, RawKind::Cr3, RawKind::Raf}) {
        SCOPED_TRACE(static_cast<int>(kind));
        const QByteArray bytes = rawBytes(
            kind, {.taken = "2024:03:01 09:15:00", .subSeconds = "07", .preview = preview});
        QBuffer buffer;
        buffer.setData(bytes);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        const km::PhotoFacts facts = km::readPhotoFacts(buffer);
        ASSERT_TRUE(facts.taken);
        EXPECT_EQ(facts.taken->time, km::testing::exifTime("2024:03:01 09:15:00"));
        EXPECT_EQ(facts.taken->subSeconds, "07");
        ASSERT_TRUE(facts.camera);
        EXPECT_EQ(facts.camera->make, "Canon");
        EXPECT_EQ(facts.camera->model, "Canon EOS R6");
        expectNoDateOrAValidOne(bytes, 0, 200, random);
    }
}

} // namespace

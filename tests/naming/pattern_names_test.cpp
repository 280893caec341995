// SPDX-License-Identifier: MIT
#include "files/file_names.h"
#include "naming/dated_names.h"
#include "naming/pattern_names.h"

#include <gtest/gtest.h>

namespace {

using km::DateNumbering;
using km::MissingValue;
using km::PatternFault;

struct Photo {
    QString name;
    std::optional<km::CalendarTime> taken;
    km::CameraTags camera = {};
};

const km::CameraTags kCanon{"Canon", "Canon EOS R5", "RF24-105mm F4 L IS USM", "0320"};
const km::CameraTags kNikon{"NIKON CORPORATION", "NIKON Z 6_2", "NIKKOR Z 24-70mm f/4 S", ""};
const km::CameraTags kSony{"SONY", "ILCE-7M3", "", ""};
constexpr km::CalendarTime kMorning{2024, 5, 2, 9, 15, 0};
constexpr km::CalendarTime kNoon{2024, 5, 2, 12, 0, 0};

km::PatternNames patternNames(QStringView pattern, const std::vector<Photo>& photos,
                              DateNumbering numbering = DateNumbering::Run,
                              const km::NamingFields& fields = {"Trip_", "1", "3"}) {
    QStringList names;
    km::RowTimes times;
    km::RowCameras cameras;
    for (const Photo& photo : photos) {
        names << photo.name;
        times.push_back(photo.taken);
        cameras.push_back(photo.camera);
    }
    const auto reading = km::NamePattern::read(pattern);
    EXPECT_TRUE(reading.pattern) << pattern.toString().toStdString();
    return km::computePatternNames(fields, true, names, {},
                                   {*reading.pattern, numbering, QStringLiteral("Lisbon 2024")},
                                   {times, cameras});
}

TEST(PatternNames, EachFieldAndMissingOrUnsafeValues) {
    const std::vector<Photo> photos = {
        {"IMG_2041.JPG", kMorning, kCanon},
        {"DSC00017.jpg", kNoon, kNikon},
        {"_DSC1234.ARW.jpg", kNoon, kSony},
        {"scan.png", std::nullopt, {}},
    };
    struct Case {
        const char* pattern;
        QStringList expected;
        std::vector<MissingValue> missing = {};
    };
    const Case cases[] = {
        {"{date}_{camera}_{original}",
         {"2024-05-02_Canon EOS R5_2041.JPG", "2024-05-02_NIKON Z 6_2_00017.jpg",
          "2024-05-02_SONY ILCE-7M3_1234.jpg", ""},
         {MissingValue::None, MissingValue::None, MissingValue::None, MissingValue::DateTaken}},
        {"{make} {model}",
         {"Canon Canon EOS R5.JPG", "NIKON CORPORATION NIKON Z 6_2.jpg", "SONY ILCE-7M3.jpg", ""},
         {MissingValue::None, MissingValue::None, MissingValue::None, MissingValue::Make}},
        // A "/" in a lens's name makes no folder.
        {"{lens}",
         {"RF24-105mm F4 L IS USM.JPG", "NIKKOR Z 24-70mm f-4 S.jpg", "", ""},
         {MissingValue::None, MissingValue::None, MissingValue::Lens, MissingValue::Lens}},
        {"{serial}-{number}",
         {"0320-001.JPG", "", "", ""},
         {MissingValue::None, MissingValue::Serial, MissingValue::Serial, MissingValue::Serial}},
        {"{folder} {name}",
         {"Lisbon 2024 IMG_2041.JPG", "Lisbon 2024 DSC00017.jpg", "Lisbon 2024 _DSC1234.ARW.jpg",
          "Lisbon 2024 scan.png"}},
        {"{prefix}{time}{date:_YYYY.MM}",
         {"Trip_09-15-00_2024.05.JPG", "Trip_12-00-00_2024.05.jpg", "Trip_12-00-00_2024.05.jpg",
          ""},
         {MissingValue::None, MissingValue::None, MissingValue::None, MissingValue::DateTaken}},
        {"{original}",
         {"2041.JPG", "00017.jpg", "1234.jpg", ""},
         {MissingValue::None, MissingValue::None, MissingValue::None,
          MissingValue::OriginalNumber}},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.pattern);
        const km::PatternNames names = patternNames(QString::fromUtf8(each.pattern), photos);
        EXPECT_EQ(names.proposal.names, each.expected);
        EXPECT_EQ(names.missing, each.missing);
        EXPECT_EQ(names.proposal.leftOutCount,
                  std::count_if(each.missing.begin(), each.missing.end(),
                                [](MissingValue value) { return value != MissingValue::None; }));
    }
}

TEST(PatternNames, NumberingModesBurstsAndSeparatorsBesideTheNumber) {
    const std::vector<Photo> photos = {{"a.jpg", kMorning, kCanon},
                                       {"b.jpg", kNoon, kCanon},
                                       {"c.jpg", kNoon, kCanon},
                                       {"d.jpg", kNoon, kSony}};
    EXPECT_EQ(
        patternNames(u"{date}_{camera}_{number}", photos, DateNumbering::Restart).proposal.names,
        QStringList({"2024-05-02_Canon EOS R5_001.jpg", "2024-05-02_Canon EOS R5_002.jpg",
                     "2024-05-02_Canon EOS R5_003.jpg", "2024-05-02_SONY ILCE-7M3_001.jpg"}));
    EXPECT_EQ(
        patternNames(u"{time}_{number}", photos, DateNumbering::Shared).proposal.names,
        QStringList({"09-15-00.jpg", "12-00-00_001.jpg", "12-00-00_002.jpg", "12-00-00_003.jpg"}));
    // The number first: the separator after it goes with it.
    EXPECT_EQ(
        patternNames(u"{number}-{time}", photos, DateNumbering::Shared).proposal.names,
        QStringList({"09-15-00.jpg", "001-12-00-00.jpg", "002-12-00-00.jpg", "003-12-00-00.jpg"}));
    // A start of 0 is a number like any other.
    EXPECT_EQ(patternNames(u"x{number}", photos, DateNumbering::Run, {"", "0", "1"}).proposal.names,
              QStringList({"x0.jpg", "x1.jpg", "x2.jpg", "x3.jpg"}));
    // More photos than the digits can count refuse the rename, as the designed names do.
    EXPECT_FALSE(patternNames(u"{number}", photos, DateNumbering::Run, {"", "1", "0.5"})
                     .proposal.renameEnabled);
    // Without a number the digits do not matter.
    EXPECT_TRUE(
        patternNames(u"{name}", photos, DateNumbering::Run, {"", "x", "y"}).proposal.renameEnabled);
}

// The menu's date choices are these presets: their names must stay byte for byte the same.
TEST(PatternNames, DatePresetsGiveTheDatedNames) {
    const std::vector<Photo> photos = {
        {"b.JPG", kMorning}, {"a.jpg", kNoon}, {"undated.jpg", {}},
        {"c.jpeg", kNoon},   {"d.jpg", kNoon}, {"e.jpg", km::CalendarTime{2024, 5, 3}}};
    for (const auto& [preset, date] : {std::pair{km::kDatePreset, km::DateInNames::Date},
                                       std::pair{km::kDateTimePreset, km::DateInNames::DateTime}}) {
        for (const DateNumbering numbering :
             {DateNumbering::Run, DateNumbering::Restart, DateNumbering::Shared}) {
            for (const km::NamingFields& fields :
                 {km::NamingFields{"Trip_", "1", "3"}, km::NamingFields{"", "0", "0"},
                  km::NamingFields{"a", "98", "2"}, km::NamingFields{"a", "1e300", "2"}}) {
                SCOPED_TRACE(preset.toString().toStdString() + " " + fields.start.toStdString());
                QStringList names;
                km::RowTimes times;
                for (const Photo& photo : photos) {
                    names << photo.name;
                    times.push_back(photo.taken);
                }
                const km::NewNames dated = km::computeDatedNames(
                    fields, true, names, {}, {km::DatePattern(date), numbering}, times);
                const km::NewNames fromPattern =
                    patternNames(preset, photos, numbering, fields).proposal;
                EXPECT_EQ(fromPattern.names, dated.names);
                EXPECT_EQ(fromPattern.renameEnabled, dated.renameEnabled);
                EXPECT_EQ(fromPattern.leftOutCount, dated.leftOutCount);
            }
        }
    }
}

TEST(NamePattern, RefusesWhatItCannotReadAndSaysWhere) {
    struct Case {
        const char* pattern;
        PatternFault fault;
        qsizetype position;
    };
    const Case cases[] = {
        {"{date}_{lense}", PatternFault::UnknownField, 8},
        {"{camera:YYYY}", PatternFault::UnknownField, 1},
        {"{date_{number}", PatternFault::UnclosedBrace, 0},
        {"x{number", PatternFault::UnclosedBrace, 1},
        {"a}b", PatternFault::UnopenedBrace, 1},
        {"{date:YYYY-Mo}", PatternFault::UnknownDateFormat, 11},
        {"{date:}", PatternFault::UnknownDateFormat, 6},
        {"trip/{number}", PatternFault::UnsafeCharacter, 4},
        {"{time}:{number}", PatternFault::UnsafeCharacter, 6},
        {"a\tb", PatternFault::UnsafeCharacter, 1},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(each.pattern);
        const auto reading = km::NamePattern::read(QString::fromUtf8(each.pattern));
        ASSERT_FALSE(reading.pattern);
        ASSERT_TRUE(reading.error);
        EXPECT_EQ(reading.error->fault, each.fault);
        EXPECT_EQ(reading.error->position, each.position);
    }
    EXPECT_EQ(km::NamePattern::read(QString(256, u'a')).error->fault, PatternFault::TooLong);
    EXPECT_TRUE(km::NamePattern::read(u"{prefix}| *?{number}").pattern);
}

TEST(PatternValues, MadeSafeForEveryDisk) {
    EXPECT_EQ(km::safeNameValue("  EF 70/200 :  f\x01 IS* "), "EF 70-200 - f- IS-");
    EXPECT_EQ(km::safeNameValue("..hidden."), "hidden");
    EXPECT_EQ(km::safeNameValue(" . "), "");
    EXPECT_EQ(km::cameraName("Canon", "Canon EOS R5"), "Canon EOS R5");
    EXPECT_EQ(km::cameraName("NIKON CORPORATION", "NIKON Z 6_2"), "NIKON Z 6_2");
    EXPECT_EQ(km::cameraName("SONY", "ILCE-7M3"), "SONY ILCE-7M3");
    EXPECT_EQ(km::cameraName("OLYMPUS", ""), "");
    // A name that is not UTF-8 keeps its bytes in {name}.
    const QString latin1 = km::fs::nameFromBytes("caf\xe9_7.jpg");
    const km::PatternNames names = patternNames(u"{name}-{original}", {{latin1, {}}});
    EXPECT_EQ(km::fs::nativeName(names.proposal.names.value(0)), QByteArray("caf\xe9_7-7.jpg"));
}

} // namespace

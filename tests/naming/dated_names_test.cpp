// SPDX-License-Identifier: MIT
#include "naming/dated_names.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <set>

namespace {

using km::DateInNames;
using km::DateNumbering;

struct DatedRow {
    QString name;
    // "YYYY:MM:DD hh:mm:ss", or empty for a photo without a date taken.
    QString taken;
};

std::optional<km::CalendarTime> timeOf(const QString& text) {
    const QStringList parts = text.split(QRegularExpression("[: ]"));
    if (parts.size() != 6)
        return std::nullopt;
    return km::CalendarTime{parts[0].toInt(), parts[1].toInt(), parts[2].toInt(),
                            parts[3].toInt(), parts[4].toInt(), parts[5].toInt()};
}

struct DatedCase {
    const char* what;
    km::NamingFields fields;
    DateInNames date;
    DateNumbering numbering;
    std::vector<DatedRow> rows;
    QStringList expected;
    bool enabled = true;
    std::set<int> selected = {};
    QString pattern = {};
};

km::NewNames datedNames(const DatedCase& each) {
    QStringList names;
    km::RowTimes times;
    for (const DatedRow& row : each.rows) {
        names << row.name;
        times.push_back(timeOf(row.taken));
    }
    const km::DatePattern pattern = each.pattern.isEmpty()
                                        ? km::DatePattern(each.date)
                                        : km::DatePattern::read(each.pattern).value();
    return km::computeDatedNames(
        each.fields, each.selected.empty(), names,
        [&each](int row0) { return each.selected.count(row0) > 0; }, {pattern, each.numbering},
        times);
}

const km::NamingFields kTrip{"Trip_", "1", "3"};
const std::vector<DatedRow> kTwoDays{{"b.JPG", "2024:05:01 10:00:00"},
                                     {"a.jpg", "2024:05:01 11:00:00"},
                                     {"c.jpeg", "2024:05:02 09:00:00"}};
// A burst of three in one second (already in the order taken), and a photo a second later.
const std::vector<DatedRow> kBurst{{"IMG_9.jpg", "2024:05:01 14:03:22"},
                                   {"DSC_1.jpg", "2024:05:01 14:03:22"},
                                   {"IMG_10.jpg", "2024:05:01 14:03:22"},
                                   {"DSC_2.JPG", "2024:05:01 14:03:23"}};

TEST(DatedNames, NamesFromTheTable) {
    const DatedCase cases[] = {
        {"date, one run",
         kTrip,
         DateInNames::Date,
         DateNumbering::Run,
         kTwoDays,
         {"Trip_2024-05-01_001.JPG", "Trip_2024-05-01_002.jpg", "Trip_2024-05-02_003.jpeg"}},
        {"date, again for each date, start 7 of 2 digits",
         {"Trip_", "7", "2"},
         DateInNames::Date,
         DateNumbering::Restart,
         kTwoDays,
         {"Trip_2024-05-01_07.JPG", "Trip_2024-05-01_08.jpg", "Trip_2024-05-02_07.jpeg"}},
        {"date, only shared dates numbered",
         kTrip,
         DateInNames::Date,
         DateNumbering::Shared,
         kTwoDays,
         {"Trip_2024-05-01_001.JPG", "Trip_2024-05-01_002.jpg", "Trip_2024-05-02.jpeg"}},
        {"burst, date and time, no prefix, shared",
         {"", "1", "3"},
         DateInNames::DateTime,
         DateNumbering::Shared,
         kBurst,
         {"2024-05-01_14-03-22_001.jpg", "2024-05-01_14-03-22_002.jpg",
          "2024-05-01_14-03-22_003.jpg", "2024-05-01_14-03-23.JPG"}},
        {"burst, date and time, again for each second",
         kTrip,
         DateInNames::DateTime,
         DateNumbering::Restart,
         kBurst,
         {"Trip_2024-05-01_14-03-22_001.jpg", "Trip_2024-05-01_14-03-22_002.jpg",
          "Trip_2024-05-01_14-03-22_003.jpg", "Trip_2024-05-01_14-03-23_001.JPG"}},
        {"undated photos keep their names and take no number",
         kTrip,
         DateInNames::Date,
         DateNumbering::Run,
         {{"a.jpg", "2024:05:01 10:00:00"}, {"b.bmp", ""}, {"c.jpg", "2024:05:02 10:00:00"}},
         {"Trip_2024-05-01_001.jpg", "", "Trip_2024-05-02_002.jpg"}},
        {"selected rows only, a date's number counted among them",
         kTrip,
         DateInNames::Date,
         DateNumbering::Restart,
         kTwoDays,
         {"", "Trip_2024-05-01_001.jpg", "Trip_2024-05-02_001.jpeg"},
         true,
         {1, 2}},
        {"a pattern of its own, dates apart sharing its text",
         kTrip,
         DateInNames::Date,
         DateNumbering::Restart,
         {{"a.jpg", "2023:05:01 10:00:00"},
          {"b.jpg", "2024:04:01 10:00:00"},
          {"c.jpg", "2024:05:01 10:00:00"}},
         {"Trip_05.01 10_001.jpg", "Trip_04.01 10_001.jpg", "Trip_05.01 10_002.jpg"},
         true,
         {},
         "MM.DD hh"},
        {"no digits: fine where no photo shares its date",
         {"Trip_", "1", "0"},
         DateInNames::Date,
         DateNumbering::Shared,
         {{"a.jpg", "2024:05:01 10:00:00"}, {"b.jpg", "2024:05:02 10:00:00"}},
         {"Trip_2024-05-01.jpg", "Trip_2024-05-02.jpg"}},
        {"no digits: refused where numbers are needed",
         {"Trip_", "1", "0"},
         DateInNames::Date,
         DateNumbering::Run,
         {{"a.jpg", "2024:05:01 10:00:00"}, {"b.jpg", "2024:05:02 10:00:00"}},
         {"Trip_2024-05-01.jpg", "Trip_2024-05-02.jpg"},
         false},
    };
    for (const DatedCase& each : cases) {
        const km::NewNames names = datedNames(each);
        EXPECT_EQ(names.names, each.expected) << each.what;
        EXPECT_EQ(names.renameEnabled, each.enabled) << each.what;
    }
}

TEST(DatedNames, UndatedPhotosAreCountedAndNoneDatedRenamesNothing) {
    DatedCase undated{"",
                      kTrip,
                      DateInNames::Date,
                      DateNumbering::Run,
                      {{"a.jpg", ""}, {"b.jpg", "2024:05:01 10:00:00"}, {"c.gif", ""}},
                      {}};
    EXPECT_EQ(datedNames(undated).leftOutCount, 2);
    EXPECT_EQ(datedNames(undated).numberedCount, 1);
    undated.selected = {0};
    EXPECT_EQ(datedNames(undated).leftOutCount, 1);
    EXPECT_FALSE(datedNames(undated).renameEnabled);
}

TEST(DatePattern, OnlyFieldsAndSafeSeparatorsAreAccepted) {
    for (const char* good :
         {"YYYY-MM-DD", "YYYY-MM-DD_hh-mm-ss", "DD.MM.YYYY", "YYYYMMDD hhmm", "hh"})
        EXPECT_TRUE(km::isDatePattern(QString(good))) << good;
    for (const char* bad : {"", "-_. ", "YYYY:MM:DD", "YYYY/MM/DD", "yyyy-MM-dd", "YYYY-MM-DD hhh",
                            "MM.DD hhh", "YYYY\\MM", "YYYY-MM-DD%"})
        EXPECT_FALSE(km::isDatePattern(QString(bad))) << bad;
    EXPECT_TRUE(km::isDatePattern(QString("YYYY-").repeated(12)));
    EXPECT_FALSE(km::isDatePattern(QString("YYYY-").repeated(13)));
}

TEST(DatedExampleLine, ShowsTheOneNameOfTheDateText) {
    EXPECT_EQ(km::exampleLine(kTrip, u"2024-05-01", true), "(Example: Trip_2024-05-01_001)");
    EXPECT_EQ(km::exampleLine(kTrip, u"2024-05-01", false), "(Example: Trip_2024-05-01)");
    EXPECT_EQ(km::exampleLine({"", "1", "0"}, u"2024-05-01", true), "(Example: 2024-05-01)");
}

} // namespace

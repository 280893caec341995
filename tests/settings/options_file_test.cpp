// SPDX-License-Identifier: MIT
#include "settings/options_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

using km::DateInNames;
using km::DateNumbering;
using km::Options;
using km::PhotoOrder;

TEST(OptionsFile, WrittenChoicesReadBackAndAFolderIsMadeForThem) {
    TempFolder config;
    const QString path = config.filePath("new/options.ini");
    const Options chosen{.order = PhotoOrder::Taken,
                         .companions = true,
                         .moreTypes = true,
                         .raw = true,
                         .videos = true,
                         .nameDates = true,
                         .fileTimes = true,
                         .date = DateInNames::DateTime,
                         .numbers = DateNumbering::Shared,
                         .dateFormat = "DD.MM.YYYY hh",
                         .clocks = {{"Canon Canon EOS R6 0123", -192}, {"Videos", 3600}},
                         .keepWindow = true,
                         .window = {.geometry = {-1200, 40, 1700, 900},
                                    .maximised = true,
                                    .listWidth = 9000,
                                    .columnWidths = {200, 480}},
                         .followFolder = true,
                         .checkNames = true,
                         .counts = true};
    ASSERT_TRUE(km::writeOptionsFile(path, chosen));
    EXPECT_EQ(km::readOptionsFile(path), chosen);
    // The window's place is not kept once the choice is off.
    Options notKept = chosen;
    notKept.keepWindow = false;
    ASSERT_TRUE(km::writeOptionsFile(path, notKept));
    notKept.window = {};
    EXPECT_EQ(km::readOptionsFile(path), notKept);
    const Options restart{.date = DateInNames::Date, .numbers = DateNumbering::Restart};
    ASSERT_TRUE(km::writeOptionsFile(path, restart));
    EXPECT_EQ(km::readOptionsFile(path), restart);
    ASSERT_TRUE(km::writeOptionsFile(path, Options{}));
    EXPECT_EQ(km::readOptionsFile(path), Options{});
    // A pattern is kept as written, also one that cannot be read (it reads as off), and the
    // presets in their order, in a section of their own that the choices' keys do not reach.
    const Options patterned{.pattern = "{date}_{lense}",
                            .extensionCase = km::fs::ExtensionCase::Lower,
                            .presets = {{"order", "{camera} {number}"}, {"Ä b", "x=y{number}"}}};
    ASSERT_TRUE(km::writeOptionsFile(path, patterned));
    const Options read = km::readOptionsFile(path);
    EXPECT_EQ(read, patterned);
    EXPECT_TRUE(read.patternUnreadable());
    EXPECT_EQ(read.order, PhotoOrder::Name);
    EXPECT_EQ(read.dateInForce(), DateInNames::None);
}

TEST(OptionsFile, WhatCannotBeReadTakesItsDefault) {
    TempFolder config;
    const struct {
        QByteArray content;
        Options expected;
    } cases[] = {
        {"", {}},
        {QByteArray("\x00\xff\xfe=\n=taken\n", 12), {}},
        {"order=sideways\ncompanions=maybe\n", {}},
        {"[General]\r\nOrder = Taken\r\ncompanions=yes\r\n", {.order = PhotoOrder::Taken}},
        {"companions=true", {.companions = true}},
        {"date=DateTime\nnumbers=restart\ndateformat=YYYYMMDD-hhmm\n",
         {.date = DateInNames::DateTime,
          .numbers = DateNumbering::Restart,
          .dateFormat = "YYYYMMDD-hhmm"}},
        {"date=time\nnumbers=none\ndateformat=YYYY:MM:DD\n", {}},
        {"date=date\ndateformat=YYYY/MM\n", {.date = DateInNames::Date}},
        {"moretypes=true\nmoretypes=heic\n", {.moreTypes = true}},
        {"[Window]\ngeometry=1,2,0,4\nlistwidth=-5\ncolumns=10,x\ngeometry=1,2,3\n", {}},
        {"[Window]\ngeometry=1,2,300,400\ncolumns=10,20,30\nlistwidth=99999999999\n",
         {.window = {.geometry = {1, 2, 300, 400}}}},
    };
    for (const auto& each : cases) {
        config.write("options.ini", each.content);
        EXPECT_EQ(km::readOptionsFile(config.filePath("options.ini")), each.expected)
            << each.content.toStdString();
    }
    EXPECT_EQ(km::readOptionsFile(config.filePath("missing.ini")), Options{});
    config.makePipe("pipe.ini");
    EXPECT_EQ(km::readOptionsFile(config.filePath("pipe.ini")), Options{});
}

} // namespace

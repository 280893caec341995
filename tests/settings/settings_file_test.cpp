// SPDX-License-Identifier: MIT
#include "settings/settings_file.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

km::Settings readContent(const QByteArray& content) {
    TempFolder folder;
    folder.write("Kestrelmark.cfg", content);
    return km::readSettingsFile(folder.filePath("Kestrelmark.cfg"));
}

km::Settings settings(const QString& folder, const QString& prefix, const QString& start,
                      const QString& digits, std::array<int, 4> states, bool renameAll) {
    return {folder, prefix, start, digits, states[0], states[1], states[2], states[3], renameAll};
}

TEST(SettingsFile, WritesNineCrLfLinesAndReadsThemBack) {
    TempFolder folder;
    const km::Settings written =
        settings("/home/ann/Bilder", "foto_", "1", "3", {1, 0, 0, 0}, true);
    ASSERT_TRUE(km::writeSettingsFile(folder.filePath("Kestrelmark.cfg"), written));
    EXPECT_EQ(folder.snapshot().at("Kestrelmark.cfg"),
              "/home/ann/Bilder\r\nfoto_\r\n1\r\n3\r\n1\r\n0\r\n0\r\n0\r\nY\r\n");
    EXPECT_EQ(km::readSettingsFile(folder.filePath("Kestrelmark.cfg")), written);
}

TEST(SettingsFile, KeepsTextsExactlyAsTyped) {
    TempFolder folder;
    const km::Settings written =
        settings("/tmp/Fotos äöü", " pre fix ", "abc", "", {2, 1, 0, 1}, false);
    ASSERT_TRUE(km::writeSettingsFile(folder.filePath("k.cfg"), written));
    EXPECT_EQ(km::readSettingsFile(folder.filePath("k.cfg")), written);
    // No temporary file is left beside it.
    EXPECT_EQ(folder.snapshot().size(), 1u);
}

TEST(SettingsFile, AValueHoldingALineBreakIsNotStoredSoTheFileKeepsNineLines) {
    TempFolder folder;
    ASSERT_TRUE(km::writeSettingsFile(
        folder.filePath("k.cfg"), settings("/tmp/a\nb", "x\ry", "1", "3", {1, 0, 0, 0}, false)));
    EXPECT_EQ(folder.snapshot().at("k.cfg"), "\r\n\r\n1\r\n3\r\n1\r\n0\r\n0\r\n0\r\nN\r\n");
}

TEST(SettingsFile, LinesNotReadKeepTheirDefaults) {
    const km::Settings defaults;
    EXPECT_TRUE(defaults.renameAll);
    EXPECT_EQ(readContent(""), defaults);
    TempFolder folder;
    EXPECT_EQ(km::readSettingsFile(folder.filePath("missing.cfg")), defaults);

    const km::Settings four = readContent("/photos\r\nimg_\r\n5\r\n2\r\n");
    EXPECT_EQ(four, settings("/photos", "img_", "5", "2", {0, 0, 0, 0}, true));
}

TEST(SettingsFile, LineEndsAtCrCrLfOrLfAndTheLastMayBeUnterminated) {
    EXPECT_EQ(readContent("a\rb\r\nc\nd"), settings("a", "b", "c", "d", {0, 0, 0, 0}, true));
    EXPECT_EQ(readContent("a\r\n\r\nc"), settings("a", "", "c", "", {0, 0, 0, 0}, true));
    EXPECT_EQ(readContent("a\nb\nc\nd\n1\n2\n1.5\n0.5\nN"),
              settings("a", "b", "c", "d", {1, 2, 2, 0}, false));
}

TEST(SettingsFile, JunkAndHugeFilesNeverStopTheReading) {
    QByteArray junk;
    for (int i = 0; i < 5000; ++i)
        junk.append(static_cast<char>((i * 37) % 256));
    readContent(junk);

    // A first line longer than the reading limit is not read, nor anything after it.
    const km::Settings huge = readContent(QByteArray(200 * 1024, 'x') + "\r\nfoto_\r\n");
    EXPECT_EQ(huge, km::Settings());

    // A pipe would block the start for good.
    TempFolder folder;
    folder.makePipe("Kestrelmark.cfg");
    EXPECT_EQ(km::readSettingsFile(folder.filePath("Kestrelmark.cfg")), km::Settings());
}

TEST(SettingsFile, AFolderThatCannotBeWrittenIsReportedNotFatal) {
    TempFolder folder;
    EXPECT_FALSE(km::writeSettingsFile(folder.filePath("missing/Kestrelmark.cfg"), km::Settings()));
}

TEST(SettingsFile, ReplacesTheOldFileWhateverLiesBesideIt) {
    TempFolder folder;
    folder.write("Kestrelmark.cfg", "old\r\n");
    folder.makeFolder("Kestrelmark.cfg.tmp"); // nothing may depend on a fixed temporary name
    ASSERT_TRUE(km::writeSettingsFile(folder.filePath("Kestrelmark.cfg"), km::Settings()));
    EXPECT_EQ(folder.snapshot().at("Kestrelmark.cfg"), "\r\n\r\n\r\n\r\n0\r\n0\r\n0\r\n0\r\nY\r\n");
}

TEST(CheckBoxState, RoundsHalfEvenAndTreatsOtherValuesAsUnchecked) {
    EXPECT_EQ(km::checkBoxState("1"), 1);
    EXPECT_EQ(km::checkBoxState(" 1"), 1);
    EXPECT_EQ(km::checkBoxState("1.5"), 2);
    EXPECT_EQ(km::checkBoxState("0.5"), 0);
    EXPECT_EQ(km::checkBoxState("2.5"), 2);
    EXPECT_EQ(km::checkBoxState("3"), 0);
    EXPECT_EQ(km::checkBoxState("-1"), 0);
    EXPECT_EQ(km::checkBoxState("70000"), 0);
    EXPECT_EQ(km::checkBoxState("1e999"), 0);
    EXPECT_EQ(km::checkBoxState("yes"), 0);
    EXPECT_EQ(km::checkBoxState(""), 0);
}

} // namespace

#include "app/settings_file.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

km::SettingsLines readContent(const QByteArray& content) {
    TempFolder folder;
    folder.write("Kestrelmark.cfg", content);
    return km::readSettingsFile(folder.filePath("Kestrelmark.cfg"));
}

km::SettingsLines lines(std::array<QString, 9> values) {
    km::SettingsLines settings;
    settings.lines = values;
    return settings;
}

TEST(SettingsFile, WritesNineCrLfLinesAndReadsThemBack) {
    TempFolder folder;
    const km::SettingsLines settings =
        lines({"/home/ann/Bilder", "foto_", "1", "3", "1", "0", "0", "0", "Y"});
    ASSERT_TRUE(km::writeSettingsFile(folder.filePath("Kestrelmark.cfg"), settings));
    EXPECT_EQ(folder.snapshot().at("Kestrelmark.cfg"),
              "/home/ann/Bilder\r\nfoto_\r\n1\r\n3\r\n1\r\n0\r\n0\r\n0\r\nY\r\n");
    EXPECT_EQ(km::readSettingsFile(folder.filePath("Kestrelmark.cfg")), settings);
}

TEST(SettingsFile, KeepsTextsExactlyAsTyped) {
    TempFolder folder;
    const km::SettingsLines settings =
        lines({"/tmp/Fotos äöü", " pre fix ", "abc", "", "2", "1", "0", "1", "N"});
    ASSERT_TRUE(km::writeSettingsFile(folder.filePath("k.cfg"), settings));
    EXPECT_EQ(km::readSettingsFile(folder.filePath("k.cfg")), settings);
    // No temporary file is left beside it.
    EXPECT_EQ(folder.snapshot().size(), 1u);
}

TEST(SettingsFile, AValueHoldingALineBreakIsNotStoredSoTheFileKeepsNineLines) {
    TempFolder folder;
    ASSERT_TRUE(km::writeSettingsFile(
        folder.filePath("k.cfg"), lines({"/tmp/a\nb", "x\ry", "1", "3", "1", "0", "0", "0", "N"})));
    EXPECT_EQ(folder.snapshot().at("k.cfg"), "\r\n\r\n1\r\n3\r\n1\r\n0\r\n0\r\n0\r\nN\r\n");
}

TEST(SettingsFile, LinesNotReadKeepTheirDefaults) {
    const km::SettingsLines defaults;
    EXPECT_EQ(defaults.lines[8], "Y");
    EXPECT_EQ(readContent(""), defaults);
    TempFolder folder;
    EXPECT_EQ(km::readSettingsFile(folder.filePath("missing.cfg")), defaults);

    const km::SettingsLines four = readContent("/photos\r\nimg_\r\n5\r\n2\r\n");
    EXPECT_EQ(four, lines({"/photos", "img_", "5", "2", "", "", "", "", "Y"}));
}

TEST(SettingsFile, LineEndsAtCrCrLfOrLfAndTheLastMayBeUnterminated) {
    EXPECT_EQ(readContent("a\rb\r\nc\nd"), lines({"a", "b", "c", "d", "", "", "", "", "Y"}));
    EXPECT_EQ(readContent("a\r\n\r\nc"), lines({"a", "", "c", "", "", "", "", "", "Y"}));
}

TEST(SettingsFile, JunkAndHugeFilesNeverStopTheReading) {
    QByteArray junk;
    for (int i = 0; i < 5000; ++i)
        junk.append(static_cast<char>((i * 37) % 256));
    const km::SettingsLines fromJunk = readContent(junk);
    EXPECT_EQ(fromJunk.lines.size(), 9u);

    // A first line longer than the reading limit is not read, nor anything after it.
    const km::SettingsLines huge = readContent(QByteArray(200 * 1024, 'x') + "\r\nfoto_\r\n");
    EXPECT_EQ(huge, km::SettingsLines());
}

TEST(SettingsFile, AFolderThatCannotBeWrittenIsReportedNotFatal) {
    TempFolder folder;
    EXPECT_FALSE(
        km::writeSettingsFile(folder.filePath("missing/Kestrelmark.cfg"), km::SettingsLines()));
}

TEST(SettingsFile, ReplacesTheOldFileWhateverLiesBesideIt) {
    TempFolder folder;
    folder.write("Kestrelmark.cfg", "old\r\n");
    folder.makeFolder("Kestrelmark.cfg.tmp"); // nothing may depend on a fixed temporary name
    ASSERT_TRUE(km::writeSettingsFile(folder.filePath("Kestrelmark.cfg"), km::SettingsLines()));
    EXPECT_EQ(folder.snapshot().at("Kestrelmark.cfg"), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nY\r\n");
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

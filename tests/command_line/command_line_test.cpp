// SPDX-License-Identifier: MIT
#include "command_line/command_line.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using Action = km::StartRequest::Action;

km::StartRequest read(const QStringList& arguments) {
    return km::readCommandLine(QStringList{"/usr/bin/kestrelmark"} + arguments, "1.2.3");
}

TEST(CommandLineTest, AFolderIsOpenedAsAnAbsoluteCleanPathAndNoneLeavesTheSettingsFolder) {
    TempFolder photos;
    photos.makeFolder("trip");
    EXPECT_EQ(read({}).folder, "");
    EXPECT_EQ(read({photos.path() + "/./trip/"}).folder, photos.filePath("trip"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(photos.path()));
    const km::StartRequest relative = read({"trip"});
    QDir::setCurrent(before);
    EXPECT_EQ(relative.folder, QDir(photos.path()).canonicalPath() + "/trip");
}

TEST(CommandLineTest, AMissingFolderOrAFileIsReportedAndTheProgramStartsWithoutIt) {
    TempFolder photos;
    photos.write("a.jpg", "");
    for (const QString& given : {photos.filePath("gone"), photos.filePath("a.jpg")}) {
        const km::StartRequest request = read({given});
        EXPECT_EQ(request.action, Action::Start);
        EXPECT_EQ(request.folder, "");
        EXPECT_TRUE(request.folderProblem.startsWith("\"" + given + "\" cannot be opened"));
    }
}

TEST(CommandLineTest, HelpAndVersionAnswerAndBadArgumentsAreRefusedWithoutStarting) {
    EXPECT_EQ(read({"--version"}).output, "Kestrelmark 1.2.3\n");
    const km::StartRequest help = read({"-h", "/no/such/folder"});
    EXPECT_EQ(help.action, Action::Answer);
    EXPECT_TRUE(help.output.contains("[FOLDER]")) << help.output.toStdString();
    EXPECT_EQ(read({"--recursive", "/tmp"}).action, Action::Refuse);
    EXPECT_EQ(read({"/tmp", "/tmp"}).action, Action::Refuse);
}

} // namespace

// SPDX-License-Identifier: MIT
#include "files/file_system.h"
#include "files/plain_file.h"
#include "support/temp_folder.h"

#include <QFile>
#include <cerrno>
#include <gtest/gtest.h>

namespace {

using km::fs::ReadProblem;

// Pipes and devices would block the reader or never end; none of them is ever opened.
TEST(PlainFile, OnlyAPlainFileIsReadAndNeverMoreThanItsKindHolds) {
    TempFolder folder;
    folder.write("photo.jpg", "JPEG");
    folder.makePipe("pipe.jpg");
    folder.makeLink("zero.jpg", "/dev/zero");
    folder.makeFolder("folder.jpg");
    folder.write("huge.journal", {});
    // Claims far more than it holds, as a sparse or crafted file does.
    ASSERT_TRUE(QFile::resize(folder.filePath("huge.journal"), qint64(1) << 40));

    EXPECT_EQ(km::fs::readPlainFile(folder.filePath("photo.jpg"), 4).bytes, "JPEG");
    const std::pair<const char*, ReadProblem> cases[] = {
        {"pipe.jpg", ReadProblem::NotPlainFile},   {"zero.jpg", ReadProblem::NotPlainFile},
        {"folder.jpg", ReadProblem::NotPlainFile}, {"huge.journal", ReadProblem::TooLarge},
        {"photo.jpg", ReadProblem::TooLarge},      {"gone.jpg", ReadProblem::Missing}};
    for (const auto& [name, problem] : cases) {
        SCOPED_TRACE(name);
        const km::fs::PlainFileBytes read = km::fs::readPlainFile(folder.filePath(name), 3);
        EXPECT_EQ(read.problem, problem);
        EXPECT_TRUE(read.bytes.isEmpty());
    }
    EXPECT_EQ(km::fs::readProblemReason(ReadProblem::NotPlainFile, 0),
              "it is no plain file but a pipe, a device or a folder");
}

TEST(MakeFolders, TellsTheTrueCause) {
    TempFolder folder;
    folder.write("file", "x");
    EXPECT_TRUE(km::fs::makeFolders(folder.filePath("a/b/c")).ok());
    EXPECT_TRUE(km::fs::makeFolders(folder.filePath("a/b/c")).ok());
    EXPECT_EQ(km::fs::makeFolders(folder.filePath("file/state")).code, ENOTDIR);
    EXPECT_EQ(km::fs::makeFolders(folder.filePath("file")).code, ENOTDIR);
}

} // namespace

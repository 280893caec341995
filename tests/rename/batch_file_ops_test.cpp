#include "rename/file_ops.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using km::EntryKind;

TEST(DiskFileOps, TellsFilesFoldersLinksAndMissingNamesApart) {
    TempFolder folder;
    folder.write("photo.jpg", "12345");
    folder.makeFolder("sub");
    ASSERT_TRUE(QFile::link(folder.filePath("photo.jpg"), folder.filePath("link.jpg")));
    ASSERT_TRUE(QFile::link(folder.filePath("nowhere.jpg"), folder.filePath("dangling.jpg")));
    ASSERT_TRUE(QFile::link(folder.filePath("sub"), folder.filePath("folder-link")));
    km::DiskFileOps ops;

    const km::EntryInfo photo = ops.inspect(folder.filePath("photo.jpg"));
    EXPECT_EQ(photo.kind, EntryKind::File);
    EXPECT_EQ(photo.identity.size, 5);
    EXPECT_EQ(ops.inspect(folder.filePath("link.jpg")).kind, EntryKind::File);
    EXPECT_EQ(ops.inspect(folder.filePath("sub")).kind, EntryKind::Folder);
    EXPECT_EQ(ops.inspect(folder.filePath("dangling.jpg")).kind, EntryKind::Other);
    EXPECT_EQ(ops.inspect(folder.filePath("folder-link")).kind, EntryKind::Other);
    EXPECT_EQ(ops.inspect(folder.filePath("nowhere.jpg")).kind, EntryKind::Missing);
    EXPECT_EQ(ops.inspect(folder.filePath("photo.jpg/x")).kind, EntryKind::Missing);
    EXPECT_EQ(ops.inspect(folder.pathWithSeparator() + QString::fromUtf8("a\0b", 3)).kind,
              EntryKind::Missing);
}

TEST(DiskFileOps, AFileKeepsItsIdentityAcrossARename) {
    TempFolder folder;
    folder.write("a.jpg", "a");
    folder.write("b.jpg", "b");
    km::DiskFileOps ops;
    const km::FileIdentity before = ops.inspect(folder.filePath("a.jpg")).identity;
    ASSERT_TRUE(ops.renameNoReplace(folder.filePath("a.jpg"), folder.filePath("c.jpg")).ok());
    EXPECT_EQ(ops.inspect(folder.filePath("c.jpg")).identity, before);
    EXPECT_NE(ops.inspect(folder.filePath("b.jpg")).identity, before);
    EXPECT_EQ(ops.renameNoReplace(folder.filePath("c.jpg"), folder.filePath("b.jpg")).code, EEXIST);
}

TEST(DiskFileOps, ProbesLetterCaseWithoutLeavingAnythingBehind) {
    TempFolder folder;
    folder.write("a.jpg", "a");
    km::DiskFileOps ops;
    // The temporary folders of the test machine are on a file system that tells case apart.
    EXPECT_FALSE(ops.ignoresCase(folder.pathWithSeparator()));
    EXPECT_EQ(folder.snapshot(), (std::map<QString, QByteArray>{{"a.jpg", "a"}}));
    EXPECT_FALSE(ops.ignoresCase(folder.filePath("missing/")));
}

TEST(DiskFileOps, SyncsAFolderAndReportsAMissingOne) {
    TempFolder folder;
    km::DiskFileOps ops;
    EXPECT_TRUE(ops.syncFolder(folder.pathWithSeparator()).ok());
    EXPECT_EQ(ops.syncFolder(folder.filePath("missing/")).code, ENOENT);
}

} // namespace

#include "rename/file_ops.h"
#include "support/temp_folder.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace {

using km::EntryKind;

std::map<QString, km::EntryInfo> entriesOf(km::FileOps& ops, const QString& folder) {
    const km::FolderEntries listing = ops.listFolder(folder);
    EXPECT_TRUE(listing.error.ok()) << listing.error.message.toStdString();
    std::map<QString, km::EntryInfo> entries;
    for (const km::FolderEntry& entry : listing.entries)
        entries[entry.name] = entry.info;
    return entries;
}

TEST(DiskFileOps, ListsEveryEntryWithWhatItIs) {
    TempFolder folder;
    folder.write("photo.jpg", "12345");
    folder.write(".hidden", "");
    folder.makeFolder("sub");
    ASSERT_TRUE(QFile::link(folder.filePath("photo.jpg"), folder.filePath("link.jpg")));
    ASSERT_TRUE(QFile::link(folder.filePath("nowhere.jpg"), folder.filePath("dangling.jpg")));
    ASSERT_TRUE(QFile::link(folder.filePath("sub"), folder.filePath("folder-link")));
    // Names that do not decode to their own bytes can never be asked for, so they are left out:
    // one that is not UTF-8, and one whose leading byte order mark decoding drops ("bom.jpg").
    const QByteArray folderBytes = QFile::encodeName(folder.pathWithSeparator());
    const QByteArray notUtf8 = folderBytes + "\xff.jpg";
    const QByteArray withMark = folderBytes + "\xef\xbb\xbf" + "bom.jpg";
    for (const QByteArray& raw : {notUtf8, withMark})
        ASSERT_EQ(::close(::open(raw.constData(), O_CREAT | O_WRONLY, 0600)), 0);
    km::DiskFileOps ops;

    const auto entries = entriesOf(ops, folder.pathWithSeparator());
    std::map<QString, EntryKind> kinds;
    for (const auto& [name, info] : entries)
        kinds[name] = info.kind;
    EXPECT_EQ(kinds, (std::map<QString, EntryKind>{{".hidden", EntryKind::File},
                                                   {"dangling.jpg", EntryKind::Other},
                                                   {"folder-link", EntryKind::Other},
                                                   {"link.jpg", EntryKind::File},
                                                   {"photo.jpg", EntryKind::File},
                                                   {"sub", EntryKind::Folder}}));
    EXPECT_EQ(ops.listFolder(folder.filePath("missing/")).error.code, ENOENT);
    EXPECT_EQ(ops.listFolder(folder.filePath("photo.jpg/")).error.code, ENOTDIR);
    // QTemporaryDir cannot remove a name it cannot decode.
    for (const QByteArray& raw : {notUtf8, withMark})
        EXPECT_EQ(::unlink(raw.constData()), 0);
}

TEST(DiskFileOps, AFileKeepsItsIdentityAcrossARename) {
    TempFolder folder;
    folder.write("a.jpg", "a");
    folder.write("b.jpg", "b");
    km::DiskFileOps ops;
    const QString path = folder.pathWithSeparator();
    const km::FileIdentity before = entriesOf(ops, path).at("a.jpg").identity;
    ASSERT_TRUE(ops.renameNoReplace(folder.filePath("a.jpg"), folder.filePath("c.jpg")).ok());
    EXPECT_EQ(entriesOf(ops, path).at("c.jpg").identity, before);
    EXPECT_NE(entriesOf(ops, path).at("b.jpg").identity, before);
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

} // namespace

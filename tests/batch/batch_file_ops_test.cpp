// SPDX-License-Identifier: MIT
#include "batch/batch.h"
#include "batch/file_ops.h"
#include "files/file_names.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QStringList>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <map>
#include <sys/inotify.h>
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
    // Names kept byte for byte: one that is not UTF-8, and one with a leading byte order mark.
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
    EXPECT_EQ(kinds,
              (std::map<QString, EntryKind>{{".hidden", EntryKind::File},
                                            {"dangling.jpg", EntryKind::Other},
                                            {"folder-link", EntryKind::Other},
                                            {"link.jpg", EntryKind::File},
                                            {"photo.jpg", EntryKind::File},
                                            {"sub", EntryKind::Folder},
                                            {km::fs::nameFromBytes("\xff.jpg"), EntryKind::File},
                                            {km::fs::nameFromBytes("\xef\xbb\xbf"
                                                                   "bom.jpg"),
                                             EntryKind::File}}));
    EXPECT_EQ(ops.listFolder(folder.filePath("missing/")).error.code, ENOENT);
    EXPECT_EQ(ops.listFolder(folder.filePath("photo.jpg/")).error.code, ENOTDIR);
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

// The names created in a folder (new entries and renamed-in ones) while it is watched.
class CreationWatch {
public:
    explicit CreationWatch(const QString& folder) : m_fd(::inotify_init1(IN_NONBLOCK)) {
        EXPECT_GE(::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(),
                                      IN_CREATE | IN_MOVED_TO),
                  0);
    }
    ~CreationWatch() { ::close(m_fd); }

    QStringList names() const {
        QStringList names;
        alignas(inotify_event) char buffer[4096];
        for (ssize_t size; (size = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                names << QFile::decodeName(event->name);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
        return names;
    }

private:
    int m_fd;
};

TEST(DiskFileOps, ABatchCreatesNoNamesButItsTemporaryAndNewOnes) {
    TempFolder folder;
    folder.writeNamed({"a.jpg", "B.jpg", "c.JPG"});
    km::DiskFileOps ops;
    const CreationWatch watch(folder.path());
    ASSERT_TRUE(
        km::renameBatch({folder.path(), {{"a.jpg", "x1.jpg"}, {"B.jpg", "x2.jpg"}}}, ops).done);
    EXPECT_EQ(watch.names(), (QStringList{"_KM_x1.jpg", "_KM_x2.jpg", "x1.jpg", "x2.jpg"}));
}

TEST(DiskFileOps, TellsCaseApartFromTheNamesAlreadyThere) {
    // The temporary folders of the test machine are on a file system that tells case apart.
    for (const QStringList& names :
         {QStringList{"a.jpg"}, QStringList{"a.jpg", "A.JPG"}, QStringList{"123"}, QStringList{}}) {
        SCOPED_TRACE(names.join(' ').toStdString());
        TempFolder folder;
        for (const QString& name : names)
            folder.write(name, {});
        km::DiskFileOps ops;
        const QString path = folder.pathWithSeparator();
        EXPECT_FALSE(ops.ignoresCase(path, ops.listFolder(path).entries));
    }
    km::DiskFileOps ops;
    EXPECT_TRUE(ops.ignoresCase("/no/such/folder/", {}));
}

} // namespace

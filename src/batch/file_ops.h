// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_system.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>
#include <memory>
#include <vector>

namespace km {

// What a name in a folder refers to. Unknown: the entry could not be examined (no permission,
// I/O error); it counts as taken.
enum class EntryKind { Missing, File, Folder, Other, Unknown };

// What identifies a file across renames within its folder: its inode number.
struct FileIdentity {
    quint64 inode = 0;

    bool operator==(const FileIdentity&) const = default;
};

struct EntryInfo {
    EntryKind kind = EntryKind::Missing;
    FileIdentity identity;
};

// One entry of a folder: a link to a regular file counts as a file (the photo list shows it as
// one), any other link as Other.
struct FolderEntry {
    QString name;
    EntryInfo info;
};

struct FolderEntries {
    // Set when the folder could not be read to its end.
    fs::FileError error;
    std::vector<FolderEntry> entries;
};

// Renames among the entries of one folder, by bare names, for the length of one batch.
class FolderRenamer {
public:
    virtual ~FolderRenamer() = default;

    // As FileOps::renameNoReplace, for two names in the folder.
    virtual fs::FileError renameNoReplace(QStringView from, QStringView to) = 0;
};

// The file-system calls of a batch rename, so that tests can replace or sabotage any of them.
class FileOps {
public:
    virtual ~FileOps() = default;

    // Renames within one folder; fails with EEXIST rather than replace an existing entry.
    virtual fs::FileError renameNoReplace(const QString& from, const QString& to) = 0;
    // The renames of a batch in `folder` (ending with "/"). Unless overridden, each goes through
    // renameNoReplace with both full paths.
    virtual std::unique_ptr<FolderRenamer> renamerIn(const QString& folder);
    // Every entry of the folder, hidden ones included, in no particular order.
    virtual FolderEntries listFolder(const QString& folder) = 0;
    // True when the folder's file system treats names that differ only in letter case as one;
    // `entries` is the folder's listing just read. Creates nothing in the folder.
    virtual bool ignoresCase(const QString& folder, const std::vector<FolderEntry>& entries) = 0;
    // Makes the renames done in the folder durable.
    virtual fs::FileError syncFolder(const QString& folder) = 0;
};

// FileOps on the real file system.
class DiskFileOps final : public FileOps {
public:
    fs::FileError renameNoReplace(const QString& from, const QString& to) override;
    // Renames relative to the folder opened once, so the kernel does not walk the folder's path
    // for every name.
    std::unique_ptr<FolderRenamer> renamerIn(const QString& folder) override;
    FolderEntries listFolder(const QString& folder) override;
    bool ignoresCase(const QString& folder, const std::vector<FolderEntry>& entries) override;
    fs::FileError syncFolder(const QString& folder) override;
};

} // namespace km

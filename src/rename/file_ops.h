#pragma once

#include "platform/file_system.h"

#include <QString>
#include <QtGlobal>

namespace km {

// What a name in a folder refers to. Unknown: the entry could not be examined (no permission,
// I/O error); it counts as taken.
enum class EntryKind { Missing, File, Folder, Other, Unknown };

// What identifies a file across renames: its inode number and size.
struct FileIdentity {
    quint64 inode = 0;
    qint64 size = -1;

    bool operator==(const FileIdentity&) const = default;
};

struct EntryInfo {
    EntryKind kind = EntryKind::Missing;
    FileIdentity identity; // meaningful for files only
};

// The file-system calls of a batch rename, so that tests can replace or sabotage any of them.
class FileOps {
public:
    virtual ~FileOps() = default;

    // Renames within one folder; fails with EEXIST rather than replace an existing entry.
    virtual fs::FileError renameNoReplace(const QString& from, const QString& to) = 0;
    // Examines a path without following a final link, except that a link to a regular file counts
    // as a file (the folder listing shows it as one).
    virtual EntryInfo inspect(const QString& path) = 0;
    // True when the folder's file system treats names that differ only in letter case as one.
    virtual bool ignoresCase(const QString& folder) = 0;
    // Makes the renames done in the folder durable.
    virtual fs::FileError syncFolder(const QString& folder) = 0;
};

// FileOps on the real file system.
class DiskFileOps final : public FileOps {
public:
    fs::FileError renameNoReplace(const QString& from, const QString& to) override;
    EntryInfo inspect(const QString& path) override;
    bool ignoresCase(const QString& folder) override;
    fs::FileError syncFolder(const QString& folder) override;
};

// Flushes a folder's entries to disk (fsync on the folder itself).
fs::FileError syncFolderEntries(const QString& folder);

} // namespace km

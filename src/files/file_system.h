// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_descriptor.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cerrno>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <sys/types.h>
#include <vector>

struct dirent;

namespace km::fs {

// The outcome of a file-system call: code 0 on success, else the errno value and a text for the
// user.
struct FileError {
    int code = 0;
    QString message;

    bool ok() const { return code == 0; }
    // The folder or file asked for is not there (a card unplugged, a folder removed or renamed).
    bool isGone() const { return code == ENOENT || code == ENOTDIR; }
};

// The error of an errno value, with its text for the user.
FileError fromErrno(int code);

// The names of one folder listed by wildcard patterns, one list per pattern in the order asked.
struct FolderListing {
    std::vector<QStringList> matches;
    // The names a listing's filter took, in the file system's order.
    QStringList filtered;
    // The inode numbers of every file taken (matches and filtered), in no order, so that a file
    // that took a listed name since can be told from the one listed.
    std::vector<quint64> inodes;
    // Set when the folder could not be opened or read to its end; the lists hold what was read.
    FileError error;
};

// Lists the regular files of a folder (a link counts as what it points to) whose names match each
// pattern, letter case ignored. Names starting with "." are left out; names that are not valid
// UTF-8 are taken as nameFromBytes gives them. Each pattern's matches come in natural name order
// ignoring case (IMG_2 before IMG_10), ties broken by code-point order. The folder is read once,
// whatever the number of patterns.
FolderListing listFolder(const QString& folder, const QStringList& patterns);

// Decides whether a name belongs in a listing besides its patterns; asked for every name that is
// not hidden, so it must be cheap.
using NameFilter = std::function<bool(const QString& name)>;

// As listFolder, and in the same single read also collects the regular files, not hidden, whose
// names the filter takes, in `filtered` (unsorted).
FolderListing listFolder(const QString& folder, const QStringList& patterns,
                         const NameFilter& alsoTake);

// Receives one entry of a folder: its decoded name, the folder's open descriptor and the entry as
// readdir gives it (both valid only during the call).
using FolderEntryVisitor = std::function<void(QString name, int folderFd, const dirent& entry)>;

// Reads a folder once and calls visit for every entry but "." and "..", in the file system's
// order. Each name comes as nameFromBytes gives it, so that nativePath gives its very bytes back.
// An empty folder means "/". Returns the error that kept the
// folder from being opened or read to its end.
FileError readFolderEntries(const QString& folder, const FolderEntryVisitor& visit);

// True when name matches a pattern of "*" (any run) and "?" (one character), letter case ignored.
bool matchesWildcard(const QString& name, const QString& pattern);

// True when name ends with ending, letter case ignored as matchesWildcard ignores it.
bool endsWithIgnoringCase(QStringView name, QStringView ending);

// Sorts names in natural order ignoring case, ties broken by code-point order.
void sortNaturally(QStringList& names);

// Renames a file without ever replacing an existing one: fails with EEXIST when `to` exists.
FileError renameNoReplace(const QString& from, const QString& to);

// renameNoReplace for two native names relative to the folder open as folderFd (or two native
// paths with AT_FDCWD).
FileError renameNoReplaceAt(int folderFd, const char* from, const char* to);

// True when path names an existing regular file (following links) whose name does not start
// with "."; every error counts as absent.
bool isListableFile(const QString& path);

// A regular file as stated, links followed.
struct RegularFile {
    struct stat info;
    // The name itself is a symbolic link.
    bool viaLink = false;
};

// The regular file that name (relative to folderFd, or AT_FDCWD) leads to, following links;
// nothing when it cannot be stated or is no regular file.
std::optional<RegularFile> regularFileAt(int folderFd, const char* name);

// The folder opened for use as a descriptor (O_DIRECTORY, closed on exec); an empty folder means
// "/". Holds none, with errno set, when it cannot be opened.
FileDescriptor openFolder(const QString& folder);

// Makes the folder and every missing folder above it (mode 0700 for the ones it makes); the
// error of the call that failed, ENOTDIR where something else holds a folder's name.
FileError makeFolders(const QString& folder);

// What changes when a folder gains, loses or renames an entry, or is replaced by another: its
// identity and its modification and change times. None when it cannot be read.
struct FolderStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 modified = 0;
    qint64 changed = 0;

    bool operator==(const FolderStamp&) const = default;
};
std::optional<FolderStamp> folderStamp(const QString& folder);

// The folder with "/" at its end, as the program keeps folders; an empty folder is "/".
QString withTrailingSeparator(const QString& folder);

// The folder's own name, the last part of its path ("/photos/Lisbon/" gives "Lisbon"); empty for
// the root.
QString folderNameOf(const QString& folder);

// The folder that holds the running executable.
QString programFolder();

// The bytes the file system sees for a path (nativeName); empty when the path holds a NUL
// character, which would silently cut the path short.
QByteArray nativePath(const QString& path);

// The error of a name that holds a NUL character.
FileError unstorableName();

// The type of the file system an open file or folder is on (statfs's f_type); nothing when it
// cannot be asked.
std::optional<unsigned long> fileSystemType(int fd);

// True for the file systems made for other systems or unknown to this program: FAT, exFAT, SMB
// and CIFS shares, and FUSE drivers. Their inode numbers may be made up at each mount, and they
// may fold letter case.
bool isForeignFileSystem(unsigned long type);

// Flushes a folder's entries to disk (fsync on the folder itself); a file system that cannot
// sync folders (EINVAL, EROFS) is no error.
FileError syncFolderEntries(const QString& folder);

// Writes all of bytes to the descriptor, going on after interruptions and short writes.
FileError writeAll(int fd, QByteArrayView bytes);

// A text for the user from an errno value.
QString errorText(int code);

// False only when no process of that id runs (one of another user's counts as running), so that
// a file a running writer may still own is never taken for abandoned.
bool processMayBeRunning(pid_t pid);

} // namespace km::fs

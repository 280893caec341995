// SPDX-License-Identifier: MIT
#include "batch/file_ops.h"

#include "files/file_names.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace km {

namespace {

EntryKind entryKindOf(const struct stat& info) {
    if (S_ISREG(info.st_mode))
        return EntryKind::File;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    return EntryKind::Other;
}

EntryKind followedKind(int dirFd, const char* name) {
    return fs::regularFileAt(dirFd, name) ? EntryKind::File : EntryKind::Other;
}

EntryInfo entryInfo(int dirFd, const dirent& entry) {
    const FileIdentity identity{static_cast<quint64>(entry.d_ino)};
    switch (entry.d_type) {
    case DT_REG:
        return {EntryKind::File, identity};
    case DT_DIR:
        return {EntryKind::Folder, identity};
    case DT_LNK:
        return {followedKind(dirFd, entry.d_name), identity};
    case DT_UNKNOWN:
        break;
    default:
        return {EntryKind::Other, identity};
    }
    struct stat info {};
    if (fstatat(dirFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return {EntryKind::Unknown, identity};
    if (S_ISLNK(info.st_mode))
        return {followedKind(dirFd, entry.d_name), identity};
    return {entryKindOf(info), identity};
}

// Only ASCII letters: every file system that ignores case folds them, not all fold the others.
QString swapAsciiCase(const QString& name) {
    QString swapped = name;
    for (QChar& c : swapped) {
        const char16_t code = c.unicode();
        if ((code >= u'a' && code <= u'z') || (code >= u'A' && code <= u'Z'))
            c = QChar(static_cast<char16_t>(code ^ 0x20));
    }
    return swapped;
}

// File systems give a folder a size of some tens of bytes per entry (tmpfs 20, ext4 about 36),
// so room for size / 16 entries holds the listing at once rather than copying it each time it
// outgrows its room; room never filled costs address space only.
std::size_t likelyEntryCount(int folderFd) {
    constexpr std::size_t kMostReserved = 1 << 20;
    struct stat info {};
    if (fstat(folderFd, &info) != 0 || info.st_size <= 0)
        return 0;
    return std::min(static_cast<std::size_t>(info.st_size) / 16, kMostReserved);
}

enum class CaseAnswer { Ignored, Told, Unknown };

bool sameEntry(const struct stat& left, const struct stat& right) {
    return left.st_ino == right.st_ino && left.st_dev == right.st_dev;
}

// Looks an existing entry up under its name with the letter case swapped.
CaseAnswer lookUpSwapped(int dirFd, const QString& name, const QString& swapped,
                         const std::vector<FolderEntry>& entries) {
    const QByteArray own = fs::nativePath(name);
    const QByteArray other = fs::nativePath(swapped);
    struct stat ownInfo {};
    struct stat otherInfo {};
    if (own.isEmpty() || other.isEmpty() ||
        fstatat(dirFd, own.constData(), &ownInfo, AT_SYMLINK_NOFOLLOW) != 0)
        return CaseAnswer::Unknown;
    if (fstatat(dirFd, other.constData(), &otherInfo, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? CaseAnswer::Told : CaseAnswer::Unknown;
    if (sameEntry(ownInfo, otherInfo))
        return CaseAnswer::Ignored;
    // Some network file systems number a file anew for each name it is looked up by, so another
    // inode is another file only when the listing holds that name as an entry of its own.
    const bool listed = std::any_of(entries.begin(), entries.end(), [&](const FolderEntry& entry) {
        return entry.name == swapped;
    });
    return listed ? CaseAnswer::Told : CaseAnswer::Ignored;
}

// Without an entry to look up: the file systems known to fold case, or unknown to this program
// (FUSE), count as ignoring it, as does a folder with the case-folding flag.
bool folderTypeIgnoresCase(int dirFd) {
    // The older kernel NTFS driver's number, which <linux/magic.h> does not name.
    constexpr unsigned long kNtfsMagic = 0x5346544e;
    const std::optional<unsigned long> type = fs::fileSystemType(dirFd);
    if (!type || fs::isForeignFileSystem(*type) || *type == kNtfsMagic)
        return true;
    int flags = 0;
    return ioctl(dirFd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_CASEFOLD_FL) != 0;
}

// Each rename through FileOps::renameNoReplace, with the folder in front of both names.
class PathRenamer final : public FolderRenamer {
public:
    PathRenamer(FileOps& ops, const QString& folder) : m_ops(ops), m_folder(folder) {}

    fs::FileError renameNoReplace(QStringView from, QStringView to) override {
        return m_ops.renameNoReplace(pathOf(from), pathOf(to));
    }

private:
    QString pathOf(QStringView name) const {
        QString path = m_folder;
        path += name;
        return path;
    }

    FileOps& m_ops;
    QString m_folder;
};

class FolderFdRenamer final : public FolderRenamer {
public:
    explicit FolderFdRenamer(const QString& folder) : m_folder(fs::openFolder(folder)) {
        if (m_folder.get() < 0)
            m_openError = fs::fromErrno(errno);
    }

    fs::FileError renameNoReplace(QStringView from, QStringView to) override {
        if (m_folder.get() < 0)
            return m_openError;
        fs::nativeNameInto(from, m_from);
        fs::nativeNameInto(to, m_to);
        if (m_from.contains('\0') || m_to.contains('\0'))
            return fs::unstorableName();
        return fs::renameNoReplaceAt(m_folder.get(), m_from.constData(), m_to.constData());
    }

private:
    fs::FileDescriptor m_folder;
    fs::FileError m_openError;
    QByteArray m_from;
    QByteArray m_to;
};

} // namespace

std::unique_ptr<FolderRenamer> FileOps::renamerIn(const QString& folder) {
    return std::make_unique<PathRenamer>(*this, folder);
}

std::unique_ptr<FolderRenamer> DiskFileOps::renamerIn(const QString& folder) {
    return std::make_unique<FolderFdRenamer>(folder);
}

fs::FileError DiskFileOps::renameNoReplace(const QString& from, const QString& to) {
    return fs::renameNoReplace(from, to);
}

FolderEntries DiskFileOps::listFolder(const QString& folder) {
    FolderEntries listing;
    listing.error =
        fs::readFolderEntries(folder, [&listing](QString name, int folderFd, const dirent& entry) {
            if (listing.entries.empty())
                listing.entries.reserve(likelyEntryCount(folderFd));
            listing.entries.push_back({std::move(name), entryInfo(folderFd, entry)});
        });
    return listing;
}

bool DiskFileOps::ignoresCase(const QString& folder, const std::vector<FolderEntry>& entries) {
    constexpr int kMaxLookUps = 8;
    const fs::FileDescriptor fd = fs::openFolder(folder);
    if (fd.get() < 0)
        return true;
    int lookUps = 0;
    for (auto entry = entries.begin(); entry != entries.end() && lookUps < kMaxLookUps; ++entry) {
        const QString swapped = swapAsciiCase(entry->name);
        if (swapped == entry->name)
            continue;
        ++lookUps;
        const CaseAnswer answer = lookUpSwapped(fd.get(), entry->name, swapped, entries);
        if (answer != CaseAnswer::Unknown)
            return answer == CaseAnswer::Ignored;
    }
    return folderTypeIgnoresCase(fd.get());
}

fs::FileError DiskFileOps::syncFolder(const QString& folder) {
    return fs::syncFolderEntries(folder);
}

} // namespace km

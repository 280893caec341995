#include "rename/file_ops.h"

#include <QRandomGenerator>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace km {

namespace {

fs::FileError fromErrno(int code) {
    return fs::FileError{code, fs::errorText(code)};
}

EntryKind kindOf(const struct stat& info) {
    if (S_ISREG(info.st_mode))
        return EntryKind::File;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    return EntryKind::Other;
}

EntryKind followedKind(int dirFd, const char* name) {
    struct stat target {};
    if (fstatat(dirFd, name, &target, 0) == 0 && S_ISREG(target.st_mode))
        return EntryKind::File;
    return EntryKind::Other;
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
    return {kindOf(info), identity};
}

QString swapCase(const QString& text) {
    QString swapped = text;
    for (QChar& c : swapped)
        c = c.isUpper() ? c.toLower() : c.toUpper();
    return swapped;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

fs::FileError DiskFileOps::renameNoReplace(const QString& from, const QString& to) {
    return fs::renameNoReplace(from, to);
}

FolderEntries DiskFileOps::listFolder(const QString& folder) {
    FolderEntries listing;
    listing.error =
        fs::readFolderEntries(folder, [&listing](QString name, int folderFd, const dirent& entry) {
            listing.entries.push_back({std::move(name), entryInfo(folderFd, entry)});
        });
    return listing;
}

// Creates a hidden mixed-case probe file and looks it up under the opposite case.
bool DiskFileOps::ignoresCase(const QString& folder) {
    const QString name = QStringLiteral(".km-case-probe-%1-%2-Ab")
                             .arg(::getpid())
                             .arg(QRandomGenerator::global()->generate64(), 0, 16);
    const QByteArray probe = fs::nativePath(folder + name);
    const QByteArray swapped = fs::nativePath(folder + swapCase(name));
    if (probe.isEmpty() || swapped.isEmpty())
        return false;
    struct stat created {};
    struct stat found {};
    bool createdOk = false;
    {
        const FileDescriptor fd(
            ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR));
        if (fd.get() < 0)
            return false;
        createdOk = fstat(fd.get(), &created) == 0;
    }
    const bool same = createdOk && lstat(swapped.constData(), &found) == 0 &&
                      found.st_ino == created.st_ino && found.st_dev == created.st_dev;
    ::unlink(probe.constData());
    return same;
}

fs::FileError DiskFileOps::syncFolder(const QString& folder) {
    return syncFolderEntries(folder);
}

fs::FileError syncFolderEntries(const QString& folder) {
    const QByteArray native = fs::nativePath(folder.isEmpty() ? QStringLiteral("/") : folder);
    if (native.isEmpty())
        return fromErrno(EINVAL);
    const FileDescriptor fd(::open(native.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0)
        return fromErrno(errno);
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS)
        return fromErrno(errno);
    return {};
}

} // namespace km

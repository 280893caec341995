#include "rename/file_ops.h"

#include <QRandomGenerator>
#include <cerrno>
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

EntryInfo DiskFileOps::inspect(const QString& path) {
    const QByteArray native = fs::nativePath(path);
    if (native.isEmpty())
        return {EntryKind::Missing, {}};
    struct stat info {};
    if (lstat(native.constData(), &info) != 0) {
        const bool absent = errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG;
        return {absent ? EntryKind::Missing : EntryKind::Unknown, {}};
    }
    if (S_ISLNK(info.st_mode)) {
        struct stat target {};
        if (stat(native.constData(), &target) == 0 && S_ISREG(target.st_mode))
            return {EntryKind::File, {static_cast<quint64>(info.st_ino), target.st_size}};
        return {EntryKind::Other, {}};
    }
    return {kindOf(info), {static_cast<quint64>(info.st_ino), info.st_size}};
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

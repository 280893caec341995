#include "rename/file_ops.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
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

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// A name from the file system, or nothing when its bytes do not survive decoding: such a name
// can never equal a name the program asks for.
std::optional<QString> decodedName(const char* bytes) {
    QString name = QFile::decodeName(bytes);
    if (name.contains(QChar::ReplacementCharacter) && QFile::encodeName(name) != bytes)
        return std::nullopt;
    return name;
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
    const QByteArray native = fs::nativePath(folder.isEmpty() ? QStringLiteral("/") : folder);
    if (native.isEmpty()) {
        listing.error = fromErrno(EINVAL);
        return listing;
    }
    const std::unique_ptr<DIR, DirCloser> dir(opendir(native.constData()));
    if (!dir) {
        listing.error = fromErrno(errno);
        return listing;
    }
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry) {
            if (errno != 0)
                listing.error = fromErrno(errno);
            break;
        }
        if (isDotOrDotDot(entry->d_name))
            continue;
        if (std::optional<QString> name = decodedName(entry->d_name))
            listing.entries.push_back({std::move(*name), entryInfo(dirfd(dir.get()), *entry)});
    }
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

// SPDX-License-Identifier: MIT
#include "files/file_system.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace km::fs {

namespace {

// A digit run is written as '0', then its length (leading zeros dropped), then its digits, so
// that plain code-unit comparison of two keys orders numbers by value. The leading '0' keeps a
// digit run sorting against other characters exactly as its first digit would.
QString naturalKey(const QString& name) {
    const QString folded = name.toCaseFolded();
    QString key;
    key.reserve(folded.size() + 8);
    for (qsizetype i = 0; i < folded.size();) {
        if (!folded[i].isDigit() || folded[i].unicode() > 127) {
            key.append(folded[i++]);
            continue;
        }
        qsizetype end = i;
        while (end < folded.size() && folded[end].unicode() >= '0' && folded[end].unicode() <= '9')
            ++end;
        qsizetype first = i;
        while (first < end - 1 && folded[first] == QLatin1Char('0'))
            ++first;
        key.append(QLatin1Char('0'));
        key.append(QChar(static_cast<char16_t>(0x100 + std::min<qsizetype>(end - first, 0xFE00))));
        key.append(QStringView(folded).mid(first, end - first));
        i = end;
    }
    return key;
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool isDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool isRegularEntry(int dirFd, const dirent* entry) {
    if (entry->d_type == DT_REG)
        return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return false;
    return regularFileAt(dirFd, entry->d_name).has_value();
}

// Decodes a name from the file system; nothing when it does not round-trip, since such a file
// could not be renamed back under the very same bytes.
std::optional<QString> decodeName(const char* bytes) {
    const QByteArray raw(bytes);
    QString name = QFile::decodeName(raw);
    if (QFile::encodeName(name) != raw)
        return std::nullopt;
    return name;
}

FileError renameWithFlag(const QByteArray& from, const QByteArray& to) {
    if (renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return {};
    return fromErrno(errno);
}

FileError renameByHardLink(const QByteArray& from, const QByteArray& to) {
    if (link(from.constData(), to.constData()) != 0)
        return fromErrno(errno);
    if (unlink(from.constData()) != 0) {
        const int code = errno;
        unlink(to.constData());
        return fromErrno(code);
    }
    return {};
}

FileError renameAfterCheck(const QByteArray& from, const QByteArray& to) {
    struct stat info {};
    if (lstat(to.constData(), &info) == 0)
        return fromErrno(EEXIST);
    if (errno != ENOENT)
        return fromErrno(errno);
    if (std::rename(from.constData(), to.constData()) != 0)
        return fromErrno(errno);
    return {};
}

bool flagUnsupported(int code) {
    return code == EINVAL || code == ENOSYS || code == EOPNOTSUPP;
}

bool linkUnsupported(int code) {
    return code == EPERM || code == EOPNOTSUPP || code == ENOSYS || code == EMLINK;
}

} // namespace

FileError fromErrno(int code) {
    return FileError{code, errorText(code)};
}

QByteArray nativePath(const QString& path) {
    if (path.contains(QChar(u'\0')))
        return {};
    return QFile::encodeName(path);
}

QString errorText(int code) {
    if (code == EEXIST)
        return QStringLiteral("a file of that name already exists");
    return QString::fromLocal8Bit(std::strerror(code));
}

bool matchesWildcard(const QString& name, const QString& pattern) {
    // Iterative glob with one back-tracking point for the last "*".
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == QLatin1Char('?') ||
                    QStringView(pattern).mid(p, 1).compare(QStringView(name).mid(n, 1),
                                                           Qt::CaseInsensitive) == 0)) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

void sortNaturally(QStringList& names) {
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(names.size());
    for (QString& name : names)
        keyed.emplace_back(naturalKey(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = std::move(keyed[static_cast<size_t>(i)].second);
}

FileError readFolderEntries(const QString& folder, const FolderEntryVisitor& visit) {
    const QByteArray path = nativePath(folder.isEmpty() ? QStringLiteral("/") : folder);
    if (path.isEmpty())
        return fromErrno(EINVAL);
    const std::unique_ptr<DIR, DirCloser> dir(opendir(path.constData()));
    if (!dir)
        return fromErrno(errno);
    const int folderFd = dirfd(dir.get());
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry)
            return errno == 0 ? FileError{} : fromErrno(errno);
        if (isDotOrDotDot(entry->d_name))
            continue;
        if (std::optional<QString> name = decodeName(entry->d_name))
            visit(std::move(*name), folderFd, *entry);
    }
}

FolderListing listFolder(const QString& folder, const QStringList& patterns) {
    return listFolder(folder, patterns, NameFilter());
}

FolderListing listFolder(const QString& folder, const QStringList& patterns,
                         const NameFilter& alsoTake) {
    FolderListing listing;
    listing.matches.resize(static_cast<size_t>(patterns.size()));
    listing.error = readFolderEntries(folder, [&](QString name, int folderFd, const dirent& entry) {
        if (entry.d_name[0] == '.')
            return;
        // Whether the entry is a regular file is asked at most once, and only of a taken name.
        std::optional<bool> regular;
        const auto isRegular = [&] {
            if (!regular)
                regular = isRegularEntry(folderFd, &entry);
            return *regular;
        };
        for (qsizetype i = 0; i < patterns.size(); ++i) {
            if (!matchesWildcard(name, patterns[i]))
                continue;
            if (!isRegular())
                return;
            listing.matches[static_cast<size_t>(i)].append(name);
        }
        if (alsoTake && alsoTake(name) && isRegular())
            listing.filtered.append(name);
    });
    for (QStringList& names : listing.matches)
        sortNaturally(names);
    return listing;
}

FileError renameNoReplace(const QString& from, const QString& to, NoReplaceMethod method) {
    const QByteArray source = nativePath(from);
    const QByteArray target = nativePath(to);
    if (source.isEmpty() || target.isEmpty())
        return FileError{EINVAL,
                         QStringLiteral("the name holds a character the file system cannot store")};
    switch (method) {
    case NoReplaceMethod::AtomicFlag:
        return renameWithFlag(source, target);
    case NoReplaceMethod::HardLink:
        return renameByHardLink(source, target);
    case NoReplaceMethod::CheckThenRename:
        return renameAfterCheck(source, target);
    case NoReplaceMethod::Automatic:
        break;
    }
    FileError result = renameWithFlag(source, target);
    if (!flagUnsupported(result.code))
        return result;
    result = renameByHardLink(source, target);
    if (!linkUnsupported(result.code))
        return result;
    return renameAfterCheck(source, target);
}

bool isListableFile(const QString& path) {
    const QByteArray native = nativePath(path);
    if (native.isEmpty())
        return false;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (path.mid(slash + 1).startsWith(QLatin1Char('.')))
        return false;
    return regularFileAt(AT_FDCWD, native.constData()).has_value();
}

std::optional<RegularFile> regularFileAt(int folderFd, const char* name) {
    RegularFile file{};
    if (fstatat(folderFd, name, &file.info, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    file.viaLink = S_ISLNK(file.info.st_mode);
    if (file.viaLink && fstatat(folderFd, name, &file.info, 0) != 0)
        return std::nullopt;
    if (!S_ISREG(file.info.st_mode))
        return std::nullopt;
    return file;
}

FileDescriptor openFolder(const QString& folder) {
    const QByteArray path = nativePath(folder.isEmpty() ? QStringLiteral("/") : folder);
    if (path.isEmpty()) {
        errno = EINVAL;
        return FileDescriptor();
    }
    return FileDescriptor(::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

} // namespace km::fs

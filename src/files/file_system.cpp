// SPDX-License-Identifier: MIT
#include "files/file_system.h"

#include "files/file_names.h"
#include "files/no_replace_rename.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace km::fs {

namespace {

// Natural sort keys of a whole list in one buffer. A key is the case-folded name with each
// ASCII digit run written as '0', then its length (leading zeros dropped) as 0x100 + length, then
// its digits, so that plain code-unit comparison of two keys orders numbers by value; the leading
// '0' keeps a digit run sorting against other characters exactly as its first digit would. Units
// are stored big-endian so that memcmp compares keys in code-unit order.
class NaturalKeys {
public:
    explicit NaturalKeys(const QStringList& names) {
        qsizetype units = 0;
        for (const QString& name : names)
            units += name.size() + 8;
        m_bytes.reserve(static_cast<size_t>(2 * units));
        m_entries.reserve(static_cast<size_t>(names.size()));
        for (qsizetype i = 0; i < names.size(); ++i)
            add(names[i], static_cast<quint32>(i));
    }

    // The positions of the names in natural order, ties by code-point order of the names.
    std::vector<quint32> order(const QStringList& names) {
        std::sort(m_entries.begin(), m_entries.end(), [&](const Entry& a, const Entry& b) {
            const int byKey = compareKeys(a, b);
            return byKey != 0 ? byKey < 0 : names[a.index] < names[b.index];
        });
        std::vector<quint32> positions;
        positions.reserve(m_entries.size());
        for (const Entry& entry : m_entries)
            positions.push_back(entry.index);
        return positions;
    }

private:
    struct Entry {
        size_t offset;
        quint32 length;
        quint32 index;
    };

    void add(const QString& name, quint32 index) {
        const size_t offset = m_bytes.size();
        if (isAscii(name)) {
            m_folded.resize(name.size());
            std::transform(name.cbegin(), name.cend(), m_folded.data(),
                           [](QChar c) { return QChar(lowerAscii(c.unicode())); });
            appendKey(m_folded);
        } else {
            appendKey(name.toCaseFolded());
        }
        m_entries.push_back(Entry{offset, static_cast<quint32>(m_bytes.size() - offset), index});
    }

    void appendKey(QStringView folded) {
        for (qsizetype i = 0; i < folded.size();) {
            if (!isAsciiDigit(folded[i].unicode())) {
                appendUnit(folded[i++].unicode());
                continue;
            }
            qsizetype end = i;
            while (end < folded.size() && isAsciiDigit(folded[end].unicode()))
                ++end;
            qsizetype first = i;
            while (first < end - 1 && folded[first] == QLatin1Char('0'))
                ++first;
            appendUnit(u'0');
            appendUnit(static_cast<char16_t>(0x100 + std::min<qsizetype>(end - first, 0xFE00)));
            for (qsizetype digit = first; digit < end; ++digit)
                appendUnit(folded[digit].unicode());
            i = end;
        }
    }

    void appendUnit(char16_t unit) {
        m_bytes.push_back(static_cast<unsigned char>(unit >> 8));
        m_bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    }

    int compareKeys(const Entry& a, const Entry& b) const {
        const int common = std::memcmp(m_bytes.data() + a.offset, m_bytes.data() + b.offset,
                                       std::min(a.length, b.length));
        if (common != 0)
            return common;
        return a.length < b.length ? -1 : (a.length > b.length ? 1 : 0);
    }

    static bool isAscii(const QString& name) {
        return std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; });
    }
    static bool isAsciiDigit(char16_t unit) { return unit >= u'0' && unit <= u'9'; }
    static char16_t lowerAscii(char16_t unit) {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
    }

    std::vector<unsigned char> m_bytes;
    std::vector<Entry> m_entries;
    QString m_folded;
};

// One listing pattern. A pattern of "*" then plain characters (as "*.jpg") is checked against the
// name's ending alone, which gives what matchesWildcard gives at a fraction of its cost.
class ListingPattern {
public:
    explicit ListingPattern(const QString& pattern)
        : m_pattern(pattern), m_endingOnly(pattern.startsWith(QLatin1Char('*')) &&
                                           !ending().contains(QLatin1Char('*')) &&
                                           !ending().contains(QLatin1Char('?'))) {}

    bool matches(const QString& name) const {
        return m_endingOnly ? endsWithIgnoringCase(name, ending())
                            : matchesWildcard(name, m_pattern);
    }

private:
    QStringView ending() const { return QStringView(m_pattern).sliced(1); }

    QString m_pattern;
    bool m_endingOnly;
};

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

bool unitsEqualIgnoringCase(char16_t a, char16_t b) {
    if (a == b)
        return true;
    const auto lower = [](char16_t unit) {
        return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
    };
    // Beyond ASCII, case folding can meet an ASCII letter (KELVIN SIGN folds to "k").
    if ((a | b) < 0x80)
        return lower(a) == lower(b);
    return QStringView(&a, 1).compare(QStringView(&b, 1), Qt::CaseInsensitive) == 0;
}

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

// Decodes a name from the file system byte-exact; a name of ASCII bytes alone, the most common
// kind, needs no decoding.
QString decodeName(const char* bytes) {
    const size_t length = std::strlen(bytes);
    if (std::all_of(bytes, bytes + length,
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes, static_cast<qsizetype>(length));
    return nameFromBytes(QByteArrayView(bytes, static_cast<qsizetype>(length)));
}

} // namespace

FileError fromErrno(int code) {
    return FileError{code, errorText(code)};
}

FileError unstorableName() {
    return FileError{EINVAL, QCoreApplication::translate(
                                 "FileErrors", "the name holds a character the file system "
                                               "cannot store")};
}

QByteArray nativePath(const QString& path) {
    if (path.contains(QChar(u'\0')))
        return {};
    return nativeName(path);
}

std::optional<unsigned long> fileSystemType(int fd) {
    struct statfs info {};
    if (fstatfs(fd, &info) != 0)
        return std::nullopt;
    return static_cast<unsigned long>(info.f_type);
}

bool isForeignFileSystem(unsigned long type) {
    switch (type) {
    case MSDOS_SUPER_MAGIC:
    case EXFAT_SUPER_MAGIC:
    case SMB_SUPER_MAGIC:
    case CIFS_SUPER_MAGIC:
    case SMB2_SUPER_MAGIC:
    case FUSE_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

FileError writeAll(int fd, QByteArrayView bytes) {
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count =
            ::write(fd, bytes.data() + written, static_cast<size_t>(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return fromErrno(errno);
        written += count;
    }
    return {};
}

// The system's texts of the errors a user meets, for the translations: the text of an error
// is looked up by the system's own English text. Where the system speaks the user's language
// already, its text stays as it is.
[[maybe_unused]] constexpr const char* kSystemErrorTexts[] = {
    QT_TRANSLATE_NOOP("FileErrors", "No such file or directory"),
    QT_TRANSLATE_NOOP("FileErrors", "Permission denied"),
    QT_TRANSLATE_NOOP("FileErrors", "Operation not permitted"),
    QT_TRANSLATE_NOOP("FileErrors", "Read-only file system"),
    QT_TRANSLATE_NOOP("FileErrors", "No space left on device"),
    QT_TRANSLATE_NOOP("FileErrors", "Disk quota exceeded"),
    QT_TRANSLATE_NOOP("FileErrors", "Is a directory"),
    QT_TRANSLATE_NOOP("FileErrors", "Not a directory"),
    QT_TRANSLATE_NOOP("FileErrors", "Directory not empty"),
    QT_TRANSLATE_NOOP("FileErrors", "File name too long"),
    QT_TRANSLATE_NOOP("FileErrors", "Device or resource busy"),
    QT_TRANSLATE_NOOP("FileErrors", "Text file busy"),
    QT_TRANSLATE_NOOP("FileErrors", "Invalid cross-device link"),
    QT_TRANSLATE_NOOP("FileErrors", "Input/output error"),
    QT_TRANSLATE_NOOP("FileErrors", "Invalid argument"),
    QT_TRANSLATE_NOOP("FileErrors", "Too many levels of symbolic links"),
    QT_TRANSLATE_NOOP("FileErrors", "Too many open files"),
    QT_TRANSLATE_NOOP("FileErrors", "Stale file handle"),
    QT_TRANSLATE_NOOP("FileErrors", "Cannot allocate memory"),
    QT_TRANSLATE_NOOP("FileErrors", "File too large"),
    QT_TRANSLATE_NOOP("FileErrors", "No such device"),
    QT_TRANSLATE_NOOP("FileErrors", "Operation not supported"),
    QT_TRANSLATE_NOOP("FileErrors", "Transport endpoint is not connected"),
    QT_TRANSLATE_NOOP("FileErrors", "Host is down"),
};

QString errorText(int code) {
    if (code == EEXIST)
        return QCoreApplication::translate("FileErrors", "a file of that name already exists");
    return QCoreApplication::translate("FileErrors", std::strerror(code));
}

FileError syncFolderEntries(const QString& folder) {
    const FileDescriptor fd = openFolder(folder);
    if (fd.get() < 0)
        return fromErrno(errno);
    if (::fsync(fd.get()) != 0 && errno != EINVAL && errno != EROFS)
        return fromErrno(errno);
    return {};
}

bool processMayBeRunning(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

bool endsWithIgnoringCase(QStringView name, QStringView ending) {
    if (name.size() < ending.size())
        return false;
    const QStringView tail = name.last(ending.size());
    for (qsizetype i = 0; i < ending.size(); ++i) {
        if (!unitsEqualIgnoringCase(tail[i].unicode(), ending[i].unicode()))
            return false;
    }
    return true;
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
    const std::vector<quint32> positions = NaturalKeys(names).order(names);
    QStringList sorted;
    sorted.reserve(names.size());
    for (const quint32 position : positions)
        sorted.append(std::move(names[position]));
    names = std::move(sorted);
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
        visit(decodeName(entry->d_name), folderFd, *entry);
    }
}

FolderListing listFolder(const QString& folder, const QStringList& patterns) {
    return listFolder(folder, patterns, NameFilter());
}

FolderListing listFolder(const QString& folder, const QStringList& patterns,
                         const NameFilter& alsoTake) {
    FolderListing listing;
    listing.matches.resize(static_cast<size_t>(patterns.size()));
    const std::vector<ListingPattern> matchers(patterns.cbegin(), patterns.cend());
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
        bool taken = false;
        for (size_t i = 0; i < matchers.size(); ++i) {
            if (!matchers[i].matches(name))
                continue;
            if (!isRegular())
                return;
            listing.matches[i].append(name);
            taken = true;
        }
        if (alsoTake && alsoTake(name) && isRegular()) {
            listing.filtered.append(name);
            taken = true;
        }
        if (taken)
            listing.inodes.push_back(static_cast<quint64>(entry.d_ino));
    });
    for (QStringList& names : listing.matches)
        sortNaturally(names);
    return listing;
}

FileError renameNoReplace(const QString& from, const QString& to) {
    const QByteArray source = nativePath(from);
    const QByteArray target = nativePath(to);
    if (source.isEmpty() || target.isEmpty())
        return unstorableName();
    return renameNoReplaceAt(AT_FDCWD, source.constData(), target.constData());
}

FileError renameNoReplaceAt(int folderFd, const char* from, const char* to) {
    FileError result = renameWithNoReplaceFlag(folderFd, from, to);
    if (noReplaceFlagUnsupported(result.code))
        result = renameByHardLink(folderFd, from, to);
    if (hardLinkUnsupported(result.code))
        result = renameAfterCheck(folderFd, from, to);
    return toldAsTaken(folderFd, to, result);
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

std::optional<FolderStamp> folderStamp(const QString& folder) {
    struct stat status {};
    if (::stat(nativePath(folder).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return std::nullopt;
    constexpr qint64 kNanoseconds = 1'000'000'000;
    return FolderStamp{static_cast<quint64>(status.st_dev), static_cast<quint64>(status.st_ino),
                       status.st_mtim.tv_sec * kNanoseconds + status.st_mtim.tv_nsec,
                       status.st_ctim.tv_sec * kNanoseconds + status.st_ctim.tv_nsec};
}

FileError makeFolders(const QString& folder) {
    const QByteArray path = nativePath(folder);
    if (path.isEmpty())
        return folder.isEmpty() ? FileError{} : unstorableName();
    for (qsizetype end = 1; end <= path.size(); ++end) {
        if (end < path.size() && path[end] != '/')
            continue;
        const QByteArray part = path.left(end);
        if (::mkdir(part.constData(), 0700) == 0)
            continue;
        if (errno != EEXIST)
            return fromErrno(errno);
        struct stat info {};
        if (::stat(part.constData(), &info) != 0)
            return fromErrno(errno);
        if (!S_ISDIR(info.st_mode))
            return fromErrno(ENOTDIR);
    }
    struct stat info {};
    if (::stat(path.constData(), &info) != 0)
        return fromErrno(errno);
    return S_ISDIR(info.st_mode) ? FileError{} : fromErrno(ENOTDIR);
}

QString withTrailingSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString folderNameOf(const QString& folder) {
    QStringView path(folder);
    while (path.endsWith(u'/'))
        path.chop(1);
    return path.sliced(path.lastIndexOf(u'/') + 1).toString();
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

} // namespace km::fs

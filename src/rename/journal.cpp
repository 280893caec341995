// SPDX-License-Identifier: MIT
#include "rename/journal.h"

#include "rename/message_text.h"
#include "rename/name_field.h"
#include "rename/name_rules.h"
#include "rename/record_lines.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace km {

namespace {

const QByteArray kHeader = "KESTRELMARK-JOURNAL\t1";
// Reads the journal line by line; each reader returns false and sets the error on a fault.
class JournalReader {
public:
    explicit JournalReader(const QByteArray& text) : m_lines(text, QStringLiteral("journal")) {}

    std::optional<BatchRecord> read(QString* error) {
        BatchRecord record;
        qint64 count = 0;
        const bool ok = m_lines.readHeader(kHeader) && readKind(record) && readFolder(record) &&
                        readCount(count) && readMoves(record, count) && m_lines.readEnd();
        if (!ok) {
            if (error)
                *error = m_lines.error();
            return std::nullopt;
        }
        return record;
    }

private:
    bool readKind(BatchRecord& record) {
        const auto parts = m_lines.fields("kind", 2);
        if (!parts)
            return false;
        if (parts->at(1) == "rename")
            record.kind = BatchKind::Rename;
        else if (parts->at(1) == "undo")
            record.kind = BatchKind::Undo;
        else
            return m_lines.fail(QStringLiteral("unknown kind of batch"));
        return true;
    }

    bool readFolder(BatchRecord& record) {
        const std::optional<QString> folder = m_lines.folder("folder");
        if (folder)
            record.folder = *folder;
        return folder.has_value();
    }

    bool readCount(qint64& count) {
        const auto parts = m_lines.fields("count", 2);
        if (!parts)
            return false;
        const std::optional<quint64> value = numberFromField(parts->at(1));
        if (!value || *value > static_cast<quint64>(m_lines.lineCount()))
            return m_lines.fail(QStringLiteral("not a count of moves"));
        count = static_cast<qint64>(*value);
        return true;
    }

    bool readMoves(BatchRecord& record, qint64 count) {
        record.moves.reserve(static_cast<std::size_t>(count));
        for (qint64 i = 0; i < count; ++i) {
            const auto parts = m_lines.fields("move", 4);
            if (!parts)
                return false;
            const std::optional<quint64> inode = numberFromField(parts->at(1));
            const std::optional<QString> from = nameFromField(parts->at(2));
            const std::optional<QString> to = nameFromField(parts->at(3));
            if (!inode)
                return m_lines.fail(QStringLiteral("not an inode number"));
            if (!from || !to || !invalidNameReason(*from).isEmpty() ||
                !invalidNameReason(*to).isEmpty())
                return m_lines.fail(QStringLiteral("not a valid file name"));
            record.moves.push_back({*from, *to, {*inode}});
        }
        return true;
    }

    RecordLines m_lines;
};

// What went wrong with the journal file, for the user.
fs::FileError journalError(const QString& path, const QString& failure, int code) {
    return {code, QStringLiteral("The safety record %1 could not be %2: %3.")
                      .arg(quoted(path), failure, fs::errorText(code))};
}

// Locks the fresh file before its first byte, so that a file with content is always held while
// its batch runs.
fs::FileError lockAndWrite(int fd, const QByteArray& bytes) {
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return {errno, {}};
    fs::FileError error = fs::writeAll(fd, bytes);
    if (error.ok() && ::fsync(fd) != 0)
        error = {errno, {}};
    return error;
}

const QString kJournalSuffix = QStringLiteral(".journal");
const QString kUnfinishedSuffix = QStringLiteral(".new");
const QString kBatchPrefix = QStringLiteral("batch-");

// "batch-<UTC milliseconds>-<process id>-<random>": names sort in the order they were made.
QString freshName() {
    return kBatchPrefix +
           QStringLiteral("%1-%2-%3")
               .arg(QDateTime::currentMSecsSinceEpoch(), 15, 10, QLatin1Char('0'))
               .arg(::getpid())
               .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

QString inFolder(const QString& folder, const QString& name) {
    return fs::withTrailingSeparator(folder) + name;
}

// True when `fd` is locked and still the file that path names.
bool lockedAndNamed(int fd, const QByteArray& path) {
    struct stat held {};
    struct stat named {};
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && held.st_nlink > 0 &&
           ::stat(path.constData(), &named) == 0 && named.st_ino == held.st_ino &&
           named.st_dev == held.st_dev;
}

// The process that wrote an unfinished journal may still be between creating and locking it.
bool writerMayBeAlive(const QString& name) {
    bool ok = false;
    const pid_t pid = static_cast<pid_t>(name.section(QLatin1Char('-'), 2, 2).toInt(&ok));
    if (!ok || pid <= 0 || pid == ::getpid())
        return false;
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// Removes the unfinished journal of a begin() cut short; no file was renamed under it.
void removeAbandoned(const QString& path, const QString& name) {
    const QByteArray native = fs::nativePath(path);
    if (native.isEmpty() || writerMayBeAlive(name))
        return;
    const fs::FileDescriptor fd(::open(native.constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() >= 0 && lockedAndNamed(fd.get(), native))
        ::unlink(native.constData());
}

// Journals of earlier versions, which had one fixed name, come before every batch's own.
bool olderByName(const QString& left, const QString& right) {
    const bool leftBatch = left.startsWith(kBatchPrefix);
    const bool rightBatch = right.startsWith(kBatchPrefix);
    return leftBatch != rightBatch ? rightBatch : left < right;
}

} // namespace

QByteArray encodeJournal(const BatchRecord& record) {
    QByteArray text;
    // About the size of a line per move, so that a large batch is not copied while it grows.
    text.reserve(128 + static_cast<qsizetype>(record.moves.size()) * 64);
    text += kHeader + '\n';
    text += QByteArray("kind\t") + (record.kind == BatchKind::Rename ? "rename" : "undo") + '\n';
    text += "folder\t" + nameField(record.folder) + '\n';
    text += "count\t" + QByteArray::number(static_cast<qulonglong>(record.moves.size())) + '\n';
    for (const BatchMove& move : record.moves) {
        text += "move\t";
        appendNumberField(text, move.identity.inode);
        text += '\t';
        appendNameField(text, move.from);
        text += '\t';
        appendNameField(text, move.to);
        text += '\n';
    }
    text += "end\n";
    return text;
}

std::optional<BatchRecord> decodeJournal(const QByteArray& text, QString* error) {
    return JournalReader(text).read(error);
}

JournalFile::JournalFile(QString folder) : m_folder(std::move(folder)) {}

JournalFile::~JournalFile() {
    release();
}

fs::FileError JournalFile::begin(const BatchRecord& record) {
    release();
    const QString failed = QStringLiteral("written");
    const QString name = freshName();
    const QString unfinished = inFolder(m_folder, name + kUnfinishedSuffix);
    const QString finished = inFolder(m_folder, name + kJournalSuffix);
    const QByteArray native = fs::nativePath(unfinished);
    if (native.isEmpty() || fs::nativePath(m_folder).isEmpty() || !QDir().mkpath(m_folder))
        return journalError(finished, failed, ENOENT);
    fs::FileDescriptor fd(::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        return journalError(finished, failed, errno);
    fs::FileError error = lockAndWrite(fd.get(), encodeJournal(record));
    if (error.ok())
        error = fs::renameNoReplace(unfinished, finished);
    if (!error.ok()) {
        ::unlink(native.constData());
    } else {
        error = syncFolderEntries(m_folder);
        if (!error.ok())
            ::unlink(fs::nativePath(finished).constData());
    }
    if (!error.ok())
        return journalError(finished, failed, error.code);
    m_fd = std::move(fd);
    m_path = finished;
    return {};
}

// The file goes while it is still locked, so nobody can claim it in between.
fs::FileError JournalFile::end() {
    if (m_path.isEmpty())
        return {};
    const fs::FileError error = discardJournal(m_path);
    release();
    return error;
}

void JournalFile::release() {
    m_fd.reset();
    m_path.clear();
}

std::unique_ptr<JournalFile> JournalFile::claim(const QString& path) {
    const QByteArray native = fs::nativePath(path);
    if (native.isEmpty())
        return nullptr;
    fs::FileDescriptor fd(::open(native.constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0 || !lockedAndNamed(fd.get(), native))
        return nullptr;
    auto journal = std::make_unique<JournalFile>(QFileInfo(path).absolutePath());
    journal->m_fd = std::move(fd);
    journal->m_path = path;
    return journal;
}

QStringList journalsIn(const QString& folder) {
    QStringList journals;
    QStringList unfinished;
    fs::readFolderEntries(folder, [&](QString name, int /*folderFd*/, const dirent& /*entry*/) {
        if (name.endsWith(kJournalSuffix))
            journals << std::move(name);
        else if (name.startsWith(kBatchPrefix) && name.endsWith(kUnfinishedSuffix))
            unfinished << std::move(name);
    });
    for (const QString& name : unfinished)
        removeAbandoned(inFolder(folder, name), name);
    std::sort(journals.begin(), journals.end(), olderByName);
    for (QString& name : journals)
        name = inFolder(folder, name);
    return journals;
}

LoadedJournal loadJournal(const QString& path) {
    LoadedJournal loaded;
    QFile file(path);
    if (!file.exists())
        return loaded;
    loaded.status = JournalStatus::Damaged;
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.message =
            QStringLiteral("The record of an interrupted rename %1 cannot be read: %2.")
                .arg(quoted(path), file.errorString());
        return loaded;
    }
    QString error;
    std::optional<BatchRecord> record = decodeJournal(file.readAll(), &error);
    if (!record) {
        loaded.message = QStringLiteral("The record of an interrupted rename %1 is damaged (%2).")
                             .arg(quoted(path), error);
        return loaded;
    }
    loaded.status = JournalStatus::Loaded;
    loaded.record = std::move(*record);
    return loaded;
}

fs::FileError setJournalAside(const QString& path, QString* asidePath) {
    for (int n = 1;; ++n) {
        const QString aside = path + QStringLiteral(".damaged-") + QString::number(n);
        const fs::FileError error = fs::renameNoReplace(path, aside);
        if (error.code == EEXIST && n < 1000)
            continue;
        if (error.ok() && asidePath)
            *asidePath = aside;
        return error;
    }
}

fs::FileError discardJournal(const QString& path) {
    const QByteArray native = fs::nativePath(path);
    fs::FileError error;
    if (native.isEmpty())
        error = {EINVAL, {}};
    else if (::unlink(native.constData()) != 0 && errno != ENOENT)
        error = {errno, {}};
    if (error.ok())
        error = syncFolderEntries(QFileInfo(path).absolutePath());
    return error.ok() ? error : journalError(path, QStringLiteral("removed"), error.code);
}

} // namespace km

// SPDX-License-Identifier: MIT
#include "journal/journal.h"

#include "batch/name_rules.h"
#include "files/message_text.h"
#include "files/plain_file.h"
#include "records/durable_file.h"
#include "records/name_field.h"
#include "records/record_lines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace km {

namespace {

enum class JournalAction { Written, Updated, Removed };

class JournalWords {
    Q_DECLARE_TR_FUNCTIONS(JournalWords)

public:
    static QString failed(JournalAction action, const QString& path, int code) {
        switch (action) {
        case JournalAction::Written:
            return tr("The safety record %1 could not be written: %2.")
                .arg(quoted(path), fs::errorText(code));
        case JournalAction::Updated:
            return tr("The safety record %1 could not be updated: %2.")
                .arg(quoted(path), fs::errorText(code));
        case JournalAction::Removed:
            break;
        }
        return tr("The safety record %1 could not be removed: %2.")
            .arg(quoted(path), fs::errorText(code));
    }

    static QString unreadable(const QString& path, const QString& reason) {
        return tr("The record of an interrupted rename %1 cannot be read: %2.")
            .arg(quoted(path), reason);
    }

    static QString damaged(const QString& path, const QString& reason) {
        return tr("The record of an interrupted rename %1 is damaged (%2).")
            .arg(quoted(path), reason);
    }
};

const QByteArray kHeaderName = "KESTRELMARK-JOURNAL";
constexpr int kVersion = 2;
constexpr char kRolledBack[] = "rolled-back";

// Reads the journal line by line; each reader returns false and sets the error on a fault.
class JournalReader {
public:
    explicit JournalReader(const QByteArray& text) : m_lines(text, RecordLines::Kind::Journal) {}

    std::optional<JournalledBatch> read(QString* error) {
        JournalledBatch record;
        qint64 count = 0;
        const std::optional<int> version = m_lines.readHeader(kHeaderName, 1, kVersion);
        const bool ok = version && readKind(record) && readEnded(record) && readFolder(record) &&
                        readIdentity(record) && readCount(count) && readMoves(record, count) &&
                        m_lines.readEnd() && agrees(record);
        if (!ok) {
            if (error)
                *error = m_lines.error();
            return std::nullopt;
        }
        return record;
    }

private:
    bool readKind(JournalledBatch& record) {
        const auto parts = m_lines.fields("kind", 2);
        if (!parts)
            return false;
        if (parts->at(1) == "rename")
            record.kind = BatchKind::Rename;
        else if (parts->at(1) == "undo")
            record.kind = BatchKind::Undo;
        else
            return m_lines.fail(JournalWords::tr("unknown kind of batch"));
        return true;
    }

    bool readEnded(JournalledBatch& record) {
        if (!m_lines.nextIs("ended"))
            return true;
        const auto parts = m_lines.fields("ended", 2);
        if (!parts)
            return false;
        if (parts->at(1) != kRolledBack)
            return m_lines.fail(JournalWords::tr("unknown end of a batch"));
        record.ended = BatchEnd::RolledBack;
        return true;
    }

    bool readFolder(JournalledBatch& record) {
        const std::optional<QString> folder = m_lines.folder("folder");
        if (folder)
            record.folder = *folder;
        return folder.has_value();
    }

    bool readIdentity(JournalledBatch& record) {
        if (!m_lines.nextIs("identity"))
            return true;
        record.known = m_lines.identity("identity");
        return record.known.has_value();
    }

    bool readCount(qint64& count) {
        const auto parts = m_lines.fields("count", 2);
        if (!parts)
            return false;
        const std::optional<quint64> value = numberFromField(parts->at(1));
        if (!value || *value > static_cast<quint64>(m_lines.lineCount()))
            return m_lines.fail(JournalWords::tr("not a count of moves"));
        count = static_cast<qint64>(*value);
        return true;
    }

    bool readMoves(JournalledBatch& record, qint64 count) {
        const bool bySize =
            record.known && record.known->basis == LastingIdentity::Basis::SizeAndTime;
        const qsizetype size = bySize ? 6 : 4;
        record.moves.reserve(static_cast<std::size_t>(count));
        for (qint64 i = 0; i < count; ++i) {
            const auto parts = m_lines.fields("move", size);
            if (!parts)
                return false;
            const std::optional<quint64> inode = numberFromField(parts->at(1));
            const std::optional<QString> from = nameFromField(parts->at(2));
            const std::optional<QString> to = nameFromField(parts->at(3));
            if (!inode)
                return m_lines.fail(JournalWords::tr("not an inode number"));
            if (!from || !to || nameFault(*from) != NameFault::None ||
                nameFault(*to) != NameFault::None)
                return m_lines.fail(JournalWords::tr("not a valid file name"));
            BatchMove move{*from, *to, {*inode}};
            if (bySize) {
                const std::optional<quint64> fileSize = numberFromField(parts->at(4));
                const std::optional<qint64> modified = signedFromField(parts->at(5));
                if (!fileSize || !modified)
                    return m_lines.fail(JournalWords::tr("not a file's identity"));
                move.size = *fileSize;
                move.modified = *modified;
            }
            record.moves.push_back(std::move(move));
        }
        return true;
    }

    // A batch moves each file once, gives each name to one file and keeps the temporary names
    // to itself: a record saying otherwise would scramble names if it were followed.
    bool agrees(const JournalledBatch& record) {
        QSet<QString> sources;
        QSet<QString> targets;
        sources.reserve(static_cast<qsizetype>(record.moves.size()));
        targets.reserve(static_cast<qsizetype>(record.moves.size()));
        for (const BatchMove& move : record.moves) {
            if (sources.contains(move.from))
                return m_lines.fail(JournalWords::tr("%1 is moved twice").arg(quoted(move.from)));
            if (targets.contains(move.to))
                return m_lines.fail(
                    JournalWords::tr("two files are to be named %1").arg(quoted(move.to)));
            sources.insert(move.from);
            targets.insert(move.to);
        }
        for (const BatchMove& move : record.moves) {
            for (const QString* name : {&move.from, &move.to}) {
                if (name->startsWith(kTemporaryMarker) &&
                    targets.contains(name->sliced(kTemporaryMarker.size())))
                    return m_lines.fail(JournalWords::tr("%1 is the temporary name of another file")
                                            .arg(quoted(*name)));
            }
        }
        return true;
    }

    RecordLines m_lines;
};

// A file's size and modification time, as a record on that basis keeps them.
struct FileSize {
    quint64 size = 0;
    qint64 modified = 0;
};

// The journal text of a record whose files are known as `known` says (by inode number alone
// when it says nothing); on the size basis, sizeOf(i) gives the size of move i's file.
template <typename SizeOf>
QByteArray encodeRecord(const JournalledBatch& record, const std::optional<LastingIdentity>& known,
                        SizeOf sizeOf) {
    const bool bySize = known && known->basis == LastingIdentity::Basis::SizeAndTime;
    QByteArray text;
    // About the size of a line per move, so that a large batch is not copied while it grows.
    text.reserve(192 + static_cast<qsizetype>(record.moves.size()) * (bySize ? 96 : 64));
    text += kHeaderName + '\t' + QByteArray::number(kVersion) + '\n';
    text += QByteArray("kind\t") + (record.kind == BatchKind::Rename ? "rename" : "undo") + '\n';
    if (record.ended == BatchEnd::RolledBack)
        text += QByteArray("ended\t") + kRolledBack + '\n';
    text += "folder\t" + nameField(record.folder) + '\n';
    if (known)
        text += identityLine("identity", *known);
    text += "count\t" + QByteArray::number(static_cast<qulonglong>(record.moves.size())) + '\n';
    for (std::size_t i = 0; i < record.moves.size(); ++i) {
        const BatchMove& move = record.moves[i];
        text += "move\t";
        appendNumberField(text, move.identity.inode);
        text += '\t';
        appendNameField(text, move.from);
        text += '\t';
        appendNameField(text, move.to);
        if (bySize) {
            const FileSize file = sizeOf(i);
            text += '\t';
            appendNumberField(text, file.size);
            text += '\t';
            appendNumberField(text, file.modified);
        }
        text += '\n';
    }
    text += "end\n";
    return text;
}

// How the files of a batch in `folder` are known again, on the basis its file system allows:
// the folder's device and a time before which every file was born, or their sizes.
std::optional<LastingIdentity> knownAs(const IdentityReader& reader) {
    LastingIdentity known;
    known.basis = reader.basis();
    if (known.basis == LastingIdentity::Basis::Inode) {
        struct stat info {};
        if (::fstat(reader.descriptor(), &info) != 0)
            return std::nullopt;
        known.device = info.st_dev;
        known.born = fileClockNow();
    }
    return known;
}

// What went wrong with the journal file, for the user.
fs::FileError journalError(const QString& path, JournalAction failure, int code) {
    return {code, JournalWords::failed(failure, path, code)};
}

// Locks the fresh file before its first byte, so that a file with content is always held while
// its batch runs.
constexpr JournalAction kWritten = JournalAction::Written;

// 0, or the errno value that kept the journal open as fd from being read whole.
int readHeld(int fd, QByteArray& text) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return errno;
    if (info.st_size > kMaxRecordFileBytes)
        return EFBIG;
    text.resize(static_cast<qsizetype>(info.st_size));
    qsizetype done = 0;
    while (done < text.size()) {
        const ssize_t count =
            ::pread(fd, text.data() + done, static_cast<size_t>(text.size() - done), done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : EIO;
        done += count;
    }
    return 0;
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
    return ok && pid > 0 && pid != ::getpid() && fs::processMayBeRunning(pid);
}

// Removes the unfinished journal of a begin() cut short; no file was renamed under it.
void removeAbandoned(const QString& path, const QString& name) {
    const QByteArray native = fs::nativePath(path);
    if (native.isEmpty() || writerMayBeAlive(name))
        return;
    const fs::OpenedPlainFile file = fs::openPlainFile(AT_FDCWD, native.constData());
    if (file.ok() && lockedAndNamed(file.fd.get(), native))
        ::unlink(native.constData());
}

// Journals of earlier versions, which had one fixed name, come before every batch's own.
bool olderByName(const QString& left, const QString& right) {
    const bool leftBatch = left.startsWith(kBatchPrefix);
    const bool rightBatch = right.startsWith(kBatchPrefix);
    return leftBatch != rightBatch ? rightBatch : left < right;
}

} // namespace

QByteArray encodeJournal(const JournalledBatch& record) {
    return encodeRecord(record, record.known, [&](std::size_t i) {
        return FileSize{record.moves[i].size, record.moves[i].modified};
    });
}

std::optional<JournalledBatch> decodeJournal(const QByteArray& text, QString* error) {
    return JournalReader(text).read(error);
}

JournalFile::JournalFile(QString folder) : m_folder(std::move(folder)) {}

JournalFile::~JournalFile() {
    release();
}

fs::FileError JournalFile::begin(const JournalledBatch& record) {
    release();
    const QString name = freshName();
    // A folder that cannot be opened here (the batch's pre-flight has read it) leaves its files
    // known by inode number alone.
    const IdentityReader reader(record.folder);
    const std::optional<LastingIdentity> known =
        record.known || !reader.isOpen() ? record.known : knownAs(reader);
    const QByteArray text = encodeRecord(record, known, [&](std::size_t i) {
        const std::optional<LastingIdentity> now = reader.read(record.moves[i].from);
        return now ? FileSize{now->size, now->modified} : FileSize{};
    });
    if (text.size() > kMaxRecordFileBytes)
        return journalError(inFolder(m_folder, name + kJournalSuffix), kWritten, EFBIG);
    fs::FileDescriptor fd;
    const fs::FileError error = writeLocked(name, text, fd);
    if (!error.ok())
        return error;
    m_fd = std::move(fd);
    m_path = inFolder(m_folder, name + kJournalSuffix);
    return {};
}

// Writes text under a lock into a fresh file, syncs it and gives it the name `name`.journal;
// the descriptor stays open and locked in fd.
fs::FileError JournalFile::writeLocked(const QString& name, const QByteArray& text,
                                       fs::FileDescriptor& fd) const {
    DurableWrite written = writeRecordFile(m_folder, name + kUnfinishedSuffix,
                                           name + kJournalSuffix, text, AfterWriting::KeepLocked);
    if (!written.error.ok())
        return journalError(inFolder(m_folder, name + kJournalSuffix), kWritten,
                            written.error.code);
    fd = std::move(written.fd);
    return {};
}

// The journal is read back and written anew with its end noted, through a fresh file that
// takes the journal's place in one rename: at every moment the name holds a whole record, and
// the batch holds the lock of both files, so nobody can claim either in between.
fs::FileError JournalFile::rolledBack() {
    if (m_path.isEmpty())
        return {};
    constexpr JournalAction failed = JournalAction::Updated;
    QByteArray text;
    const int readError = readHeld(m_fd.get(), text);
    if (readError != 0)
        return journalError(m_path, failed, readError);
    std::optional<JournalledBatch> record = decodeJournal(text, nullptr);
    if (!record)
        return journalError(m_path, failed, EINVAL);
    record->ended = BatchEnd::RolledBack;
    const QString name = freshName();
    fs::FileDescriptor fd;
    fs::FileError error = writeLocked(name, encodeJournal(*record), fd);
    if (!error.ok())
        return error;
    const QByteArray written = fs::nativePath(inFolder(m_folder, name + kJournalSuffix));
    // Replacing is what is wanted here: the old journal is this batch's own, held by it.
    if (::rename(written.constData(), fs::nativePath(m_path).constData()) != 0) {
        const int code = errno;
        ::unlink(written.constData());
        return journalError(m_path, failed, code);
    }
    m_fd = std::move(fd);
    error = fs::syncFolderEntries(m_folder);
    return error.ok() ? error : journalError(m_path, failed, error.code);
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

std::unique_ptr<JournalFile> JournalFile::claim(const QString& path, fs::ReadProblem* problem) {
    fs::OpenedPlainFile file = fs::openPlainFile(path);
    if (problem)
        *problem = file.problem;
    if (!file.ok() || !lockedAndNamed(file.fd.get(), fs::nativePath(path)))
        return nullptr;
    auto journal = std::make_unique<JournalFile>(QFileInfo(path).absolutePath());
    journal->m_fd = std::move(file.fd);
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
    const fs::PlainFileBytes file = fs::readPlainFile(path, kMaxRecordFileBytes);
    if (file.problem == fs::ReadProblem::Missing)
        return loaded;
    loaded.status = JournalStatus::Damaged;
    // A pipe, a device or a huge file is never read: it would block the start or fill memory.
    if (!file.ok()) {
        loaded.message =
            JournalWords::unreadable(path, fs::readProblemReason(file.problem, file.error));
        return loaded;
    }
    QString error;
    std::optional<JournalledBatch> decoded = decodeJournal(file.bytes, &error);
    if (!decoded) {
        loaded.message = JournalWords::damaged(path, error);
        return loaded;
    }
    loaded.status = JournalStatus::Loaded;
    loaded.batch = std::move(*decoded);
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
        error = fs::syncFolderEntries(QFileInfo(path).absolutePath());
    return error.ok() ? error : journalError(path, JournalAction::Removed, error.code);
}

} // namespace km

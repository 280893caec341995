// SPDX-License-Identifier: MIT
#include "history/history_folder.h"

#include "batch/file_ops.h"
#include "files/message_text.h"
#include "files/plain_file.h"
#include "records/record_lines.h"

#include <QDir>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace km {

namespace {

const QString kHistorySuffix = QStringLiteral(".history");
const QString kUnfinishedHistorySuffix = QStringLiteral(".history-new");

// Nanoseconds, not milliseconds: batches recorded one after another within a millisecond must
// still sort in the order they were recorded.
QString freshHistoryName() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return QStringLiteral("%1-%2-%3")
        .arg(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count(), 20, 10,
             QLatin1Char('0'))
        .arg(::getpid())
        .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
}

fs::FileError writeWholeFile(int fd, const QByteArray& bytes) {
    const fs::FileError error = fs::writeAll(fd, bytes);
    if (!error.ok())
        return error;
    return ::fsync(fd) == 0 ? fs::FileError{} : fs::fromErrno(errno);
}

fs::FileError historyError(const QString& folder, int code) {
    return {code, QStringLiteral("The rename could not be kept among the earlier renames in %1: "
                                 "%2.")
                      .arg(quoted(folder), fs::errorText(code))};
}

// A file a writer left unfinished, when that writer is no longer running.
bool abandonedByItsWriter(const QString& name) {
    bool ok = false;
    const pid_t pid = static_cast<pid_t>(name.section(QLatin1Char('-'), 1, 1).toInt(&ok));
    if (!ok || pid <= 0)
        return true;
    return pid != ::getpid() && !fs::processMayBeRunning(pid);
}

} // namespace

fs::FileError HistoryFolder::add(const QByteArray& history) const {
    const QString name = freshHistoryName();
    const QString folder = fs::withTrailingSeparator(m_folder);
    const QString unfinished = folder + name + kUnfinishedHistorySuffix;
    const QByteArray native = fs::nativePath(unfinished);
    const fs::FileError made = native.isEmpty() ? fs::unstorableName() : fs::makeFolders(m_folder);
    if (!made.ok())
        return historyError(m_folder, made.code);
    const fs::FileDescriptor fd(
        ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (fd.get() < 0)
        return historyError(m_folder, errno);
    fs::FileError error = writeWholeFile(fd.get(), history);
    if (error.ok())
        error = fs::renameNoReplace(unfinished, folder + name + kHistorySuffix);
    if (!error.ok()) {
        ::unlink(native.constData());
        return historyError(m_folder, error.code);
    }
    error = syncFolderEntries(m_folder);
    dropOldest();
    return error.ok() ? error : historyError(m_folder, error.code);
}

QStringList HistoryFolder::files() const {
    QStringList names;
    fs::readFolderEntries(m_folder, [&](QString name, int /*folderFd*/, const dirent& /*entry*/) {
        if (name.endsWith(kHistorySuffix))
            names << std::move(name);
    });
    std::sort(names.begin(), names.end(), std::greater<>());
    const QString folder = fs::withTrailingSeparator(m_folder);
    for (QString& name : names)
        name.prepend(folder);
    return names;
}

// The files beyond the newest kept ones go, and so do files a writer cut short.
void HistoryFolder::dropOldest() const {
    const QStringList kept = files();
    for (qsizetype i = kKeptBatches; i < kept.size(); ++i)
        ::unlink(fs::nativePath(kept[i]).constData());
    const QString folder = fs::withTrailingSeparator(m_folder);
    fs::readFolderEntries(m_folder, [&](QString name, int /*folderFd*/, const dirent& /*entry*/) {
        if (name.endsWith(kUnfinishedHistorySuffix) && abandonedByItsWriter(name))
            ::unlink(fs::nativePath(folder + name).constData());
    });
}

LoadedHistory loadHistory(const QString& path) {
    LoadedHistory loaded{path, std::nullopt, {}};
    const fs::PlainFileBytes file = fs::readPlainFile(path, kMaxRecordFileBytes);
    if (!file.ok())
        loaded.damage = fs::readProblemReason(file.problem, file.error);
    else
        loaded.entry = decodeHistory(file.bytes, &loaded.damage);
    return loaded;
}

} // namespace km

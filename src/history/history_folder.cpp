// SPDX-License-Identifier: MIT
#include "history/history_folder.h"

#include "files/message_text.h"
#include "files/plain_file.h"
#include "records/durable_file.h"
#include "records/record_lines.h"

#include <QCoreApplication>
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

fs::FileError historyError(const QString& folder, int code) {
    return {code, QCoreApplication::translate("HistoryWords", "The rename could not be kept among "
                                                              "the earlier renames in %1: %2.")
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
    const DurableWrite written =
        writeRecordFile(m_folder, name + kUnfinishedHistorySuffix, name + kHistorySuffix, history,
                        AfterWriting::Close);
    if (!written.error.ok())
        return historyError(m_folder, written.error.code);
    dropOldest();
    return {};
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

// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_system.h"
#include "history/rename_history.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace km {

// The folder of the history of earlier renames: one file per batch, named
// "<UTC nanoseconds>-<process id>-<random>.history" so that names sort in the order the batches
// were recorded. Only the newest kKeptBatches files are kept.
class HistoryFolder {
public:
    static constexpr int kKeptBatches = 100;

    explicit HistoryFolder(QString folder) : m_folder(std::move(folder)) {}

    const QString& path() const { return m_folder; }

    // Writes a batch's history text as a new file of its own (created when the folder is missing),
    // whole through a temporary file, synced with its folder, then drops the oldest files beyond
    // the kept number. The error's message is a complete sentence for the user.
    fs::FileError add(const QByteArray& history) const;

    // The batches' files, newest first; none when the folder is missing or cannot be read.
    QStringList files() const;

private:
    void dropOldest() const;

    QString m_folder;
};

// One batch's file as read back.
struct LoadedHistory {
    QString path;
    // Nothing when the file cannot be read or is damaged; `damage` then says why.
    std::optional<HistoryEntry> entry;
    QString damage;
};

LoadedHistory loadHistory(const QString& path);

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QHash>
#include <QString>
#include <optional>

namespace km {

// One version of a file as the file system describes it. A file written again, or another file
// moved to its name, differs in one of these.
struct FileVersion {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;

    bool operator==(const FileVersion&) const = default;
};

// The dates taken read so far, per folder and file name, each with the version of the file it
// was read from. The folders used last are kept; older ones are forgotten.
class DateTakenCache {
public:
    // The date read from this version of the file (which may be no date); nothing when that
    // version was never read.
    const std::optional<DateTaken>* find(const QString& folder, const QString& name,
                                         const FileVersion& version) const;
    void store(const QString& folder, const QString& name, const FileVersion& version,
               const std::optional<DateTaken>& date);
    // Forgets the files of folder whose names are not among names.
    void keepOnly(const QString& folder, const QStringList& names);

    // The number of files of folder held.
    qsizetype count(const QString& folder) const;

private:
    struct Entry {
        FileVersion version;
        std::optional<DateTaken> date;
    };
    struct Folder {
        QHash<QString, Entry> files;
        quint64 lastUse = 0;
    };

    static constexpr int foldersKept = 8;

    QHash<QString, Folder> m_folders;
    quint64 m_uses = 0;
};

} // namespace km

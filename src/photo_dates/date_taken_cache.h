// SPDX-License-Identifier: MIT
#pragma once

#include "photo_dates/date_taken.h"

#include <QHash>
#include <QString>
#include <memory>
#include <optional>

namespace km {

class FolderChanges;

// One version of a file as the file system describes it. A file written again, or another file
// moved to its name, differs in one of these.
struct FileVersion {
    qint64 size = 0;
    qint64 modifiedNs = 0;
    quint64 inode = 0;

    bool operator==(const FileVersion&) const = default;
};

// The facts (dates taken, cameras) read from the files of one folder, by file name, each with the
// version of the file it was read from.
class FolderDates {
public:
    // The facts of a file stated while its folder was watched and not changed since; nothing
    // otherwise.
    // Facts read without the cameras do not count where the cameras are wanted.
    const PhotoFacts* findUnchanged(const QString& name, FactsWanted wanted) const;
    // The facts read from this version of the file (which may be none); nothing when that
    // version was never read. Watchable tells that changes to the file, just stated, are notified
    // in this folder (a regular file with one link).
    const PhotoFacts* find(const QString& name, const FileVersion& version, bool watchable,
                           FactsWanted wanted);
    void store(const QString& name, const FileVersion& version, bool watchable,
               const PhotoFacts& facts, FactsWanted read);
    // Forgets the files whose names are not among names.
    void keepOnly(const QStringList& names);

    qsizetype count() const { return m_files.size(); }

private:
    friend class DateTakenCache;

    struct Entry {
        FileVersion version;
        PhotoFacts facts;
        FactsWanted read = FactsWanted::Dates;
        // Stated while the folder was watched and no change notified since.
        bool unchanged = false;
    };

    void distrust();

    QHash<QString, Entry> m_files;
    int m_watch = -1;
    quint64 m_device = 0;
    quint64 m_inode = 0;
    quint64 m_lastUse = 0;
};

// The facts of photos read so far, per folder. The folders used last are kept; older ones are
// forgotten.
//
// Where the kernel notifies changes to a folder's files, the cache watches the folder, and a file
// stated while it was watched and not notified since is known to be unchanged without stating it
// again: for a folder of thousands of photos, stating every file costs more than listing them.
class DateTakenCache {
public:
    DateTakenCache();
    ~DateTakenCache();
    DateTakenCache(DateTakenCache&&) noexcept;
    DateTakenCache& operator=(DateTakenCache&&) noexcept;

    // The dates of the folder at path, open as folderFd, once the change notifications received
    // for every folder are taken, and the folder watched. What was held for another folder that
    // had this path before is forgotten. Valid until the next call.
    FolderDates& folder(const QString& path, int folderFd);

    // The number of files held for the folder at path.
    qsizetype count(const QString& path) const;

private:
    static constexpr int kFoldersKept = 8;

    void takeChanges();
    void forget(QHash<QString, FolderDates>::iterator folder);
    // Forgets the folder used longest ago when more than kFoldersKept are held.
    void forgetOldest();

    QHash<QString, FolderDates> m_folders;
    quint64 m_uses = 0;
    std::unique_ptr<FolderChanges> m_changes;
};

} // namespace km

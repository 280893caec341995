// SPDX-License-Identifier: MIT
#include "photo_dates/date_taken_cache.h"

#include "photo_dates/folder_changes.h"

#include <QSet>
#include <QStringList>
#include <sys/stat.h>

namespace km {

namespace {

bool serves(FactsWanted read, FactsWanted wanted) {
    return read == FactsWanted::DatesAndCameras || wanted == FactsWanted::Dates;
}

} // namespace

const PhotoFacts* FolderDates::findUnchanged(const QString& name, FactsWanted wanted) const {
    const auto file = m_files.constFind(name);
    return file != m_files.cend() && file->unchanged && serves(file->read, wanted) ? &file->facts
                                                                                   : nullptr;
}

const PhotoFacts* FolderDates::find(const QString& name, const FileVersion& version, bool watchable,
                                    FactsWanted wanted) {
    const auto file = m_files.find(name);
    if (file == m_files.end() || file->version != version || !serves(file->read, wanted))
        return nullptr;
    file->unchanged = watchable && m_watch >= 0;
    return &file->facts;
}

void FolderDates::store(const QString& name, const FileVersion& version, bool watchable,
                        const PhotoFacts& facts, FactsWanted read) {
    m_files.insert(name, Entry{version, facts, read, watchable && m_watch >= 0});
}

void FolderDates::keepOnly(const QStringList& names) {
    const QSet<QString> present(names.cbegin(), names.cend());
    m_files.removeIf([&](const auto& file) { return !present.contains(file.key()); });
}

void FolderDates::distrust() {
    for (Entry& entry : m_files)
        entry.unchanged = false;
}

DateTakenCache::DateTakenCache() : m_changes(std::make_unique<FolderChanges>()) {}
DateTakenCache::~DateTakenCache() = default;
DateTakenCache::DateTakenCache(DateTakenCache&&) noexcept = default;
DateTakenCache& DateTakenCache::operator=(DateTakenCache&&) noexcept = default;

void DateTakenCache::takeChanges() {
    m_changes->take([&](const FolderNotice& notice) {
        for (FolderDates& watched : m_folders) {
            if (notice.kind == FolderNotice::Kind::Lost) {
                watched.distrust();
            } else if (watched.m_watch == notice.watch) {
                if (notice.kind == FolderNotice::Kind::Folder) {
                    watched.distrust();
                    watched.m_watch = -1;
                } else if (const auto file = watched.m_files.find(notice.name);
                           file != watched.m_files.end()) {
                    file->unchanged = false;
                }
            }
        }
    });
}

void DateTakenCache::forget(QHash<QString, FolderDates>::iterator folder) {
    const int watch = folder->m_watch;
    m_folders.erase(folder);
    // Two paths may name the same folder, and share its watch.
    for (const FolderDates& other : std::as_const(m_folders))
        if (other.m_watch == watch)
            return;
    m_changes->unwatch(watch);
}

void DateTakenCache::forgetOldest() {
    if (m_folders.size() <= kFoldersKept)
        return;
    auto oldest = m_folders.begin();
    for (auto at = m_folders.begin(); at != m_folders.end(); ++at)
        if (at->m_lastUse < oldest->m_lastUse)
            oldest = at;
    forget(oldest);
}

FolderDates& DateTakenCache::folder(const QString& path, int folderFd) {
    takeChanges();
    struct stat info {};
    const bool stated = fstat(folderFd, &info) == 0;
    auto at = m_folders.find(path);
    if (at != m_folders.end() &&
        (!stated || at->m_device != info.st_dev || at->m_inode != info.st_ino)) {
        forget(at);
        at = m_folders.end();
    }
    if (at == m_folders.end()) {
        at = m_folders.insert(path, FolderDates{});
        at->m_device = info.st_dev;
        at->m_inode = info.st_ino;
    }
    // Before any file is stated: a change made after the stat is then notified.
    if (at->m_watch < 0 && stated)
        at->m_watch = m_changes->watch(folderFd);
    at->m_lastUse = ++m_uses;
    forgetOldest();
    return *at;
}

qsizetype DateTakenCache::count(const QString& path) const {
    const auto at = m_folders.constFind(path);
    return at == m_folders.cend() ? 0 : at->count();
}

} // namespace km

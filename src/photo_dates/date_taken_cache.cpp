// SPDX-License-Identifier: MIT
#include "photo_dates/date_taken_cache.h"

#include <QSet>
#include <QStringList>

namespace km {

const std::optional<DateTaken>* DateTakenCache::find(const QString& folder, const QString& name,
                                                     const FileVersion& version) const {
    const auto folderAt = m_folders.constFind(folder);
    if (folderAt == m_folders.cend())
        return nullptr;
    const auto fileAt = folderAt->files.constFind(name);
    if (fileAt == folderAt->files.cend() || fileAt->version != version)
        return nullptr;
    return &fileAt->date;
}

void DateTakenCache::store(const QString& folder, const QString& name, const FileVersion& version,
                           const std::optional<DateTaken>& date) {
    Folder& entries = m_folders[folder];
    entries.files.insert(name, Entry{version, date});
    entries.lastUse = ++m_uses;
    if (m_folders.size() <= foldersKept)
        return;
    auto oldest = m_folders.begin();
    for (auto at = m_folders.begin(); at != m_folders.end(); ++at)
        if (at->lastUse < oldest->lastUse)
            oldest = at;
    m_folders.erase(oldest);
}

void DateTakenCache::keepOnly(const QString& folder, const QStringList& names) {
    const auto folderAt = m_folders.find(folder);
    if (folderAt == m_folders.end())
        return;
    const QSet<QString> present(names.cbegin(), names.cend());
    folderAt->files.removeIf([&](const auto& file) { return !present.contains(file.key()); });
    if (folderAt->files.isEmpty())
        m_folders.erase(folderAt);
}

qsizetype DateTakenCache::count(const QString& folder) const {
    const auto folderAt = m_folders.constFind(folder);
    return folderAt == m_folders.cend() ? 0 : folderAt->files.size();
}

} // namespace km

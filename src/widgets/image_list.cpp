// SPDX-License-Identifier: MIT
#include "widgets/image_list.h"

#include <algorithm>

namespace km {

bool ImageList::add(const QString& key, const QPixmap& picture) {
    if (key.isEmpty() || contains(key))
        return false;
    m_entries.push_back({key, picture});
    return true;
}

QPixmap ImageList::picture(const QString& key) const {
    const Entry* entry = find(key);
    return entry ? entry->picture : QPixmap();
}

QIcon ImageList::icon(const QString& key) const {
    const Entry* entry = find(key);
    return entry ? QIcon(entry->picture) : QIcon();
}

bool ImageList::contains(const QString& key) const {
    return find(key) != nullptr;
}

QStringList ImageList::keys() const {
    QStringList result;
    for (const Entry& entry : m_entries)
        result.append(entry.key);
    return result;
}

const ImageList::Entry* ImageList::find(const QString& key) const {
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&key](const Entry& entry) { return entry.key == key; });
    return it == m_entries.end() ? nullptr : &*it;
}

} // namespace km

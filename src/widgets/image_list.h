// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <vector>

namespace km {

// Pictures stored under text keys, in the order they were added, for controls that show a
// picture by its key (file-type icons in a list, the icons of a dialog).
class ImageList {
public:
    // Stores a picture under a key. Refuses (and returns false) an empty key or one already used,
    // so a key always names the picture it was first given.
    bool add(const QString& key, const QPixmap& picture);

    // The picture stored under the key (letter case counts); a null pixmap for an unknown key.
    QPixmap picture(const QString& key) const;
    // The same picture as an icon; a null icon for an unknown key.
    QIcon icon(const QString& key) const;

    bool contains(const QString& key) const;
    int count() const { return static_cast<int>(m_entries.size()); }
    // The keys in the order they were added.
    QStringList keys() const;

private:
    struct Entry {
        QString key;
        QPixmap picture;
    };

    const Entry* find(const QString& key) const;

    std::vector<Entry> m_entries;
};

} // namespace km

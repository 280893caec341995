// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QString>
#include <QtGlobal>
#include <vector>

namespace km {

// What a photo's EXIF data says of the camera and lens that took it, each text as the camera
// wrote it (trimmed), empty where the photo does not say. Like CalendarTime, it goes from the
// EXIF reader to the names as it is.
struct CameraTags {
    QString make;
    QString model;
    QString lens;
    QString serial;

    bool operator==(const CameraTags&) const = default;

    // One text that two cameras share exactly when their tags are the same: the tags joined by
    // NUL, which no tag holds.
    QString key() const { return make + QChar(0) + model + QChar(0) + lens + QChar(0) + serial; }
};

// The camera tags of each row of a list, each camera (with its lens) held once: a folder's
// photos are many, its cameras few, so a row holds only the number of its camera.
class RowCameras {
public:
    void clear() {
        m_cameras.clear();
        m_rows.clear();
        m_known.clear();
    }
    void reserve(std::size_t rows) { m_rows.reserve(rows); }
    void push_back(const CameraTags& tags) {
        // Photos of one camera mostly follow each other.
        if (m_rows.empty() || !(m_cameras[m_rows.back()] == tags)) {
            const QString key = tags.key();
            const auto known = m_known.constFind(key);
            if (known == m_known.cend()) {
                m_known.insert(key, static_cast<quint32>(m_cameras.size()));
                m_rows.push_back(static_cast<quint32>(m_cameras.size()));
                m_cameras.push_back(tags);
                return;
            }
            m_rows.push_back(*known);
            return;
        }
        m_rows.push_back(m_rows.back());
    }

    std::size_t size() const { return m_rows.size(); }
    const CameraTags& operator[](std::size_t row) const { return m_cameras[m_rows[row]]; }
    // The number of the row's camera, the same for every row of that camera.
    quint32 cameraOf(std::size_t row) const { return m_rows[row]; }
    // Every camera, by its number.
    const std::vector<CameraTags>& cameras() const { return m_cameras; }

private:
    std::vector<CameraTags> m_cameras;
    std::vector<quint32> m_rows;
    QHash<QString, quint32> m_known;
};

} // namespace km

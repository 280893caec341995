// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

class QIODevice;

namespace km {

// The length of a "uuid" box's user type.
inline constexpr qsizetype kUuidLength = 16;

// One box of an ISO base media file (MP4, QuickTime, HEIF, Canon's CR3): its four-letter type,
// the user type of a "uuid" box, and where its content lies on the device.
struct IsoBox {
    QByteArray type;
    // The 16 bytes after the header of a "uuid" box; empty for the others.
    QByteArray uuid;
    qint64 contentStart = 0;
    qint64 end = 0;

    qint64 contentLength() const { return end - contentStart; }
};

// The boxes lying one after the other in [from, end) of a device, read header by header: the
// content of a box is never read, so a movie's media data is passed by a seek, whatever its size.
// A header that is damaged or claims to reach past the end ends the walk, as does a walk of more
// boxes than any real file holds at one level.
class IsoBoxes {
public:
    IsoBoxes(QIODevice& device, qint64 from, qint64 end);
    // The boxes of a box's content.
    IsoBoxes(QIODevice& device, const IsoBox& parent);

    // The next box; nothing at the end of the range or at damage.
    std::optional<IsoBox> next();
    // The next box of the type (and, for "uuid", of the user type); nothing when there is none.
    std::optional<IsoBox> find(QByteArrayView type, QByteArrayView uuid = {});

private:
    QIODevice& m_device;
    qint64 m_at;
    qint64 m_end;
    int m_walked = 0;
};

} // namespace km

// SPDX-License-Identifier: MIT
#include "picture_formats/iso_boxes.h"

#include <QIODevice>
#include <QtEndian>

namespace km {
namespace {

constexpr int kMostBoxesAtOneLevel = 100'000;

} // namespace

IsoBoxes::IsoBoxes(QIODevice& device, qint64 from, qint64 end)
    : m_device(device), m_at(from), m_end(end) {}

IsoBoxes::IsoBoxes(QIODevice& device, const IsoBox& parent)
    : IsoBoxes(device, parent.contentStart, parent.end) {}

std::optional<IsoBox> IsoBoxes::next() {
    if (m_end - m_at < 8 || ++m_walked > kMostBoxesAtOneLevel || !m_device.seek(m_at))
        return std::nullopt;
    const QByteArray header = m_device.read(8);
    if (header.size() != 8)
        return std::nullopt;
    IsoBox box;
    box.type = header.sliced(4, 4);
    quint64 size = qFromBigEndian<quint32>(header.constData());
    qint64 headerLength = 8;
    if (size == 1) {
        const QByteArray large = m_device.read(8);
        if (large.size() != 8)
            return std::nullopt;
        size = qFromBigEndian<quint64>(large.constData());
        headerLength = 16;
    } else if (size == 0) {
        // The last box reaches to the end of the file.
        size = static_cast<quint64>(m_end - m_at);
    }
    if (box.type == "uuid") {
        box.uuid = m_device.read(kUuidLength);
        if (box.uuid.size() != kUuidLength)
            return std::nullopt;
        headerLength += kUuidLength;
    }
    if (size < static_cast<quint64>(headerLength) || size > static_cast<quint64>(m_end - m_at))
        return std::nullopt;
    box.contentStart = m_at + headerLength;
    box.end = m_at + static_cast<qint64>(size);
    m_at = box.end;
    return box;
}

std::optional<IsoBox> IsoBoxes::find(QByteArrayView type, QByteArrayView uuid) {
    while (std::optional<IsoBox> box = next())
        if (box->type == type && (uuid.isEmpty() || box->uuid == uuid))
            return box;
    return std::nullopt;
}

} // namespace km

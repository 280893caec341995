// SPDX-License-Identifier: MIT
#include "picture_formats/transport_stream.h"

#include <QIODevice>

namespace km {
namespace {

constexpr qsizetype kPacketLength = 188;
constexpr char kSyncByte = 0x47;
constexpr qint64 kLongestHead = 4 * 1024 * 1024;

// Where the first packet starts: at once, or after the 4-byte time code of a Blu-ray stream.
qsizetype firstPacketAt(const QByteArray& head) {
    for (const qsizetype start : {qsizetype(0), qsizetype(4)}) {
        const qsizetype stride = kPacketLength + start;
        if (head.size() >= start + 2 * stride && head[start] == kSyncByte &&
            head[start + stride] == kSyncByte)
            return start;
    }
    return -1;
}

// A packet's payload: after its 4-byte header and its adaptation field, where it has them.
QByteArrayView payloadOf(QByteArrayView packet) {
    const bool adaptation = packet[3] & 0x20;
    const bool payload = packet[3] & 0x10;
    if (!payload)
        return {};
    qsizetype at = 4;
    if (adaptation)
        at += 1 + quint8(packet[4]);
    return at < packet.size() ? packet.sliced(at) : QByteArrayView();
}

// A packet that starts a video stream's PES packet (stream identifiers 0xE0 to 0xEF).
bool startsVideo(QByteArrayView payload, bool unitStart) {
    return unitStart && payload.size() >= 4 && payload[0] == 0 && payload[1] == 0 &&
           payload[2] == 1 && (quint8(payload[3]) & 0xF0) == 0xE0;
}

} // namespace

bool isTransportStream(const QByteArray& head) {
    return firstPacketAt(head) >= 0;
}

QByteArray transportStreamVideo(QIODevice& device, qsizetype longest) {
    const QByteArray head = device.read(kLongestHead);
    const qsizetype start = firstPacketAt(head);
    if (start < 0)
        return {};
    const qsizetype stride = kPacketLength + start;
    QByteArray video;
    int videoPid = -1;
    for (qsizetype at = start; at + kPacketLength <= head.size() && video.size() < longest;
         at += stride) {
        const QByteArrayView packet = QByteArrayView(head).sliced(at, kPacketLength);
        if (packet[0] != kSyncByte)
            break;
        const int pid = (quint8(packet[1]) & 0x1F) << 8 | quint8(packet[2]);
        const QByteArrayView payload = payloadOf(packet);
        if (videoPid < 0 && startsVideo(payload, packet[1] & 0x40))
            videoPid = pid;
        if (pid == videoPid)
            video.append(payload);
    }
    return video.first(std::min(video.size(), longest));
}

} // namespace km

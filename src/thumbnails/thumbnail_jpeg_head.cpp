// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_jpeg_head.h"

#include "jpeg/jpeg_markers.h"

#include <QIODevice>

namespace km {
namespace {

constexpr qsizetype kLargestHead = 4 * 1024 * 1024;

} // namespace

QByteArray readJpegHead(QIODevice& device, bool* progressive) {
    if (!jpeg::readStartOfImage(device))
        return {};
    QByteArray head("\xff\xd8", 2);
    qint64 consumed = 2;
    while (head.size() < kLargestHead) {
        const unsigned char code = jpeg::nextMarker(device, consumed);
        if (code == 0)
            break;
        head += '\xff';
        head += static_cast<char>(code);
        if (code == jpeg::kStartOfScan || code == jpeg::kEndOfImage)
            break;
        if (jpeg::standsAlone(code))
            continue;
        if (progressive && jpeg::startsFrame(code))
            *progressive = jpeg::isProgressiveFrame(code);
        const int length = jpeg::readSegmentLength(device);
        if (length < 0)
            break;
        const QByteArray content = device.read(length);
        head += static_cast<char>((length + 2) >> 8);
        head += static_cast<char>((length + 2) & 0xff);
        head += content;
        if (content.size() != length)
            break;
    }
    return head;
}

} // namespace km

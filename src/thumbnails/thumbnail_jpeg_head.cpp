// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_jpeg_head.h"

#include <QIODevice>

namespace km {
namespace {

constexpr qsizetype largestHead = 4 * 1024 * 1024;
constexpr char markerStart = '\xff';
constexpr unsigned char startOfScan = 0xda;
constexpr unsigned char endOfImage = 0xd9;

// Markers that stand alone, without a length and a segment.
bool standsAlone(unsigned char code) {
    return code == 0x01 || (code >= 0xd0 && code <= 0xd7);
}

// The next marker's code, skipping the fill bytes before it; 0 when there is none.
unsigned char nextMarker(QIODevice& device) {
    char byte = 0;
    if (!device.getChar(&byte) || byte != markerStart)
        return 0;
    while (device.getChar(&byte))
        if (byte != markerStart)
            return static_cast<unsigned char>(byte);
    return 0;
}

// Appends one segment (its length field and content); false when the file ends inside it.
bool appendSegment(QIODevice& device, QByteArray& head) {
    const QByteArray lengthField = device.read(2);
    if (lengthField.size() != 2)
        return false;
    const int length = (static_cast<unsigned char>(lengthField[0]) << 8) |
                       static_cast<unsigned char>(lengthField[1]);
    if (length < 2)
        return false;
    const QByteArray content = device.read(length - 2);
    head += lengthField;
    head += content;
    return content.size() == length - 2;
}

} // namespace

QByteArray readJpegHead(QIODevice& device) {
    if (device.read(2) != QByteArray("\xff\xd8", 2))
        return {};
    QByteArray head("\xff\xd8", 2);
    while (head.size() < largestHead) {
        const unsigned char code = nextMarker(device);
        if (code == 0)
            break;
        head += markerStart;
        head += static_cast<char>(code);
        if (code == startOfScan || code == endOfImage)
            break;
        if (!standsAlone(code) && !appendSegment(device, head))
            break;
    }
    return head;
}

} // namespace km

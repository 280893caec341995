// SPDX-License-Identifier: MIT
#include "jpeg/jpeg_markers.h"

#include <QByteArrayView>
#include <QIODevice>

namespace km::jpeg {

namespace {

constexpr char kMarkerStart = '\xff';
constexpr int kLongestFill = 1024;

} // namespace

bool readStartOfImage(QIODevice& device) {
    return device.read(2) == QByteArrayView("\xff\xd8", 2);
}

unsigned char nextMarker(QIODevice& device, qint64& consumed) {
    char byte = 0;
    if (!device.getChar(&byte) || byte != kMarkerStart)
        return 0;
    ++consumed;
    for (int fill = 0; fill < kLongestFill && device.getChar(&byte); ++fill) {
        ++consumed;
        if (byte != kMarkerStart)
            return static_cast<unsigned char>(byte);
    }
    return 0;
}

bool standsAlone(unsigned char code) {
    return code == 0x01 || (code >= 0xd0 && code <= 0xd7);
}

bool startsFrame(unsigned char code) {
    // 0xc4 (the Huffman tables), 0xc8 (reserved) and 0xcc (arithmetic coding) are no frames.
    return code >= 0xc0 && code <= 0xcf && code != 0xc4 && code != 0xc8 && code != 0xcc;
}

bool isProgressiveFrame(unsigned char code) {
    return code == 0xc2 || code == 0xc6 || code == 0xca || code == 0xce;
}

int readSegmentLength(QIODevice& device) {
    unsigned char field[2];
    if (device.read(reinterpret_cast<char*>(field), 2) != 2)
        return -1;
    const int length = (field[0] << 8) | field[1];
    return length < 2 ? -1 : length - 2;
}

} // namespace km::jpeg

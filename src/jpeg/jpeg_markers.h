// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QIODevice;

// The markers and segments that make a JPEG file's head, read one at a time.
namespace km::jpeg {

inline constexpr unsigned char kApp1 = 0xe1;
inline constexpr unsigned char kStartOfScan = 0xda;
inline constexpr unsigned char kEndOfImage = 0xd9;

// Reads the start-of-image marker; false when the device holds no JPEG at its position.
bool readStartOfImage(QIODevice& device);

// The next marker's code, skipping the fill bytes before it and adding every byte read to
// consumed; 0 when there is none, or only a long run of fill bytes, which no encoder writes.
unsigned char nextMarker(QIODevice& device, qint64& consumed);

// Markers that stand alone, without a length and a segment.
bool standsAlone(unsigned char code);

// A start-of-frame marker, which gives the picture's size and how it is coded.
bool startsFrame(unsigned char code);
// A frame coded progressively: a decoder holds every coefficient of the picture, whatever size it
// scales the picture to.
bool isProgressiveFrame(unsigned char code);

// The length of a segment's content, read from its length field; -1 when the file ends there or
// the field is damaged.
int readSegmentLength(QIODevice& device);

} // namespace km::jpeg

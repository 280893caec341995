// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>

namespace km::bench {

// A picture with a camera's detail: smooth gradients with a little sensor-like noise, so that a
// compressed file of it is about as large, and as slow to decode, as a real photo. Each variant
// is tinted differently.
inline QImage cameraLikePicture(QSize size, int variant = 0) {
    QImage image(size, QImage::Format_RGB32);
    quint32 noise = 2463534242u + static_cast<quint32>(variant);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            noise ^= noise << 13;
            noise ^= noise >> 17;
            noise ^= noise << 5;
            const int grain = static_cast<int>(noise & 15) - 8;
            const int red = (x * 255 / image.width() + grain + variant * 40) & 255;
            const int green = (y * 255 / image.height() + grain) & 255;
            const int blue = ((x + y) / 40 % 2 ? 200 : 60) + grain;
            line[x] = qRgb(red, green, blue);
        }
    }
    return image;
}

} // namespace km::bench

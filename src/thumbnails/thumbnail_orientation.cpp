// SPDX-License-Identifier: MIT
#include "thumbnails/thumbnail_orientation.h"

#include "picture_formats/tiff_reader.h"

#include <QTransform>

namespace km {
namespace {

struct Turn {
    bool mirrorHorizontally = false;
    bool mirrorVertically = false;
    int clockwiseDegrees = 0;
};

// Mirroring comes first, then the clockwise turn.
Turn turnFor(int orientation) {
    switch (orientation) {
    case 2:
        return {true, false, 0};
    case 3:
        return {false, false, 180};
    case 4:
        return {false, true, 0};
    case 5:
        return {false, true, 90};
    case 6:
        return {false, false, 90};
    case 7:
        return {true, false, 90};
    case 8:
        return {false, false, 270};
    default:
        return {};
    }
}

} // namespace

bool swapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

QSize uprightSize(QSize stored, int orientation) {
    return swapsSides(orientation) ? stored.transposed() : stored;
}

QImage turnUpright(const QImage& stored, int orientation) {
    const Turn turn = turnFor(orientation);
    QImage upright = stored;
    if (turn.mirrorHorizontally || turn.mirrorVertically)
        upright = upright.mirrored(turn.mirrorHorizontally, turn.mirrorVertically);
    if (turn.clockwiseDegrees != 0)
        upright = upright.transformed(QTransform().rotate(turn.clockwiseDegrees));
    return upright;
}

int orientationFrom(TiffReader& tiff) {
    constexpr uint16_t kOrientationTag = 0x0112;
    if (!tiff.readHeader())
        return 1;
    const auto orientation = tiff.number(tiff.firstDirectory(), kOrientationTag);
    return orientation && *orientation >= 1 && *orientation <= 8 ? static_cast<int>(*orientation)
                                                                 : 1;
}

} // namespace km

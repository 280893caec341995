// SPDX-License-Identifier: MIT
#include "dialogs/message_box_layout.h"

#include "numbers/rounding.h"

#include <cmath>

namespace km {

namespace {

constexpr double kMarginPixelsX = 72;
constexpr double kMarginPixelsY = 60;
constexpr double kButtonGap = 120;
constexpr double kButtonRowFromBottom = 510;

} // namespace

MessageBoxPlacement placeMessageBox(const MessageBoxMeasures& measures) {
    MessageBoxPlacement place;
    const double borderWidth = roundHalfEven(measures.borderWidth);
    const double borderHeight = roundHalfEven(measures.borderHeight);
    place.window.width =
        kMarginPixelsX * measures.twipsPerPixelX + borderWidth + measures.promptWidth;
    place.window.height =
        kMarginPixelsY * measures.twipsPerPixelY + borderHeight + measures.promptHeight;
    place.clientWidth = place.window.width - borderWidth;
    place.clientHeight = place.window.height - borderHeight;

    const double rowWidth = measures.noCancelShown
                                ? measures.yesOkWidth + measures.noCancelWidth + kButtonGap
                                : measures.yesOkWidth;
    place.yesOkLeft = std::floor(place.clientWidth / 2 - rowWidth / 2);
    place.noCancelLeft = place.yesOkLeft + measures.yesOkWidth + kButtonGap;
    place.buttonTop = place.clientHeight - kButtonRowFromBottom;

    place.iconLeft = 165;
    place.iconTop = 135;
    place.promptLeft = 840;
    place.promptTop = 150;

    place.window.left = std::floor(measures.screenWidth / 2 - place.window.width / 2);
    place.window.top = std::floor(measures.screenHeight / 2 - place.window.height / 2);
    return place;
}

QSize largestPromptSize(QSize available, QSize border) {
    return available - border -
           QSize(static_cast<int>(kMarginPixelsX), static_cast<int>(kMarginPixelsY));
}

} // namespace km

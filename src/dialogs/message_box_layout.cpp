// SPDX-License-Identifier: MIT
#include "dialogs/message_box_layout.h"

#include "numbers/rounding.h"

#include <cmath>

namespace km {

namespace {

constexpr double MarginPixelsX = 72;
constexpr double MarginPixelsY = 60;
constexpr double ButtonGap = 120;
constexpr double ButtonRowFromBottom = 510;

} // namespace

MessageBoxPlacement placeMessageBox(const MessageBoxMeasures& measures) {
    MessageBoxPlacement place;
    const double borderWidth = roundHalfEven(measures.borderWidth);
    const double borderHeight = roundHalfEven(measures.borderHeight);
    place.window.width =
        MarginPixelsX * measures.twipsPerPixelX + borderWidth + measures.promptWidth;
    place.window.height =
        MarginPixelsY * measures.twipsPerPixelY + borderHeight + measures.promptHeight;
    place.clientWidth = place.window.width - borderWidth;
    place.clientHeight = place.window.height - borderHeight;

    const double rowWidth = measures.noCancelShown
                                ? measures.yesOkWidth + measures.noCancelWidth + ButtonGap
                                : measures.yesOkWidth;
    place.yesOkLeft = std::floor(place.clientWidth / 2 - rowWidth / 2);
    place.noCancelLeft = place.yesOkLeft + measures.yesOkWidth + ButtonGap;
    place.buttonTop = place.clientHeight - ButtonRowFromBottom;

    place.iconLeft = 165;
    place.iconTop = 135;
    place.promptLeft = 840;
    place.promptTop = 150;

    place.window.left = std::floor(measures.screenWidth / 2 - place.window.width / 2);
    place.window.top = std::floor(measures.screenHeight / 2 - place.window.height / 2);
    return place;
}

} // namespace km

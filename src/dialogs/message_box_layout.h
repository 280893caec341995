// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/twips.h"

#include <QSize>

namespace km {

// What the message box's size and places depend on. Lengths in twips.
struct MessageBoxMeasures {
    double promptWidth = 0;
    double promptHeight = 0;
    double borderWidth = 0;  // window width minus client width
    double borderHeight = 0; // window height minus client height
    double twipsPerPixelX = 15;
    double twipsPerPixelY = 15;
    double yesOkWidth = 0;
    double noCancelWidth = 0;
    bool noCancelShown = false;
    double screenWidth = 0;
    double screenHeight = 0;
};

// Where everything goes. Window: outer frame relative to the screen; the rest: client area.
struct MessageBoxPlacement {
    TwipRect window;
    double clientWidth = 0;
    double clientHeight = 0;
    double yesOkLeft = 0;
    double noCancelLeft = 0;
    double buttonTop = 0;
    double iconLeft = 0;
    double iconTop = 0;
    double promptLeft = 0;
    double promptTop = 0;
};

// Sizes the box around its prompt with margins given in screen pixels, puts the button row
// under the prompt (the pair centred) and centres the window on the screen. The buttons do not
// widen the box: under a narrow prompt they reach past the client area's edges.
MessageBoxPlacement placeMessageBox(const MessageBoxMeasures& measures);

// The largest prompt, in pixels, whose box with this window border still fits in `available`.
QSize largestPromptSize(QSize available, QSize border);

} // namespace km

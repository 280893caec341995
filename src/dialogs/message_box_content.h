// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/message_box_call.h"

#include <QString>

namespace km {

// What a message box shows and answers for one style value.
struct MessageBoxContent {
    QString yesOkCaption;
    QString noCancelCaption;
    bool noCancelShown = false;
    BoxAnswer yesOkResult = BoxAnswer::None;
    BoxAnswer noCancelResult = BoxAnswer::None;
    QString iconKey; // empty: no icon

    // The answer when the box is closed without a button: never one that agrees to anything.
    BoxAnswer closeResult() const { return noCancelShown ? BoxAnswer::Cancel : BoxAnswer::Ok; }
};

// Reads the style flags; bits other than the button and icon flags are ignored.
MessageBoxContent messageBoxContent(qint32 style);

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/message_box_call.h"

#include <QString>

namespace km {

// The program's one way to inform or ask the user. Shows the message box modally, without an
// owner window, and returns the button pressed. Closing the box without a button answers Cancel
// when it has a second button and OK otherwise; Escape does nothing.
BoxAnswer ShowMessageBox(const QString& prompt, qint32 style, const QString& title = QString());

// What tests use to answer message boxes without showing them.
class MessageBoxSeam {
public:
    // The next ShowMessageBox records its arguments and returns this answer at once. Applies to
    // one call only; answers set in a row serve the calls that follow in the same order.
    static void setNextAnswer(BoxAnswer answer);
    static void clearNextAnswers();
    // How many times ShowMessageBox has been called since the program started.
    static int callCount();
    // The last call's prompt, style and title and the last answer.
    static const MessageBoxState& lastCall();
};

} // namespace km

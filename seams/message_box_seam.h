// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/message_box_call.h"

namespace km {

// What tests use to answer message boxes without showing them. Linked into a test, this part
// brings its own ShowMessageBox, which records every call and shows the box only when no answer
// is waiting.
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

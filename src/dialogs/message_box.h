#pragma once

#include "dialogs/message_box_state.h"
#include "dialogs/message_box_style.h"

#include <QString>

// The program's one way to inform or ask the user.
namespace modMessageBox {

// Shows the message box modally, without an owner window, and returns the answer code of the
// button pressed (see km::box). Closing the box without a button answers Cancel when it has a
// second button and OK otherwise.
qint32 ShowMessageBox(const QString& prompt, qint32 style, const QString& title = QString());

// The last call's prompt, style and title and the last answer.
const MessageBoxState& state();

// For tests: the next ShowMessageBox records its arguments and returns this answer at once,
// without showing anything. Applies to one call only; answers set in a row serve the calls that
// follow in the same order.
void setNextAnswer(qint32 answer);
void clearNextAnswer();

// How many times ShowMessageBox has been called since the program started.
int callCount();

} // namespace modMessageBox

// SPDX-License-Identifier: MIT
#pragma once

#include "dialogs/message_box_call.h"

#include <QString>

namespace km {

// The program's one way to inform or ask the user. Shows the message box modally, without an
// owner window, and returns the button pressed. Closing the box without a button answers Cancel
// when it has a second button and OK otherwise; Escape does nothing.
BoxAnswer ShowMessageBox(const QString& prompt, qint32 style, const QString& title = QString());

// Shows the message box a call describes and sets its answer.
void showMessageBoxOf(MessageBoxState& call);

} // namespace km

// SPDX-License-Identifier: MIT
// Kept out of the unity batches: a test build may link its own ShowMessageBox instead.
#include "dialogs/message_box.h"

#include "dialogs/message_box_form.h"

namespace km {

BoxAnswer ShowMessageBox(const QString& prompt, qint32 style, const QString& title) {
    MessageBoxState call;
    call.BoxPrompt = prompt;
    call.BoxStyle = style;
    call.BoxTitle = title;
    showMessageBoxOf(call);
    return call.BoxResult;
}

} // namespace km

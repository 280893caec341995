// SPDX-License-Identifier: MIT
#include "dialogs/message_box.h"
#include "dialogs/message_box_form.h"

namespace km {

void showMessageBoxOf(MessageBoxState& call) {
    frmMessageBox form(call);
    form.exec();
}

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include "xpbutton/xpbutton_settings.h"

#include <QString>

namespace km {

// The stored settings of the main window's push buttons "bExit", "bAbout", "bUndo" and
// "bRename"; no settings for any other name.
km::XPButtonSettings mainFormButtonSettings(const QString& name);

} // namespace km

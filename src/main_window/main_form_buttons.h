// SPDX-License-Identifier: MIT
#pragma once

#include "xpbutton/property_bag.h"

#include <QString>

// The stored settings of the main window's push buttons "bExit", "bAbout", "bUndo" and
// "bRename"; an empty set for any other name.
PropertyBag mainFormButtonSettings(const QString& name);

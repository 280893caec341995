// SPDX-License-Identifier: MIT
#pragma once

#include "xpbutton/colour.h"
#include "xpbutton/xpbutton_settings.h"

#include <QCoreApplication>
#include <QString>

namespace km {

// The translation context of the main window's controls.
class MainFormWords {
    Q_DECLARE_TR_FUNCTIONS(MainFormWords)
};

// The violet of the band behind the buttons, and so of the buttons themselves.
constexpr Colour kBandColour = rgb(128, 128, 255);

// The stored settings of the main window's push buttons "bExit", "bAbout", "bUndo" and
// "bRename"; no settings for any other name.
km::XPButtonSettings mainFormButtonSettings(const QString& name);

} // namespace km

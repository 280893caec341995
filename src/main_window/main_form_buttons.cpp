// SPDX-License-Identifier: MIT
#include "main_window/main_form_buttons.h"

#include "widgets/designed_font.h"

namespace km {

namespace {

// 855 x 315 twips in HIMETRIC; kept with the settings, never read by the button.
constexpr int kExtentX = 1508;
constexpr int kExtentY = 556;

km::XPButtonSettings bandButton(const QString& caption) {
    return {.extentX = kExtentX,
            .extentY = kExtentY,
            .backColor = kBandColour,
            .font = km::designedFont(),
            .caption = caption};
}

} // namespace

km::XPButtonSettings mainFormButtonSettings(const QString& name) {
    if (name == QLatin1String("bExit"))
        return bandButton(MainFormWords::tr("E&xit"));
    if (name == QLatin1String("bAbout"))
        return bandButton(MainFormWords::tr("&About"));
    if (name == QLatin1String("bRename"))
        return bandButton(MainFormWords::tr("&Rename!"));
    if (name == QLatin1String("bUndo")) {
        km::XPButtonSettings undo = bandButton(MainFormWords::tr("&Undo"));
        undo.enabled = false;
        return undo;
    }
    return {};
}

} // namespace km

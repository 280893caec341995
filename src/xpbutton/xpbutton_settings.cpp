// SPDX-License-Identifier: MIT
#include "xpbutton/xpbutton_settings.h"

namespace km {

namespace {

template <typename T>
void addIfSet(QStringList& names, const std::optional<T>& field, const char* name) {
    if (field)
        names << QLatin1String(name);
}

} // namespace

QStringList XPButtonSettings::storedNames() const {
    QStringList names;
    addIfSet(names, extentX, "_ExtentX");
    addIfSet(names, extentY, "_ExtentY");
    addIfSet(names, backColor, "BackColor");
    addIfSet(names, enabled, "Enabled");
    addIfSet(names, font, "Font");
    addIfSet(names, backStyle, "BackStyle");
    addIfSet(names, borderStyle, "BorderStyle");
    addIfSet(names, caption, "Caption");
    addIfSet(names, picture, "Picture");
    addIfSet(names, style, "Style");
    addIfSet(names, lineColor, "LineColor");
    return names;
}

} // namespace km

// SPDX-License-Identifier: MIT
#pragma once

#include "xpbutton/colour.h"

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace km {

// The settings a form keeps for one XPButton instance, one field per setting. An unset field
// means the default; the button never stores a value equal to its default.
struct XPButtonSettings {
    // The designed size in HIMETRIC; kept with the settings, never read by the button.
    std::optional<int> extentX = std::nullopt;
    std::optional<int> extentY = std::nullopt;
    std::optional<Colour> backColor = std::nullopt;
    std::optional<bool> enabled = std::nullopt;
    std::optional<QFont> font = std::nullopt;
    std::optional<std::int16_t> backStyle = std::nullopt;
    std::optional<std::int16_t> borderStyle = std::nullopt;
    std::optional<QString> caption = std::nullopt;
    std::optional<QPixmap> picture = std::nullopt;
    std::optional<std::int32_t> style = std::nullopt;
    std::optional<Colour> lineColor = std::nullopt;

    // The names of the settings held, in the order of the fields above.
    QStringList storedNames() const;
};

} // namespace km

// SPDX-License-Identifier: MIT
#include "xpbutton/colour.h"

#include <QPalette>

namespace km {

namespace {

// The system colours the program can meet, by their index, mapped to the palette roles that
// play the same part.
QPalette::ColorRole systemColourRole(std::uint32_t index) {
    switch (index) {
    case 5:
        return QPalette::Base;
    case 6:
    case 8:
        return QPalette::WindowText;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 16:
        return QPalette::Dark;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Button;
    }
}

} // namespace

const QPalette& designedSystemColours() {
    static const QPalette colours = [] {
        const QColor face(236, 233, 216);
        QPalette palette(Qt::black, face, Qt::white, QColor(172, 168, 153), QColor(172, 168, 153),
                         Qt::black, Qt::white, Qt::white, face);
        palette.setColor(QPalette::Midlight, QColor(241, 239, 226));
        palette.setColor(QPalette::Shadow, QColor(113, 111, 100));
        palette.setColor(QPalette::Highlight, QColor(49, 106, 197));
        palette.setColor(QPalette::HighlightedText, Qt::white);
        palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
        palette.setColor(QPalette::ToolTipText, Qt::black);
        palette.setColor(QPalette::ButtonText, Qt::black);
        palette.setColor(QPalette::PlaceholderText, QColor(128, 128, 128));
        return palette;
    }();
    return colours;
}

QColor toQColor(Colour colour, const QPalette& palette) {
    if (isSystemColour(colour))
        return palette.color(QPalette::Active, systemColourRole(colour.value() & 0xFFu));
    const std::uint32_t value = colour.value();
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

} // namespace km
